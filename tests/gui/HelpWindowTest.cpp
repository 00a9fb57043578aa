#include <gtest/gtest.h>

#include <QPlainTextEdit>
#include <utility>

#include "GuiFixture.h"

namespace tagsmith::test {
namespace {

using HelpWindowTest = GuiFixture;

TEST_F(HelpWindowTest, F1OnACommandButtonShowsTheGuideCloseHidesItTheTitleBarBoxUnloadsIt) {
    Start();
    for (const char* focused : {"txbInputFile", "cmdGenerateKeywordMetaTag"}) {
        EXPECT_TRUE(Window().Help() == nullptr || !Window().Help()->isVisible()) << focused;
        Find(focused)->setFocus(Qt::TabFocusReason);
        QTest::keyClick(Find(focused), Qt::Key_F1);
    }
    HelpWindow* help = Window().Help();
    ASSERT_NE(help, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(help));
    auto* guide = help->findChild<QPlainTextEdit*>(QStringLiteral("txbHelpScreen"));
    auto* close = help->findChild<QPushButton*>(QStringLiteral("cmdClose"));
    ASSERT_NE(guide, nullptr);
    ASSERT_NE(close, nullptr);
    EXPECT_TRUE(FromDisplayText(guide->toPlainText()).starts_with("An illustrated verson"));
    EXPECT_LT(guide->geometry().bottom(), close->y());

    help->move(40, 30);
    const QPoint moved = help->pos();
    QTest::mouseClick(close, Qt::LeftButton);
    EXPECT_FALSE(help->isVisible());
    Click("cmdHelp");
    EXPECT_EQ(Window().Help(), help);
    EXPECT_TRUE(help->isVisible());
    EXPECT_EQ(help->pos(), moved);
    // Escape, and Return or Enter on the focused Close button, hide it as Close does.
    for (const auto& [key, onClose] :
         {std::pair{Qt::Key_Escape, false}, std::pair{Qt::Key_Return, true},
          std::pair{Qt::Key_Enter, true}}) {
        Click("cmdHelp");
        ASSERT_TRUE(QTest::qWaitForWindowExposed(help));
        QWidget* target = onClose ? static_cast<QWidget*>(close) : guide;
        target->setFocus(Qt::TabFocusReason);
        QTest::keyClick(target, key);
        EXPECT_FALSE(help->isVisible()) << key;
    }
    Click("cmdHelp");
    help->showMinimized();
    Click("cmdHelp");
    EXPECT_FALSE(help->isMinimized());

    help->close();  // the title-bar box unloads it: the next showing places it afresh
    EXPECT_TRUE(help->IsUnloaded());
    Click("cmdHelp");
    ASSERT_NE(Window().Help(), nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(Window().Help()));
    EXPECT_FALSE(Window().Help()->IsUnloaded());
    EXPECT_NE(Window().Help()->pos(), moved);
}

}  // namespace
}  // namespace tagsmith::test
