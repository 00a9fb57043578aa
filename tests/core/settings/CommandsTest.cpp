#include <gtest/gtest.h>

#include <filesystem>

#include "LogicFixture.h"

namespace tagsmith::test {
namespace {

constexpr const char* kPage =
    "<html>\r\n<head>\r\n<title>Riverside bicycle repairs</title>\r\n</head>\r\n"
    "<body>\r\n<p>Bicycle repairs, bicycle servicing and wheel building.</p>\r\n"
    "<p>Wheels trued while you wait. Bicycle parts in stock.</p>\r\n</body>\r\n</html>\r\n";

class CommandsTest : public LogicFixture {
protected:
    std::string StartWithPage(const std::string& name = "page.html") {
        Started();
        const std::string path = Document(name, kPage);
        Choose(path);
        return path;
    }
    // A document of many words, so that a scan asks for pending events many times.
    std::string LongPage() const {
        std::string page = "<html><body>\n";
        for (int i = 0; i < 400; ++i) {
            page += "<p>bicycle wheel" + std::to_string(i % 50) + " spoke tyre saddle</p>\n";
        }
        return Document("long.htm", page + "</body></html>\n");
    }
};

TEST_F(CommandsTest, GenerateShowsTheTagAndTheLabelCountsTheWords) {
    StartWithPage();
    Logic().OnClick(Control::cmdGenerateKeywordMetaTag);
    EXPECT_TRUE(Output().starts_with("<meta name=\"keywords\" content=\"")) << Output();
    EXPECT_NE(Output().find("bicycle"), std::string::npos);
    EXPECT_TRUE(view.Caption(Control::lblNumberOfWords)
                    .starts_with("Number of words found satisfying above conditions: "));
    EXPECT_EQ(view.Caption(Control::cmdListWords), "List words");
    EXPECT_EQ(view.focus, Control::cmdGenerateKeywordMetaTag);
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(CommandsTest, ListWordsWithoutChangesDoesNotReadTheDocumentAgain) {
    const std::string path = StartWithPage();
    Logic().OnClick(Control::cmdListWords);
    const std::string firstList = Output();
    ASSERT_NE(firstList.find("bicycle"), std::string::npos);
    // The file changes behind the program's back; a current scan is reused.
    std::filesystem::remove(path);
    Document("page.html", "<p>unicorn unicorn meadow</p>");
    Logic().OnClick(Control::cmdListWords);
    EXPECT_EQ(Output(), firstList);
    // A weight change scans again.
    Logic().OnListChanged(Control::cboBoldWeight, 8);
    Logic().OnClick(Control::cmdListWords);
    EXPECT_NE(Output().find("unicorn"), std::string::npos);
}

TEST_F(CommandsTest, StopEndsTheScanWithTheStopText) {
    Started();
    Choose(LongPage());
    events.onCall = [this](int call) {
        if (call == 1) {
            EXPECT_EQ(view.Caption(Control::cmdListWords), "Stop");
            EXPECT_FALSE(view.IsEnabled(Control::cmdGenerateKeywordMetaTag));
            EXPECT_TRUE(view.IsEnabled(Control::cmdListWords));
        }
        if (call == 30) Logic().OnClick(Control::cmdListWords);
    };
    Logic().OnClick(Control::cmdListWords);
    EXPECT_EQ(events.calls, 30);  // the stop is honoured at the next word
    const std::string output = Output();
    const auto stop = output.rfind("\r\n\r\nStopped with ");
    ASSERT_NE(stop, std::string::npos) << output;
    EXPECT_TRUE(output.ends_with(" words identified.")) << output;
    EXPECT_TRUE(view.caretAtEnd[Control::txbMetaTag]);
    EXPECT_EQ(view.Caption(Control::lblNumberOfWords), "");
    EXPECT_EQ(view.Caption(Control::cmdListWords), "List words");
    EXPECT_TRUE(view.IsEnabled(Control::cmdGenerateKeywordMetaTag));
    EXPECT_FALSE(Logic().Session().ScanIsCurrent);

    // The next command scans the whole document again.
    events.onCall = nullptr;
    events.calls = 0;
    Logic().OnClick(Control::cmdGenerateKeywordMetaTag);
    EXPECT_GT(events.calls, 30);
    EXPECT_TRUE(Output().starts_with("<meta name=\"keywords\""));
}

TEST_F(CommandsTest, QuitDuringAScanSavesAndStopsIt) {
    Started();
    const std::string path = LongPage();
    Choose(path);
    events.onCall = [this](int call) {
        if (call == 5) Logic().OnClick(Control::cmdQuit);
    };
    Logic().OnClick(Control::cmdListWords);
    EXPECT_EQ(events.calls, 5);
    EXPECT_EQ(view.endCalls, 1);
    EXPECT_NE(ReadFileBytes(StatePath()).find(path), std::string::npos);
}

}  // namespace
}  // namespace tagsmith::test
