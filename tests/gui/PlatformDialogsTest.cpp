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

#include "core/window/MainWindowLogic.h"
#include "fakes/TestSupport.h"
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
        {{"--help"}, A::Help, ""},
        {{"page.htm", "-h"}, A::Help, ""},
        {{"--version"}, A::Version, ""},
        {{"-v"}, A::Version, ""},
        {{"--", "--help"}, A::Run, "--help"},
        {{"--colour"}, A::Error, ""},
        {{"a.htm", "b.htm"}, A::Error, ""},
    };
    for (const auto& [arguments, action, file] : cases) {
        const StartArguments parsed = ParseStartArguments(arguments);
        EXPECT_EQ(parsed.action, action) << testing::PrintToString(arguments);
        EXPECT_EQ(parsed.file, file) << testing::PrintToString(arguments);
        EXPECT_EQ(parsed.error.empty(), action != A::Error) << testing::PrintToString(arguments);
    }
}

// The program itself answers --help and --version on standard output, without a display.
TEST(StartArgumentsTest, HelpAndVersionAnswerWithoutADisplay) {
    const std::string program = std::string(std::getenv("TAGSMITH_BIN_DIR")) + "/tagsmith";
    const auto run = [&program](const std::string& option, int& status) {
        const std::string command = "env -u DISPLAY -u WAYLAND_DISPLAY " + option;
        std::string output;
        FILE* pipe = popen(command.c_str(), "r");
        if (pipe == nullptr) return output;
        char buffer[4096];
        for (std::size_t n; (n = fread(buffer, 1, sizeof buffer, pipe)) > 0;)
            output.append(buffer, n);
        status = pclose(pipe);
        return output;
    };
    int status = -1;
    const std::string headless = "-u QT_QPA_PLATFORM '" + program + "' ";
    EXPECT_EQ(run(headless + "--version", status), "tagsmith 1.0\n");
    EXPECT_EQ(status, 0);
    const std::string help = run(headless + "--help", status);
    EXPECT_EQ(status, 0);
    for (const char* part : {"Usage: tagsmith [FILE]", "--version",
                             "~/.config/tagsmith/tagsmith.usr", "Exit status"}) {
        EXPECT_NE(help.find(part), std::string::npos) << part;
    }
    // A wrong option is found once the toolkit has taken its own options: on a display.
    run("QT_QPA_PLATFORM=offscreen '" + program + "' --no-such-option 2>/dev/null", status);
    EXPECT_EQ(WEXITSTATUS(status), kExitBadArguments);
}

}  // namespace
}  // namespace tagsmith::test
