#include <gtest/gtest.h>

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <set>
#include <string>
#include <tuple>
#include <utility>

#include "core/window/MainWindowLogic.h"
#include "fakes/TestSupport.h"
#include "gui/DisplayAvailability.h"
#include "gui/StartArguments.h"
#include "platform/qt/QtFileDialog.h"
#include "platform/qt/QtMessageBoxes.h"

namespace tagsmith::test {
namespace {

TEST(PlatformDialogsTest, TheOpenFileDialogShowsTheLabelAndSelectsByThePatterns) {
    QFileDialog dialog;
    QtFileDialog::Configure(dialog, kInputFileDialogTitle, kInputFileFilter, "/tmp");
    EXPECT_EQ(dialog.windowTitle(), kInputFileDialogTitle);
    EXPECT_EQ(dialog.fileMode(), QFileDialog::ExistingFile);
    EXPECT_TRUE(dialog.testOption(QFileDialog::HideNameFilterDetails));
    EXPECT_EQ(dialog.nameFilters(), QStringList{kInputFileFilter});
    EXPECT_EQ(dialog.directory().absolutePath(), "/tmp");
}

TEST(PlatformDialogsTest, MessageBoxesGetTheirIconButtonsAndPlainTextLineBreaks) {
    using Box = QMessageBox;
    const std::tuple<MessageIcon, MessageButtons, Box::Icon, Box::StandardButton> cases[] = {
        {MessageIcon::Exclamation, MessageButtons::Ok, Box::Warning, Box::NoButton},
        {MessageIcon::Critical, MessageButtons::Ok, Box::Critical, Box::NoButton},
        {MessageIcon::None, MessageButtons::YesNo, Box::NoIcon, Box::No},
        {MessageIcon::None, MessageButtons::YesNoCancel, Box::NoIcon, Box::Yes}};
    for (const auto& [icon, buttons, qtIcon, defaultButton] : cases) {
        Box box;
        QtMessageBoxes::Configure(box, "line one\r\n\r\nline <two>", "Title", icon, buttons);
        EXPECT_EQ(box.text(), "line one\n\nline <two>");
        EXPECT_EQ(box.textFormat(), Qt::PlainText);
        EXPECT_EQ(box.windowTitle(), "Title");
        EXPECT_EQ(box.icon(), qtIcon);
        if (defaultButton != Box::NoButton) {
            EXPECT_EQ(box.defaultButton(), box.button(defaultButton));
        }
    }
}

TEST(PlatformDialogsTest, TheOpenFileDialogLeavesNothingInTheConfigurationFolder) {
    // A configuration folder of its own: other tests running beside it share the suite's.
    const test::TemporaryFolder config;
    const QByteArray shared = qgetenv("XDG_CONFIG_HOME");
    qputenv("XDG_CONFIG_HOME", config.Path().c_str());
    QtFileDialog fileDialog;
    // The dialog is cancelled as soon as it is up (asked again until it is: on a busy machine
    // the first look can come before the dialog is shown).
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [] {
        if (QWidget* modal = QApplication::activeModalWidget()) modal->close();
    });
    closer.start(10);
    EXPECT_EQ(fileDialog.GetOpenFileName(kInputFileDialogTitle, kInputFileFilter, "/tmp"),
              std::nullopt);
    qputenv("XDG_CONFIG_HOME", shared);
    EXPECT_EQ(test::FolderNames(config.Path()), std::set<std::string>{});
}

TEST(PlatformDialogsTest, AMessageBoxIsWideEnoughForItsWholeTitle) {
    const std::string title = "Common words file missing or empty for the selected language";
    QMessageBox box;
    QtMessageBoxes::Configure(box, "No.", title, MessageIcon::Exclamation, MessageButtons::Ok);
    QFont titleFont = QApplication::font();
    titleFont.setBold(true);
    EXPECT_GT(box.sizeHint().width(),
              QFontMetrics(titleFont).horizontalAdvance(QString::fromStdString(title)) + 60);
}

TEST(StartArgumentsTest, HelpVersionAFileOrAnError) {
    using A = StartArguments::Action;
    const std::tuple<std::vector<std::string_view>, A, std::string> cases[] = {
        {{}, A::Run, ""},
        {{"page.htm"}, A::Run, "page.htm"},
        {{"--", "-odd.htm"}, A::Run, "-odd.htm"},
        {{"-platform", "offscreen", "page.htm", "-reverse"}, A::Run, "page.htm"},
        {{"--help"}, A::Help, ""},
        {{"page.htm", "-h"}, A::Help, ""},
        {{"--version"}, A::Version, ""},
        {{"-v"}, A::Version, ""},
        {{"--", "--help"}, A::Run, "--help"},
        {{"--colour"}, A::Error, ""},
        {{"page.htm", "-platform"}, A::Error, ""},
        {{"a.htm", "b.htm"}, A::Error, ""},
    };
    for (const auto& [arguments, action, file] : cases) {
        const StartArguments parsed = ParseStartArguments(arguments);
        EXPECT_EQ(parsed.action, action) << testing::PrintToString(arguments);
        EXPECT_EQ(parsed.file, file) << testing::PrintToString(arguments);
        EXPECT_EQ(parsed.error.empty(), action != A::Error) << testing::PrintToString(arguments);
    }
}

TEST(StartArgumentsTest, ADisplayIsNeededOnlyByTheXAndWaylandPlatforms) {
    const std::tuple<std::string_view, std::string_view, std::string_view, bool> cases[] = {
        {"", "", "", false},
        {"", ":0", "", true},
        {"", "", "wayland-0", true},
        {"xcb", "", "wayland-0", false},
        {"xcb:nograb", ":0", "", true},
        {"wayland-egl", ":0", "", false},
        {"wayland;xcb", ":0", "", true},
        {";", "", "", false},
        {"offscreen", "", "", true},
        {"vnc:size=800x600", "", "", true},
    };
    for (const auto& [platform, x11, wayland, available] : cases) {
        EXPECT_EQ(DisplayAvailable(platform, x11, wayland), available)
            << platform << " DISPLAY=" << x11 << " WAYLAND_DISPLAY=" << wayland;
    }
}

// Runs a shell command; what it prints (standard output and error together) and its status.
std::pair<std::string, int> RunCommand(const std::string& command) {
    std::string printed;
    FILE* pipe = popen((command + " 2>&1").c_str(), "r");
    if (pipe == nullptr) return {"popen failed", -1};
    char buffer[4096];
    for (std::size_t n; (n = fread(buffer, 1, sizeof buffer, pipe)) > 0;) printed.append(buffer, n);
    const int status = pclose(pipe);
    return {printed, WIFEXITED(status) ? WEXITSTATUS(status) : -1};
}

// The program answers its command line on the terminal, without a display.
TEST(StartArgumentsTest, WithoutADisplayTheProgramAnswersOnTheTerminal) {
    const std::string bin = std::getenv("TAGSMITH_BIN_DIR");
    const std::string headless = "env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM ";
    const std::string program = "'" + bin + "/tagsmith' ";
    const std::tuple<std::string, int, std::string> cases[] = {
        {headless + program + "--help", 0, HelpText()},
        {headless + program + "page.htm", kExitNoDisplay, NoDisplayText()},
        {headless + program + "--bogus", kExitBadArguments,
         UsageErrorText("Unknown option 'bogus'.")},
        {headless + program + "a.htm b.htm", kExitBadArguments,
         UsageErrorText("more than one FILE given")},
        // A display named but not there: Qt's own failure ends in the same line.
        {headless + "QT_QPA_PLATFORM=xcb DISPLAY=:97 " + program + "page.htm", kExitNoDisplay,
         NoDisplayText()},
    };
    for (const auto& [command, status, output] : cases) {
        const auto [printed, result] = RunCommand(command);
        EXPECT_EQ(result, status) << command;
        EXPECT_TRUE(printed.ends_with(output)) << command << " printed:\n" << printed;
    }
    // Both programs print the one version.
    const auto [window, windowStatus] = RunCommand(headless + program + "--version");
    const auto [tool, toolStatus] = RunCommand("'" + bin + "/tagsmith-cli' --version");
    EXPECT_EQ(windowStatus, 0);
    EXPECT_EQ(toolStatus, 0);
    EXPECT_EQ("tagsmith-cli" + window.substr(window.find(' ')), tool);
}

}  // namespace
}  // namespace tagsmith::test
