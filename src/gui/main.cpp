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
#include "core/text/StandardDescriptors.h"
#include "core/window/MainWindowLogic.h"
#include "gui/DesktopIdentity.h"
#include "gui/DisplayAvailability.h"
#include "gui/MainWindow.h"
#include "gui/StartArguments.h"
#include "gui/TerminationWatcher.h"
#include "platform/qt/QtClipboard.h"
#include "platform/qt/QtFileDialog.h"
#include "platform/qt/QtMessageBoxes.h"
#include "platform/qt/QtPendingEvents.h"
#include "platform/qt/QtShell.h"

namespace {

tagsmith::StartArguments Parse(int argc, char** argv) {
    const std::vector<std::string_view> arguments(argv + 1, argv + argc);
    return tagsmith::ParseStartArguments(arguments);
}

std::string_view Environment(const char* name) {
    const char* value = std::getenv(name);
    return value == nullptr ? std::string_view() : std::string_view(value);
}

bool DisplayAvailable(const tagsmith::StartArguments& arguments) {
    const std::string_view platform =
        arguments.platform.empty() ? Environment("QT_QPA_PLATFORM") : arguments.platform;
    const std::string_view x11 =
        arguments.display.empty() ? Environment("DISPLAY") : arguments.display;
    return tagsmith::DisplayAvailable(platform, x11, Environment("WAYLAND_DISPLAY"));
}

// While Qt starts: a display named but not reachable ends the program with the same line as no
// display at all, instead of Qt's abort. Other messages are written as Qt would write them.
void StartupMessageHandler(QtMsgType type, const QMessageLogContext& context,
                           const QString& message) {
    if (type == QtFatalMsg) {
        std::cerr << tagsmith::NoDisplayText() << std::flush;
        std::_Exit(tagsmith::kExitNoDisplay);
    }
    std::cerr << qFormatLogMessage(type, context, message).toStdString() << '\n';
}

// A document named relative to the folder the program was started in, as the box keeps it.
std::string AbsolutePath(const std::string& file) {
    std::error_code error;
    const std::filesystem::path absolute = std::filesystem::absolute(file, error);
    return error ? file : absolute.string();
}

}  // namespace

int main(int argc, char** argv) {
    tagsmith::OpenClosedStandardDescriptors();
    // The command line is answered before anything needs a display.
    const tagsmith::StartArguments arguments = Parse(argc, argv);
    switch (arguments.action) {
        case tagsmith::StartArguments::Action::Help:
            std::cout << tagsmith::HelpText();
            return 0;
        case tagsmith::StartArguments::Action::Version:
            std::cout << tagsmith::VersionText();
            return 0;
        case tagsmith::StartArguments::Action::Error:
            std::cerr << tagsmith::UsageErrorText(arguments.error);
            return tagsmith::kExitBadArguments;
        case tagsmith::StartArguments::Action::Run:
            break;
    }
    if (!DisplayAvailable(arguments)) {
        std::cerr << tagsmith::NoDisplayText();
        return tagsmith::kExitNoDisplay;
    }

    // Before Qt starts any thread, so that the termination signals reach the watcher alone.
    tagsmith::TerminationWatcher::BlockSignals();
    qInstallMessageHandler(StartupMessageHandler);
    QApplication application(argc, argv);
    qInstallMessageHandler(nullptr);

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
