// tagsmith: the window.
#include <QApplication>
#include <QSessionManager>
#include <iostream>

#include "core/settings/MainWindowLogic.h"
#include "core/text/FileUtilities.h"
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

    tagsmith::QtMessageBoxes messages;
    tagsmith::QtFileDialog fileDialog;
    tagsmith::QtClipboard clipboard;
    tagsmith::QtShell shell;
    tagsmith::MainWindow window;
    tagsmith::QtPendingEvents events([&window] { window.FlushOutput(); });
    tagsmith::MainWindowLogic logic(window, {messages, fileDialog, clipboard, shell, events},
                                    tagsmith::ProgramDataFolder());
    window.AttachEvents(logic);

    // Every way the program can be ended saves the state. A signal or the session's end may come
    // with nobody at the screen: no dialog is opened then, a failure goes to stderr, and the
    // program ends whatever happens (also from inside a dialog that is open at that moment).
    QObject::connect(&termination, &tagsmith::TerminationWatcher::terminationRequested, &window,
                     [&logic] { logic.Terminate(std::cerr); });
    QObject::connect(&application, &QGuiApplication::commitDataRequest, &window,
                     [&logic](QSessionManager&) { logic.Terminate(std::cerr); });

    if (!logic.Start()) return 1;
    return QApplication::exec();
}
