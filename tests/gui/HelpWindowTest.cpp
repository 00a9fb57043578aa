#include <gtest/gtest.h>

#include <QPlainTextEdit>

#include "GuiFixture.h"
#include "core/settings/HelpGuide.h"

namespace tagsmith::test {
namespace {

class HelpWindowTest : public GuiFixture {
protected:
    HelpWindow* ShownHelp() {
        HelpWindow* help = Window().Help();
        EXPECT_NE(help, nullptr);
        if (help != nullptr) {
            EXPECT_TRUE(QTest::qWaitForWindowExposed(help));
        }
        return help;
    }
};

TEST_F(HelpWindowTest, HelpShowsTheGuidePlacedOverTheMainWindow) {
    Start();
    QTest::mouseClick(Find<QWidget>("cmdHelp"), Qt::LeftButton);
    HelpWindow* help = ShownHelp();
    ASSERT_NE(help, nullptr);
    EXPECT_EQ(help->windowTitle(), "Help screen for Tagsmith");
    auto* guide = help->findChild<QPlainTextEdit*>(QStringLiteral("txbHelpScreen"));
    auto* close = help->findChild<QPushButton*>(QStringLiteral("cmdClose"));
    ASSERT_NE(guide, nullptr);
    ASSERT_NE(close, nullptr);
    EXPECT_EQ(close->text(), "Close");
    const std::string text = FromDisplayText(guide->toPlainText());
    EXPECT_TRUE(
        text.starts_with("An illustrated verson of this documentation can be found at "
                         "file://"));
    EXPECT_TRUE(text.ends_with("a backup copy of the original file.\r\n\r\n"));
    // 200 twips in and 480 down from the main window; 400 narrower.
    const QRect main = Window().frameGeometry();
    EXPECT_NEAR(help->frameGeometry().x(), main.x() + 200 / 15, 3);
    EXPECT_NEAR(help->width(), main.width() - 400 / 15, 6);
    // The Close button is centred under the guide.
    EXPECT_NEAR(close->geometry().center().x(), help->width() / 2, 3);
    EXPECT_LT(guide->geometry().bottom(), close->y());
}

TEST_F(HelpWindowTest, CloseHidesAndKeepsThePlaceTheTitleBarBoxUnloads) {
    Start();
    auto* helpButton = Find<QWidget>("cmdHelp");
    QTest::mouseClick(helpButton, Qt::LeftButton);
    HelpWindow* help = ShownHelp();
    ASSERT_NE(help, nullptr);
    help->move(40, 30);
    const QPoint moved = help->pos();
    QTest::mouseClick(help->findChild<QPushButton*>(QStringLiteral("cmdClose")), Qt::LeftButton);
    EXPECT_FALSE(help->isVisible());

    QTest::mouseClick(helpButton, Qt::LeftButton);
    EXPECT_EQ(Window().Help(), help);
    EXPECT_TRUE(help->isVisible());
    EXPECT_EQ(help->pos(), moved);

    help->showMinimized();
    QTest::mouseClick(helpButton, Qt::LeftButton);
    EXPECT_FALSE(help->isMinimized());

    // The title-bar close box unloads it: the next showing places it afresh.
    help->close();
    EXPECT_TRUE(help->IsUnloaded());
    QTest::mouseClick(helpButton, Qt::LeftButton);
    HelpWindow* reloaded = ShownHelp();
    ASSERT_NE(reloaded, nullptr);
    EXPECT_FALSE(reloaded->IsUnloaded());
    EXPECT_NE(reloaded->pos(), moved);
}

TEST_F(HelpWindowTest, F1OpensHelpOnTheCommandButtonsOnly) {
    struct Case {
        const char* focused;
        bool opens;
    };
    const Case cases[] = {{"cmdGenerateKeywordMetaTag", true}, {"txbInputFile", false}};
    for (const Case& c : cases) {
        Start();
        QWidget* widget = Find<QWidget>(c.focused);
        widget->setFocus(Qt::TabFocusReason);
        QTest::keyClick(widget, Qt::Key_F1);
        const bool shown = Window().Help() != nullptr && Window().Help()->isVisible();
        EXPECT_EQ(shown, c.opens) << c.focused;
    }
}

}  // namespace
}  // namespace tagsmith::test
