// tagsmith: the window.
#include <QApplication>
#include <QSessionManager>

#include "core/settings/MainWindowLogic.h"
#include "core/text/FileUtilities.h"
#include "gui/DesktopIdentity.h"
#include "gui/MainWindow.h"
#include "gui/TerminationWatcher.h"
#include "platform/qt/QtClipboard.h"
#include "platform/qt/QtFileDialog.h"
#include "platform/qt/QtMessageBoxes.h"
#include "platform/qt/QtPendingEvents.h"
#include "platform/qt/QtShell.h"

int main(int argc, char** argv) {
    // Before Qt starts any thread, so that the termination signals reach the watcher alone.
    tagsmith::TerminationWatcher::BlockSignals();
    QApplication application(argc, argv);
    tagsmith::TerminationWatcher termination;
    QApplication::setApplicationName(QStringLiteral("Tagsmith"));
    tagsmith::SetDesktopIdentity();

    tagsmith::QtMessageBoxes messages;
    tagsmith::QtFileDialog fileDialog;
    tagsmith::QtClipboard clipboard;
    tagsmith::QtShell shell;
    tagsmith::MainWindow window;
    tagsmith::QtPendingEvents events([&window] { window.FlushOutput(); });
    tagsmith::MainWindowLogic logic(window, {messages, fileDialog, clipboard, shell, events},
                                    tagsmith::ProgramDataFolder());
    window.AttachEvents(logic);

    // Every way the program can be ended closes the window, which saves the state.
    QObject::connect(&termination, &tagsmith::TerminationWatcher::terminationRequested, &window,
                     [&logic] { logic.OnClose(); });
    QObject::connect(&application, &QGuiApplication::commitDataRequest, &window,
                     [&logic](QSessionManager&) { logic.OnClose(); });

    if (!logic.Start()) return 1;
    return QApplication::exec();
}
