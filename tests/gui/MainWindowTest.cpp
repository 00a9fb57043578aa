// The real window driven as a user drives it: commands, keys, the help window and text in other
// scripts, with fakes behind the modal dialogs and the shell.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QFontDatabase>
#include <QGlyphRun>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QRawFont>
#include <QTextLayout>
#include <QTimer>
#include <functional>
#include <regex>
#include <set>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "GuiFixture.h"
#include "core/editor/GetMetaTag.h"
#include "core/window/MainWindowLayout.h"
#include "fakes/CaseTable.h"
#include "gui/UiFonts.h"

namespace tagsmith::test {
namespace {

constexpr const char* kPage =
    "<html>\r\n<head>\r\n<title>Riverside bicycle repairs</title>\r\n</head>\r\n"
    "<body>\r\n<p>Bicycle repairs, bicycle servicing and wheel building.</p>\r\n</body>\r\n"
    "</html>\r\n";

// Runs a function each time a widget it filters is painted.
class PaintWatcher : public QObject {
public:
    explicit PaintWatcher(std::function<void()> onPaint) : m_onPaint(std::move(onPaint)) {}
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) m_onPaint();
        return false;
    }

private:
    std::function<void()> m_onPaint;
};

// What Qt draws the line with, where it is not a glyph of a family of the font's own list (a
// system fallback another machine may lack, or the missing-glyph box).
QStringList DrawnOutsideTheList(const QString& line, const QFont& font) {
    QTextLayout layout(line, font);
    layout.beginLayout();
    while (layout.createLine().isValid()) {
    }
    layout.endLayout();
    QStringList outside;
    for (const QGlyphRun& run : layout.glyphRuns()) {
        const QString family = run.rawFont().familyName();
        if (!font.families().contains(family)) outside << family;
        if (run.glyphIndexes().contains(0)) outside << family + QStringLiteral(": missing glyph");
    }
    return outside;
}

using WindowCommandsTest = GuiFixture;
using WindowKeyboardTest = GuiFixture;
using HelpWindowTest = GuiFixture;
using ScriptsInWindowTest = GuiFixture;

TEST_F(WindowCommandsTest, AChosenFileFocusesGenerateAndStopEndsALongScanWithItsWordsSoFar) {
    Start();
    Choose(Document("page.html", kPage));
    EXPECT_EQ(QApplication::focusWidget(), Find("cmdGenerateKeywordMetaTag"));

    // A long scan: "List words" reads "Stop" and a click on it ends the scan. The page is long
    // enough that the scan still runs when the first progress is shown, also on a busy machine.
    std::string page = "<html><body>\n";
    for (int i = 0; i < 100000; ++i) {
        page += "<p>bicycle word" + std::to_string(i) + " spoke tyre saddle</p>\n";
    }
    Choose(Document("long.htm", page + "</body></html>\n"));
    auto* listWords = Find<QPushButton>("cmdListWords");
    auto* count = Find<QLabel>("lblNumberOfWords");
    QString captionDuringScan;
    // Once the scan has found words (the file has been examined), "Stop" is clicked.
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (!captionDuringScan.isEmpty() || count->text().isEmpty()) return;
        captionDuringScan = listWords->text();
        QTest::mouseClick(listWords, Qt::LeftButton);
    });
    poll.start(0);
    QTest::mouseClick(listWords, Qt::LeftButton);
    poll.stop();
    EXPECT_EQ(captionDuringScan, "Stop");
    EXPECT_EQ(listWords->text(), "List words");
    EXPECT_TRUE(Find("cmdGenerateKeywordMetaTag")->isEnabled());
    const std::string output = OutputText();
    EXPECT_TRUE(output.starts_with("bicycle ")) << output.substr(0, 200);  // the words so far
    EXPECT_TRUE(
        std::regex_search(output, std::regex("\r\n\r\nStopped with [0-9]+ words? identified\\.$")))
        << output.substr(0, 200);
    // What the widget shows is what the program holds, batches and all.
    EXPECT_EQ(FromDisplayText(Find<QPlainTextEdit>("txbMetaTag")->toPlainText()), output);
}

TEST_F(WindowCommandsTest, LimitBoxesAreCheckedWhenTheFocusLeavesThem) {
    Start();
    auto* keywords = Find<QLineEdit>("txbMaxNumKeywordsInMetaTag");
    auto* bytes = Find<QLineEdit>("txbMaxNumBytesInMetaTag");
    const std::tuple<QLineEdit*, const char*, const char*, bool> cases[] = {
        {keywords, "7x", "7", false},
        {keywords, "101", "50", true},
        {bytes, "2000", "500", true},
        {bytes, "", "", false}};
    for (const auto& [box, typed, kept, message] : cases) {
        messages.shown.clear();
        box->setFocus(Qt::TabFocusReason);
        box->selectAll();
        QTest::keyClick(box, Qt::Key_Delete);
        QTest::keyClicks(box, typed);
        Find("txbBeginMetaTagWith")->setFocus(Qt::TabFocusReason);
        EXPECT_EQ(box->text(), kept) << typed;
        EXPECT_EQ(messages.shown.size(), message ? 1u : 0u) << typed;
        // After a message the box has the focus again.
        EXPECT_EQ(QApplication::focusWidget() == box, message) << typed;
    }
    keywords->setFocus(Qt::TabFocusReason);
    keywords->selectAll();
    QTest::keyClicks(keywords, "123456");
    EXPECT_EQ(keywords->text(), "1234");  // four characters at most
}

