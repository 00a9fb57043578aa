#include <gtest/gtest.h>

#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>

#include "core/settings/MainWindowLogic.h"
#include "platform/qt/QtFileDialog.h"
#include "platform/qt/QtMessageBoxes.h"

namespace tagsmith::test {
namespace {

TEST(PlatformDialogsTest, TheOpenFileDialogShowsTheLabelAndSelectsByThePatterns) {
    QFileDialog dialog;
    QtFileDialog::Configure(dialog, kInputFileDialogTitle, kInputFileFilter, "/tmp");
    EXPECT_EQ(dialog.windowTitle(), "Specify input file");
    EXPECT_EQ(dialog.fileMode(), QFileDialog::ExistingFile);
    EXPECT_TRUE(dialog.testOption(QFileDialog::HideNameFilterDetails));
    ASSERT_EQ(dialog.nameFilters().size(), 1);
    EXPECT_EQ(dialog.nameFilters()[0],
              "HTML & PHP files (*.htm, *.html, *.shtml, *.php) (*.htm *.html *.shtml *.php)");
    EXPECT_EQ(dialog.directory().absolutePath(), "/tmp");
}

TEST(PlatformDialogsTest, MessageBoxesGetTheirIconButtonsAndLineBreaks) {
    struct Case {
        MessageIcon icon;
        MessageButtons buttons;
        QMessageBox::Icon qtIcon;
        QMessageBox::StandardButton defaultButton;
    };
    const Case cases[] = {
        {MessageIcon::Exclamation, MessageButtons::Ok, QMessageBox::Warning, QMessageBox::NoButton},
        {MessageIcon::Critical, MessageButtons::Ok, QMessageBox::Critical, QMessageBox::NoButton},
        {MessageIcon::None, MessageButtons::YesNo, QMessageBox::NoIcon, QMessageBox::No},
        {MessageIcon::None, MessageButtons::YesNoCancel, QMessageBox::NoIcon, QMessageBox::Yes},
    };
    for (const Case& c : cases) {
        QMessageBox box;
        QtMessageBoxes::Configure(box, "line one\r\n\r\nline <two>", "Title", c.icon, c.buttons);
        EXPECT_EQ(box.text(), "line one\n\nline <two>");
        EXPECT_EQ(box.textFormat(), Qt::PlainText);
        EXPECT_EQ(box.windowTitle(), "Title");
        EXPECT_EQ(box.icon(), c.qtIcon);
        if (c.defaultButton != QMessageBox::NoButton) {
            EXPECT_EQ(box.defaultButton(), box.button(c.defaultButton));
        }
    }
}

}  // namespace
}  // namespace tagsmith::test
