// tagsmith: the window.
#include <QApplication>
#include <QSessionManager>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

#include "core/text/FileUtilities.h"
#include "core/window/MainWindowLogic.h"
#include "gui/DesktopIdentity.h"
#include "gui/MainWindow.h"
#include "gui/StartArguments.h"
#include "gui/TerminationWatcher.h"
#include "platform/qt/QtClipboard.h"
#include "platform/qt/QtFileDialog.h"
#include "platform/qt/QtMessageBoxes.h"
#include "platform/qt/QtPendingEvents.h"
#include "platform/qt/QtShell.h"

namespace {

tagsmith::StartArguments Parse(const std::vector<std::string>& arguments) {
    const std::vector<std::string_view> views(arguments.begin() + 1, arguments.end());
    return tagsmith::ParseStartArguments(views);
}

// A document named relative to the folder the program was started in, as the box keeps it.
std::string AbsolutePath(const std::string& file) {
    std::error_code error;
    const std::filesystem::path absolute = std::filesystem::absolute(file, error);
    return error ? file : absolute.string();
}

}  // namespace

int main(int argc, char** argv) {
    // --help and --version answer before anything needs a display.
    const tagsmith::StartArguments early = Parse(std::vector<std::string>(argv, argv + argc));
    if (early.action == tagsmith::StartArguments::Action::Help) {
        std::cout << tagsmith::HelpText();
        return 0;
    }
    if (early.action == tagsmith::StartArguments::Action::Version) {
        std::cout << tagsmith::VersionText();
        return 0;
    }

    // Before Qt starts any thread, so that the termination signals reach the watcher alone.
    tagsmith::TerminationWatcher::BlockSignals();
    QApplication application(argc, argv);
    // Qt has now taken its own options (-platform, -style, ...) out of the arguments.
    std::vector<std::string> remaining;
    for (const QString& argument : QCoreApplication::arguments()) {
        remaining.push_back(argument.toStdString());
    }
    const tagsmith::StartArguments arguments = Parse(remaining);
    if (arguments.action == tagsmith::StartArguments::Action::Error) {
        std::cerr << "tagsmith: " << arguments.error << "\nUsage: tagsmith [FILE]\n"
                  << "Try 'tagsmith --help' for more information.\n";
        return tagsmith::kExitBadArguments;
    }

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
    if (!arguments.file.empty()) logic.SetStartFile(AbsolutePath(arguments.file));

    // Every way the program can be ended saves the state. A signal or the session's end may come
    // with nobody at the screen: no dialog is opened then, a failure goes to stderr, and the
    // program ends whatever happens (also from inside a dialog that is open at that moment).
    QObject::connect(&termination, &tagsmith::TerminationWatcher::terminationRequested, &window,
                     [&logic] { logic.Terminate(std::cerr); });
    QObject::connect(&application, &QGuiApplication::commitDataRequest, &window,
                     [&logic](QSessionManager&) { logic.Terminate(std::cerr); });

    if (!logic.Start()) return 1;
    // For tests that signal the window: one line once the signals are watched and the window is up.
    if (std::getenv("TAGSMITH_ANNOUNCE_READY") != nullptr) std::cout << "ready" << std::endl;
    return QApplication::exec();
}
