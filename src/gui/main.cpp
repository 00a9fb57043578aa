// tagsmith: the window.
#include <QApplication>

#include "core/settings/MainWindowLogic.h"
#include "core/text/FileUtilities.h"
#include "gui/MainWindow.h"
#include "platform/qt/QtClipboard.h"
#include "platform/qt/QtFileDialog.h"
#include "platform/qt/QtMessageBoxes.h"
#include "platform/qt/QtPendingEvents.h"
#include "platform/qt/QtShell.h"

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tagsmith"));

    tagsmith::QtMessageBoxes messages;
    tagsmith::QtFileDialog fileDialog;
    tagsmith::QtClipboard clipboard;
    tagsmith::QtShell shell;
    tagsmith::MainWindow window;
    tagsmith::QtPendingEvents events([&window] { window.FlushOutput(); });
    tagsmith::MainWindowLogic logic(window, {messages, fileDialog, clipboard, shell, events},
                                    tagsmith::ProgramDataFolder());
    window.AttachEvents(logic);
    if (!logic.Start()) return 1;
    return QApplication::exec();
}
