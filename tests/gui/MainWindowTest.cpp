// The real window driven as a user drives it: commands, keys, the help window and text in other
// scripts, with fakes behind the modal dialogs and the shell.
#include <gtest/gtest.h>

#include <QClipboard>
#include <QFontDatabase>
#include <QGlyphRun>
#include <QImage>
#include <QKeySequence>
#include <QLabel>
#include <QPlainTextEdit>
#include <QRawFont>
#include <QTextLayout>
#include <QTimer>
#include <algorithm>
#include <functional>
#include <map>
#include <regex>
#include <set>
#include <string>
#include <vector>

#include "GuiFixture.h"
#include "fakes/CaseTable.h"

namespace tagsmith::test {
namespace {

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

TEST_F(WindowCommandsTest, StopEndsALongScanWithItsWordsSoFar) {
    Start();
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

// Runs each script under tests/gui/window-scripts (a new case is a file): a case table of steps,
// each a user's action or a look at what the window shows then. In a field, {folder} stands for
// the folder of the run's documents and {source} for the source tree. The actions:
//   start, document NAME|BYTES, choose NAME (what the file dialog answers), click CONTROL[|X]
//   (X pixels from its left edge), focus CONTROL, key KEY and type TEXT (into the focused
//   control), tab CONTROL (Tab moves the focus there), set CONTROL|PROPERTY|VALUE, call
//   CONTROL|SLOT, move WINDOW|X,Y, shown WINDOW (waits until it is on the screen).
// The looks:
//   output TEXT (what the output box holds), is/isnt/starts/has CONTROL|PROPERTY|VALUE (a Qt
//   property), look CONTROL then changed CONTROL (its picture), drawn BOX (every line in the
//   box font's own families), installed FONT, focused CONTROL, windows N (shown), above
//   CONTROL|CONTROL, messages N[|PROMPT] and opened N (message boxes and links since the last
//   look), ends N, clipboard TEXT, exists NAME|yes/no.
class WidgetScriptTest : public GuiFixture, public testing::WithParamInterface<std::string> {
protected:
    // The control of that name in any window, or the window itself.
    QWidget* Control(const std::string& name) {
        const QString wanted = QString::fromStdString(name);
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (window->objectName() == wanted) return window;
            if (auto* control = window->findChild<QWidget*>(wanted)) return control;
        }
        ADD_FAILURE() << "no control " << name;
        return &Window();
    }
    std::string Property(const std::string& control, const std::string& name) {
        const QVariant value = Control(control)->property(name.c_str());
        const QPoint point = value.toPoint();
        return value.typeId() == QMetaType::QPoint
                   ? std::to_string(point.x()) + "," + std::to_string(point.y())
                   : value.toString().toStdString();
    }
};

TEST_P(WidgetScriptTest, EachStepDoesOrShowsWhatItSays) {
    const auto rows = ReadCaseTable("gui/window-scripts/" + GetParam());
    ASSERT_FALSE(rows.empty());
    GuiRun* run = nullptr;
    std::map<std::string, QImage> looks;
    std::vector<std::string> row;
    const auto text = [&](std::size_t field) { return QString::fromStdString(row[field]); };
    const auto number = [&] { return std::stoul(row[1]); };
    const std::map<std::string, std::function<void()>> steps{
        {"start", [&] { run = &Start(); }},
        {"document", [&] { Document(row[1], row[2]); }},
        {"choose", [&] { Choose((Folder() / row[1]).string()); }},
        {"click",
         [&] {
             QWidget* control = Control(row[1]);
             const QPoint at(row[2].empty() ? control->width() / 2 : std::stoi(row[2]),
                             control->height() / 2);
             QTest::mouseClick(control, Qt::LeftButton, {}, at);
         }},
        {"focus", [&] { Control(row[1])->setFocus(Qt::TabFocusReason); }},
        {"tab",
         [&] {
             QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
             EXPECT_EQ(QApplication::focusWidget(), Control(row[1]));
         }},
        {"key",
         [&] {
             const QKeyCombination key = QKeySequence(text(1))[0];
             QTest::keyClick(QApplication::focusWidget(), key.key(), key.keyboardModifiers());
         }},
        {"type", [&] { QTest::keyClicks(QApplication::focusWidget(), text(1)); }},
        {"set", [&] { Control(row[1])->setProperty(row[2].c_str(), text(3)); }},
        {"call", [&] { QMetaObject::invokeMethod(Control(row[1]), row[2].c_str()); }},
        {"move",
         [&] {
             const QStringList xy = text(2).split(QLatin1Char(','));
             Control(row[1])->move(xy[0].toInt(), xy[1].toInt());
         }},
        {"shown", [&] { EXPECT_TRUE(QTest::qWaitForWindowExposed(Control(row[1]))); }},
        {"output", [&] { EXPECT_EQ(OutputText(), row[1]); }},
        {"is", [&] { EXPECT_EQ(Property(row[1], row[2]), row[3]); }},
        {"isnt", [&] { EXPECT_NE(Property(row[1], row[2]), row[3]); }},
        {"has", [&] { EXPECT_NE(Property(row[1], row[2]).find(row[3]), std::string::npos); }},
        {"starts", [&] { EXPECT_TRUE(Property(row[1], row[2]).starts_with(row[3])); }},
        {"look", [&] { looks[row[1]] = Control(row[1])->grab().toImage(); }},
        {"changed", [&] { EXPECT_NE(Control(row[1])->grab().toImage(), looks.at(row[1])); }},
        {"drawn",
         [&] {
             auto* box = qobject_cast<QPlainTextEdit*>(Control(row[1]));
             for (const QString& line : box->toPlainText().split(QLatin1Char('\n'))) {
                 EXPECT_EQ(DrawnOutsideTheList(line, box->font()).join(", ").toStdString(), "")
                     << line.toStdString();
             }
         }},
        {"installed",
         [&] {
             ASSERT_TRUE(QFontDatabase::hasFamily(text(1)))
                 << "scripts/setup --all installs the fonts (Debian fonts-liberation2 and "
                 << "fonts-noto-cjk)";
         }},
        {"focused", [&] { EXPECT_EQ(QApplication::focusWidget(), Control(row[1])); }},
        {"windows",
         [&] {
             const QWidgetList windows = QApplication::topLevelWidgets();
             EXPECT_EQ(std::count_if(windows.begin(), windows.end(),
                                     [](QWidget* window) { return window->isVisible(); }),
                       std::stoi(row[1]));
         }},
        {"above",
         [&] {
             EXPECT_LT(Control(row[1])->geometry().bottom(), Control(row[2])->geometry().top());
         }},
        {"messages",
         [&] {
             ASSERT_EQ(messages.shown.size(), number());
             if (!row[2].empty()) {
                 EXPECT_EQ(messages.shown[0].prompt, row[2]);
             }
             messages.shown.clear();
         }},
        {"opened",
         [&] {
             EXPECT_EQ(shell.opened.size(), number());
             shell.opened.clear();
         }},
        {"ends", [&] { EXPECT_EQ(run->ends, std::stoi(row[1])); }},
        {"clipboard",
         [&] { EXPECT_EQ(QGuiApplication::clipboard()->text().toStdString(), row[1]); }},
        {"exists",
         [&] { EXPECT_EQ(std::filesystem::exists(Folder() / row[1]), row[2] == "yes"); }}};
    for (const auto& given : rows) {
        row = given;
        row.resize(4);
        for (std::string& field : row) {
            for (std::size_t at; (at = field.find("{folder}")) != std::string::npos;) {
                field.replace(at, 8, Folder().string());
            }
            for (std::size_t at; (at = field.find("{source}")) != std::string::npos;) {
                field.replace(at, 8, SourceFolder().string());
            }
        }
        SCOPED_TRACE(row[0] + " | " + row[1] + " | " + row[2] + " | " + row[3]);
        ASSERT_TRUE(steps.contains(row[0])) << "no such step";
        steps.at(row[0])();
    }
}

INSTANTIATE_TEST_SUITE_P(Scripts, WidgetScriptTest,
                         testing::ValuesIn(SortedNames(SourceFolder() / "tests" / "gui" /
                                                       "window-scripts")),
                         [](const auto& info) {
                             std::string name = info.param.substr(0, info.param.find('.'));
                             std::replace(name.begin(), name.end(), '-', '_');
                             return name;
                         });

}  // namespace
}  // namespace tagsmith::test
