#include <gtest/gtest.h>

#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTimer>
#include <regex>
#include <tuple>

#include "GuiFixture.h"
#include "core/editor/GetMetaTag.h"

namespace tagsmith::test {
namespace {

constexpr const char* kPage =
    "<html>\r\n<head>\r\n<title>Riverside bicycle repairs</title>\r\n</head>\r\n"
    "<body>\r\n<p>Bicycle repairs, bicycle servicing and wheel building.</p>\r\n</body>\r\n"
    "</html>\r\n";

using WindowCommandsTest = GuiFixture;

TEST_F(WindowCommandsTest, GenerateAndListFillTheOutputAndStopEndsALongScanWithItsWordsSoFar) {
    Start();
    Choose(Document("page.html", kPage));
    EXPECT_EQ(QApplication::focusWidget(), Find("cmdGenerateKeywordMetaTag"));
    Click("cmdGenerateKeywordMetaTag");
    EXPECT_TRUE(OutputText().starts_with("<meta name=\"keywords\" content=\"")) << OutputText();
    Click("cmdListWords");
    EXPECT_NE(OutputText().find("bicycle"), std::string::npos);

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

}  // namespace
}  // namespace tagsmith::test
