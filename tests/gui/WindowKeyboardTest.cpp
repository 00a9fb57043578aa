#include <gtest/gtest.h>

#include <QImage>
#include <QLabel>
#include <QPlainTextEdit>
#include <functional>
#include <set>
#include <string>
#include <vector>

#include "GuiFixture.h"
#include "core/window/MainWindowLayout.h"

namespace tagsmith::test {
namespace {

constexpr const char* kPage =
    "<html><head><title>Bicycle repairs</title></head>\r\n"
    "<body><p>Bicycle repairs and wheel building.</p></body></html>\r\n";

using WindowKeyboardTest = GuiFixture;

// Runs a function each time a widget is painted.
class PaintWatcher : public QObject {
public:
    PaintWatcher(QWidget& widget, std::function<void()> onPaint)
        : m_widget(widget), m_onPaint(std::move(onPaint)) {
        m_widget.installEventFilter(this);
    }
    ~PaintWatcher() override { m_widget.removeEventFilter(this); }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == &m_widget && event->type() == QEvent::Paint) m_onPaint();
        return false;
    }

private:
    QWidget& m_widget;
    std::function<void()> m_onPaint;
};

TEST_F(WindowKeyboardTest, TabVisitsEveryControlAndBothLinksInReadingOrderAndLeavesTheOutputBox) {
    Start();
    Choose(Document("page.htm", kPage));  // every command enabled, both backup options shown
    Find("cmdInputFile")->setFocus(Qt::TabFocusReason);
    std::vector<QWidget*> visited{QApplication::focusWidget()};
    for (int i = 0; i < 100; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        if (QApplication::focusWidget() == visited.front()) break;
        visited.push_back(QApplication::focusWidget());
    }
    std::set<std::string> names;
    for (QWidget* widget : visited) names.insert(widget->objectName().toStdString());
    for (const ControlLayout& entry : MainWindowLayout()) {
        const bool takesFocus =
            entry.kind != ControlKind::Label && entry.kind != ControlKind::Strip;
        // Tab stops at the selected option of the pair (the arrows move between them).
        if (entry.control == Control::optInsertionWithBackup ||
            entry.control == Control::optInsertionWithoutBackup) {
            continue;
        }
        EXPECT_EQ(names.count(std::string(ControlName(entry.control))), takesFocus ? 1u : 0u)
            << ControlName(entry.control);
    }
    EXPECT_EQ(names.count("optInsertionWithBackup") + names.count("optInsertionWithoutBackup"), 1u);
    // Reading order: each control lies on the row below the one before it, or on the same row
    // further right.
    for (std::size_t i = 1; i < visited.size(); ++i) {
        const QRect before(visited[i - 1]->mapTo(&Window(), QPoint()), visited[i - 1]->size());
        const QRect next(visited[i]->mapTo(&Window(), QPoint()), visited[i]->size());
        const bool sameRow =
            std::abs(next.center().y() - before.center().y()) < before.height() / 2;
        EXPECT_TRUE(sameRow ? next.left() > before.left() : next.top() > before.center().y())
            << visited[i - 1]->objectName().toStdString() << " then "
            << visited[i]->objectName().toStdString();
    }
    // Tab in the output box moves on and types nothing.
    auto* output = Find<QPlainTextEdit>("txbMetaTag");
    output->setFocus(Qt::TabFocusReason);
    QTest::keyClick(output, Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), Find("cmdClearOutput"));
    EXPECT_EQ(output->toPlainText(), "");
}

TEST_F(WindowKeyboardTest, EnterAndSpacePressTheFocusedButtonAndOpenTheFocusedLink) {
    Start();
    Choose(Document("page.htm", kPage));
    for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Space}) {
        QWidget* generate = Find("cmdGenerateKeywordMetaTag");
        generate->setFocus(Qt::TabFocusReason);
        QTest::keyClick(generate, key);
        EXPECT_TRUE(OutputText().starts_with("<meta name=\"keywords\"")) << key;
        QWidget* clear = Find("cmdClearOutput");
        clear->setFocus(Qt::TabFocusReason);
        QTest::keyClick(clear, key);
        EXPECT_EQ(OutputText(), "") << key;
    }
    for (const char* link : {"lblQuorlanSystems", "lblOnlineDocumentation"}) {
        for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Space}) {
            shell.opened.clear();
            Find(link)->setFocus(Qt::TabFocusReason);
            QTest::keyClick(Find(link), key);
            EXPECT_EQ(shell.opened.size(), 1u) << link << " " << key;
        }
    }
}

TEST_F(WindowKeyboardTest, TheStartingFocusIsDrawn) {
    Start();
    QWidget* inputFile = Find("cmdInputFile");
    ASSERT_EQ(QApplication::focusWidget(), inputFile);
    const QImage focused = inputFile->grab().toImage();
    Find("cmdQuit")->setFocus(Qt::OtherFocusReason);
    EXPECT_NE(inputFile->grab().toImage(), focused);
    // A link shows its focus too.
    QWidget* link = Find("lblQuorlanSystems");
    const QImage plain = link->grab().toImage();
    link->setFocus(Qt::TabFocusReason);
    EXPECT_NE(link->grab().toImage(), plain);
}

TEST_F(WindowKeyboardTest, ALongScanShowsItsWordsAndCountInMoreThanOneBatch) {
    eventIntervalMs = 0;  // every word candidate lets the events run
    Start();
    Window().Output().SetBatchInterval(0);
    std::string page = "<html><body>\n";
    // 800 distinct words of 10 to 12 letters (more than the box shows during a scan) (digits would
    // end a word; the final x keeps them from being taken for plurals).
    for (int i = 0; i < 800; ++i) {
        std::string word = "bicycle";
        for (int n = i; n > 0; n /= 26) word += static_cast<char>('a' + n % 26);
        page += "<p>" + word + "x spoke</p>\n";
    }
    Choose(Document("long.htm", page + "</body></html>\n"));
    auto* output = Find<QPlainTextEdit>("txbMetaTag");
    auto* count = Find<QLabel>("lblNumberOfWords");
    std::set<QString> shownTexts;
    std::set<QString> shownCounts;
    QString lastText;
    bool readOnlyLastSeen = false;
    // What the scan puts into the box, and the count each time the label is painted.
    const QMetaObject::Connection onText =
        QObject::connect(output, &QPlainTextEdit::textChanged, [&] {
            if (!count->text().startsWith(QStringLiteral("Number of words found: "))) return;
            lastText = output->toPlainText();
            shownTexts.insert(lastText);
            readOnlyLastSeen = output->isReadOnly();
        });
    PaintWatcher painted(*count, [&] { shownCounts.insert(count->text()); });
    Click("cmdListWords");
    QObject::disconnect(onText);
    EXPECT_GT(shownTexts.size(), 2u);
    EXPECT_GT(shownCounts.size(), 2u);
    // Far more words than the box shows during a scan: by the end only their last part was
    // shown, read-only; the report then fills the box, editable again.
    EXPECT_TRUE(readOnlyLastSeen);
    EXPECT_TRUE(lastText.startsWith(QStringLiteral("bicycle"))) << lastText.left(40).toStdString();
    EXPECT_LE(lastText.size(), 8192);
    EXPECT_FALSE(output->isReadOnly());
    EXPECT_TRUE(OutputText().starts_with("Rank Value Freq. Density")) << OutputText().substr(0, 80);
}

}  // namespace
}  // namespace tagsmith::test
