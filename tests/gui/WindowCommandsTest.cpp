#include <gtest/gtest.h>

#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTimer>

#include "GuiFixture.h"
#include "core/editor/GetMetaTag.h"

namespace tagsmith::test {
namespace {

constexpr const char* kPage =
    "<html>\r\n<head>\r\n<title>Riverside bicycle repairs</title>\r\n</head>\r\n"
    "<body>\r\n<p>Bicycle repairs, bicycle servicing and wheel building.</p>\r\n</body>\r\n"
    "</html>\r\n";

class WindowCommandsTest : public GuiFixture {
protected:
    // A page long enough that a scan runs for a good while.
    std::string LongPage() const {
        std::string page = "<html><body>\n";
        for (int i = 0; i < 20000; ++i) {
            page += "<p>bicycle word" + std::to_string(i) + " spoke tyre saddle</p>\n";
        }
        return Document("long.htm", page + "</body></html>\n");
    }
    void Click(const char* name) { QTest::mouseClick(Find<QWidget>(name), Qt::LeftButton); }
};

TEST_F(WindowCommandsTest, GenerateThenListThenStopFromTheButtons) {
    Start();
    Choose(Document("page.html", kPage));
    EXPECT_EQ(QApplication::focusWidget(), Find<QWidget>("cmdGenerateKeywordMetaTag"));
    Click("cmdGenerateKeywordMetaTag");
    EXPECT_TRUE(OutputText().starts_with("<meta name=\"keywords\" content=\"")) << OutputText();
    EXPECT_EQ(Find<QPlainTextEdit>("txbMetaTag")->toPlainText().toStdString().find("\r"),
              std::string::npos);
    Click("cmdListWords");
    EXPECT_NE(OutputText().find("bicycle"), std::string::npos);

    // A long scan: "List words" reads "Stop" and a click on it ends the scan.
    Choose(LongPage());
    auto* listWords = Find<QPushButton>("cmdListWords");
    std::string captionDuringScan;
    bool generateEnabledDuringScan = true;
    QTimer::singleShot(0, [&] {
        captionDuringScan = listWords->text().toStdString();
        generateEnabledDuringScan = Find<QWidget>("cmdGenerateKeywordMetaTag")->isEnabled();
        QTest::mouseClick(listWords, Qt::LeftButton);
    });
    QTest::mouseClick(listWords, Qt::LeftButton);
    EXPECT_EQ(captionDuringScan, "Stop");
    EXPECT_FALSE(generateEnabledDuringScan);
    EXPECT_EQ(listWords->text(), "List words");
    EXPECT_TRUE(Find<QWidget>("cmdGenerateKeywordMetaTag")->isEnabled());
    const std::string output = OutputText();
    EXPECT_NE(output.rfind("\r\n\r\nStopped with "), std::string::npos) << output.substr(0, 200);
    EXPECT_TRUE(output.ends_with(" identified.")) << output;
    EXPECT_TRUE(output.starts_with("bicycle ")) << output;  // the words found so far
    // What the widget shows is what the program holds, batches and all.
    EXPECT_EQ(FromDisplayText(Find<QPlainTextEdit>("txbMetaTag")->toPlainText()), output);
    EXPECT_FALSE(Run().logic.Session().ScanIsCurrent);
    EXPECT_GT(Run().events.Runs(), 0);
}

TEST_F(WindowCommandsTest, LimitBoxesAreCheckedWhenTheFocusLeavesThem) {
    Start();
    auto* keywords = Find<QLineEdit>("txbMaxNumKeywordsInMetaTag");
    auto* bytes = Find<QLineEdit>("txbMaxNumBytesInMetaTag");
    struct Case {
        QLineEdit* box;
        const char* typed;
        const char* kept;
        bool message;
    };
    const Case cases[] = {{keywords, "7x", "7", false},
                          {keywords, "101", "50", true},
                          {bytes, "2000", "500", true},
                          {bytes, "", "", false}};
    for (const Case& c : cases) {
        messages.shown.clear();
        c.box->setFocus(Qt::TabFocusReason);
        c.box->selectAll();
        QTest::keyClick(c.box, Qt::Key_Delete);
        QTest::keyClicks(c.box, c.typed);
        Find<QWidget>("txbBeginMetaTagWith")->setFocus(Qt::TabFocusReason);
        EXPECT_EQ(c.box->text(), c.kept) << c.typed;
        EXPECT_EQ(messages.shown.size(), c.message ? 1u : 0u) << c.typed;
        if (c.message) {
            EXPECT_EQ(QApplication::focusWidget(), c.box) << c.typed;
        }
    }
    // Four characters at most from the keyboard.
    keywords->setFocus(Qt::TabFocusReason);
    keywords->selectAll();
    QTest::keyClicks(keywords, "123456");
    EXPECT_EQ(keywords->text(), "1234");
}

TEST_F(WindowCommandsTest, SettingsSurviveQuitAndComeBackInTheWidgets) {
    Start();
    const std::string path = Document("shop.php", "<?php echo 1; ?><p>Bicycle shop</p>");
    Choose(path);
    Find<QComboBox>("cboBoldWeight")->setCurrentIndex(7);
    Click("chkSpaceAfterComma");
    auto* ignore = Find<QLineEdit>("txbWordsToIgnore");
    ignore->setFocus(Qt::TabFocusReason);
    QTest::keyClicks(ignore, "The  Shop");
    Click("chkLargeWindow");  // moves the focus away from the box
    Click("cmdQuit");
    EXPECT_EQ(Run().ends, 1);
    EXPECT_FALSE(Window().isVisible());

    Start();
    EXPECT_EQ(Find<QLineEdit>("txbInputFile")->text().toStdString(), path);
    EXPECT_EQ(Find<QComboBox>("cboBoldWeight")->currentText(), "8");
    EXPECT_FALSE(Find<QCheckBox>("chkSpaceAfterComma")->isChecked());
    EXPECT_FALSE(Find<QCheckBox>("chkLargeWindow")->isChecked());
    EXPECT_EQ(Find<QLineEdit>("txbWordsToIgnore")->text(), "the,shop");
    EXPECT_EQ(Find<QRadioButton>("optInsertionWithBackup")->text(), "with backup");
    EXPECT_FALSE(Find<QRadioButton>("optInsertionWithoutBackup")->isVisible());
    EXPECT_EQ(QApplication::focusWidget(), Find<QWidget>("cmdGenerateKeywordMetaTag"));

    // Closing the window by its frame saves and ends too.
    Window().close();
    EXPECT_EQ(Run().ends, 1);
}

TEST_F(WindowCommandsTest, InsertAndCopyWorkOnARealDocument) {
    for (const bool backup : {false, true}) {
        Start();
        const std::string path = Document(backup ? "with.htm" : "without.htm", kPage);
        Choose(path);
        if (backup) {
            // On the option's own caption: "without backup" lies over the rest of its width.
            QWidget* option = Find<QWidget>("optInsertionWithBackup");
            QTest::mouseClick(option, Qt::LeftButton, {}, QPoint(8, option->height() / 2));
        }
        EXPECT_EQ(Run().logic.Settings().optInsertionWithBackup, backup);
        Click("cmdGenerateKeywordMetaTag");
        const std::string tag = GetMetaTag(OutputText());
        Click("cmdCopyToClipboard");
        EXPECT_EQ(QGuiApplication::clipboard()->text().toStdString(), tag);
        messages.shown.clear();
        Click("cmdInsert");
        ASSERT_FALSE(messages.shown.empty());
        EXPECT_EQ(messages.shown[0].prompt, "Meta tag inserted successfully into document.");
        EXPECT_EQ(messages.shown.size(), backup ? 2u : 1u);
        EXPECT_NE(ReadFileBytes(path).find(tag), std::string::npos);
        const std::string backupPath = path.substr(0, path.size() - 4) + ".bak.htm";
        EXPECT_EQ(std::filesystem::exists(backupPath), backup);
    }
}

}  // namespace
}  // namespace tagsmith::test
