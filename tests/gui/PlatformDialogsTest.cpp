#include <gtest/gtest.h>

#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <tuple>

#include "core/window/MainWindowLogic.h"
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

}  // namespace
}  // namespace tagsmith::test