TEST_F(WindowCommandsTest, SettingsSurviveQuitAndComeBackInTheWidgets) {
    GuiRun* run = &Start();
    const std::string path = Document("shop.php", "<?php echo 1; ?><p>Bicycle shop</p>");
    Choose(path);
    Find<QComboBox>("cboBoldWeight")->setCurrentIndex(7);
    Click("chkSpaceAfterComma");
    auto* ignore = Find<QLineEdit>("txbWordsToIgnore");
    ignore->setFocus(Qt::TabFocusReason);
    QTest::keyClicks(ignore, "The  Shop");
    auto* begin = Find<QLineEdit>("txbBeginMetaTagWith");
    begin->setFocus(Qt::TabFocusReason);
    QTest::keyClicks(begin, "bikes \"new\"");  // quotes are doubled in the saved file
    Click("chkLargeWindow");                   // moves the focus away from the boxes
    Click("cmdQuit");
    EXPECT_EQ(run->ends, 1);
    EXPECT_FALSE(Window().isVisible());

    run = &Start();
    EXPECT_EQ(Find<QLineEdit>("txbInputFile")->text().toStdString(), path);
    EXPECT_EQ(Find<QComboBox>("cboBoldWeight")->currentText(), "8");
    EXPECT_FALSE(Find<QCheckBox>("chkSpaceAfterComma")->isChecked());
    EXPECT_EQ(Find<QLineEdit>("txbWordsToIgnore")->text(), "the,shop");
    EXPECT_EQ(Find<QLineEdit>("txbBeginMetaTagWith")->text(), "bikes \"new\"");
    EXPECT_EQ(Find<QRadioButton>("optInsertionWithBackup")->text(), "with backup");
    EXPECT_FALSE(Find("optInsertionWithoutBackup")->isVisible());
    EXPECT_EQ(QApplication::focusWidget(), Find("cmdGenerateKeywordMetaTag"));
    Window().close();  // closing by the frame saves and ends too
    EXPECT_EQ(run->ends, 1);
}

TEST_F(WindowCommandsTest, InsertShowAndCopyWorkOnARealDocument) {
    for (const bool backup : {false, true}) {
        GuiRun& run = Start();
        const std::string path = Document(backup ? "with.htm" : "without.htm", kPage);
        Choose(path);
        if (backup) {
            // On the option's own caption: "without backup" lies over the rest of its width.
            QWidget* option = Find("optInsertionWithBackup");
            QTest::mouseClick(option, Qt::LeftButton, {}, QPoint(8, option->height() / 2));
        }
        EXPECT_EQ(run.logic.Settings().optInsertionWithBackup, backup);
        Click("cmdGenerateKeywordMetaTag");
        const std::string tag = GetMetaTag(OutputText());
        Click("cmdCopyToClipboard");
        EXPECT_EQ(QGuiApplication::clipboard()->text().toStdString(), tag);
        messages.shown.clear();
        Click("cmdInsert");
        ASSERT_EQ(messages.shown.size(), backup ? 2u : 1u);
        EXPECT_EQ(messages.shown[0].prompt, "Meta tag inserted successfully into document.");
        EXPECT_EQ(std::filesystem::exists(path.substr(0, path.size() - 4) + ".bak.htm"), backup);
        Click("cmdShowExistingKeywordMetaTag");
        EXPECT_EQ(OutputText(),
                  "TITLE: Riverside bicycle repairs\r\n\r\nKEYWORDS meta tag: " + tag + "\r\n\r\n");
    }
}

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
    PaintWatcher painted([&] { shownCounts.insert(count->text()); });
    count->installEventFilter(&painted);
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

TEST_F(ScriptsInWindowTest, TheOutputBoxShowsAndDrawsTheWordsOfEveryPage) {
    // Forced fonts: the result must not hang on what else the machine has.
    for (const char* family : {"Liberation Mono", kCjkMonoFamily}) {
        ASSERT_TRUE(QFontDatabase::hasFamily(QString::fromLatin1(family)))
            << "The font \"" << family << "\" is missing: scripts/setup --all installs it "
            << "(Debian fonts-liberation2 and fonts-noto-cjk).";
    }
    const std::filesystem::path pages =
        SourceFolder() / "tests" / "e2e" / "cases" / "words-of-other-scripts" / "scripts";
    const auto rows = ReadCaseTable("gui/ScriptsInWindowCases.txt");
    ASSERT_FALSE(rows.empty());
    Start();
    auto* box = Find<QPlainTextEdit>("txbMetaTag");
    for (const auto& row : rows) {
        SCOPED_TRACE(row[0] + " / " + row[1]);
        Choose((pages / row[0]).string());
        Click(row[1].c_str());
        EXPECT_NE(OutputText().find(row[2]), std::string::npos) << row[2] << " not in:\n"
                                                                << OutputText();
        for (const QString& line : box->toPlainText().split(QLatin1Char('\n'))) {
            EXPECT_EQ(DrawnOutsideTheList(line, box->font()).join(", ").toStdString(), "")
                << line.toStdString();
        }
    }
}

}  // namespace
}  // namespace tagsmith::test
