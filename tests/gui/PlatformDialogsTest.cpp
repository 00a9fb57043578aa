#include <gtest/gtest.h>

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <iterator>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <tuple>

#include "core/window/MainWindowLogic.h"
#include "fakes/CaseTable.h"
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

TEST(PlatformDialogsTest, MessageBoxesGetTheirIconButtonsPlainTextAndRoomForTheWholeTitle) {
    using Box = QMessageBox;
    const std::tuple<MessageIcon, MessageButtons, Box::Icon, Box::StandardButton> cases[] = {
        {MessageIcon::Exclamation, MessageButtons::Ok, Box::Warning, Box::NoButton},
        {MessageIcon::Critical, MessageButtons::Ok, Box::Critical, Box::NoButton},
        {MessageIcon::None, MessageButtons::YesNo, Box::NoIcon, Box::No},
        {MessageIcon::None, MessageButtons::YesNoCancel, Box::NoIcon, Box::Yes}};
    const QString title =
        QStringLiteral("Common words file missing or empty for the selected language");
    QFont titleFont = QApplication::font();
    titleFont.setBold(true);
    for (const auto& [icon, buttons, qtIcon, defaultButton] : cases) {
        Box box;
        QtMessageBoxes::Configure(box, "line one\r\n\r\nline <two>", title.toStdString(), icon,
                                  buttons);
        EXPECT_EQ(box.text(), "line one\n\nline <two>");
        EXPECT_EQ(box.textFormat(), Qt::PlainText);
        EXPECT_EQ(box.windowTitle(), title);
        EXPECT_EQ(box.icon(), qtIcon);
        if (defaultButton != Box::NoButton) {
            EXPECT_EQ(box.defaultButton(), box.button(defaultButton));
        }
        EXPECT_GT(box.sizeHint().width(), QFontMetrics(titleFont).horizontalAdvance(title) + 60);
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

TEST(StartArgumentsTest, HelpVersionAFileOrAnError) {
    using A = StartArguments::Action;
    const std::map<std::string, A> actions{
        {"run", A::Run}, {"help", A::Help}, {"version", A::Version}, {"error", A::Error}};
    const auto rows = ReadCaseTable("gui/StartArgumentsCases.txt");
    ASSERT_FALSE(rows.empty());
    for (const auto& row : rows) {
        std::istringstream words(row[2]);
        const std::vector<std::string> given{std::istream_iterator<std::string>(words), {}};
        const StartArguments parsed =
            ParseStartArguments(std::vector<std::string_view>(given.begin(), given.end()));
        EXPECT_EQ(parsed.action, actions.at(row[0])) << row[2];
        EXPECT_EQ(parsed.file, row[1]) << row[2];
        EXPECT_EQ(parsed.error.empty(), row[0] != "error") << row[2];
    }
}

TEST(StartArgumentsTest, ADisplayIsNeededOnlyByTheXAndWaylandPlatforms) {
    const auto rows = ReadCaseTable("gui/DisplayCases.txt");
    ASSERT_FALSE(rows.empty());
    for (const auto& row : rows) {
        EXPECT_EQ(DisplayAvailable(row[0], row[1], row[2]), row[3] == "yes")
            << row[0] << " DISPLAY=" << row[1] << " WAYLAND_DISPLAY=" << row[2];
    }
}

}  // namespace
}  // namespace tagsmith::test
