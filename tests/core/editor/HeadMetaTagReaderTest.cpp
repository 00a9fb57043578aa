#include <gtest/gtest.h>

#include "core/editor/HeadMetaTagReader.h"
#include "core/editor/ShowExistingKeywordMetaTag.h"
#include "core/scanner/StringOperations.h"
#include "fakes/FakeMessageBoxes.h"
#include "fakes/TestSupport.h"
#include "platform/console/StringOutputBox.h"

namespace tagsmith::test {
namespace {

constexpr const char* kNone = "No keywords meta tag found.";
constexpr const char* kError = "Error when looking for keywords meta tag.";
const std::string kKeywords = "<meta name=\"keywords\" content=\"a, b\">";

struct ReportCase {
    const char* name;
    std::string document;
    std::string report;
};

void PrintTo(const ReportCase& c, std::ostream* out) {
    *out << c.name;
}

class HeadReportTest : public testing::TestWithParam<ReportCase> {};

TEST_P(HeadReportTest, ReportsTheHeadTags) {
    const TemporaryFolder folder;
    const auto path = folder.WriteFile("page.html", GetParam().document);
    EXPECT_EQ(ReadHeadMetaTags(path.string()), GetParam().report);
    EXPECT_EQ(ReadFileBytes(path), GetParam().document);  // the document is only read
}

INSTANTIATE_TEST_SUITE_P(
    Documents, HeadReportTest,
    testing::Values(
        ReportCase{"OneLineHead", "<html><head><title>T</title></head>\r\n", kNone},
        ReportCase{"TitleInCapitals", "<TITLE>Home</TITLE>\r\n</head>\r\n",
                   std::string("TITLE: Home\r\n\r\n") + kNone},
        ReportCase{"TitleAfterSpacesWithoutEnd", "  <title>Home\r\n",
                   std::string("TITLE: Home\r\n\r\n") + kNone},
        ReportCase{"TitleAfterTab", "\t<title>Home</title>\r\n", kNone},
        ReportCase{"TitleLineNotSearchedForMeta", "<title>T</title>" + kKeywords + "\r\n",
                   std::string("TITLE: T\r\n\r\n") + kNone},
        ReportCase{"KeywordsAsWritten", "<META NAME=\"KEYWORDS\" CONTENT=\"a, b\">\r\n",
                   "KEYWORDS meta tag: <META NAME=\"KEYWORDS\" CONTENT=\"a, b\">\r\n\r\n"},
        ReportCase{"SingleQuotesNotRecognised", "<meta name='keywords' content=\"a\">\r\n", kNone},
        ReportCase{"DescriptionAndKeywordsOnOneLine",
                   "<meta name=\"description\" content=\"x\"><meta name=\"keywords\" "
                   "content=\"y\">\r\n",
                   "KEYWORDS meta tag: <meta name=\"description\" content=\"x\"><meta "
                   "name=\"keywords\" content=\"y\">\r\n\r\nDESCRIPTION meta tag: <meta "
                   "name=\"description\" content=\"x\">\r\n\r\n"},
        ReportCase{"MarkerAndDescription",
                   "<meta name=\"zpma done\" content=\"1\">\r\n<meta name=\"description\" "
                   "content=\"d\">\r\n",
                   "ZPMA meta tag: <meta name=\"zpma done\" content=\"1\">\r\n\r\nDESCRIPTION "
                   "meta tag: <meta name=\"description\" content=\"d\">\r\n\r\n" +
                       std::string(kNone)},
        ReportCase{"KeywordsWithoutCloseTakesTheRestOfTheLine",
                   "<meta name=\"keywords\" content=\"a,\r\nb\">\r\n",
                   "KEYWORDS meta tag: <meta name=\"keywords\" content=\"a,\r\n\r\n"},
        ReportCase{"StopsAtHeadEnd", "<title>A</title>\r\n</head>\r\n" + kKeywords + "\r\n",
                   std::string("TITLE: A\r\n\r\n") + kNone},
        ReportCase{"WithoutHeadEndReadsToTheEnd", "<p>x</p>\r\n<body>\r\n" + kKeywords,
                   "KEYWORDS meta tag: " + kKeywords + "\r\n\r\n"},
        ReportCase{"LineAfterCommentIsNotTestedForHeadEnd",
                   "<!-- c -->\r\n</head>\r\n" + kKeywords + "\r\n</head>\r\n",
                   "KEYWORDS meta tag: " + kKeywords + "\r\n\r\n"},
        ReportCase{"CommentLinesAreNotExamined",
                   "<title>A</title><!--\r\n" + kKeywords + "\r\n-->\r\n<p>\r\n</head>\r\n", kNone},
        ReportCase{"UnclosedComment", "<title>A</title>\r\n<!-- open\r\n" + kKeywords + "\r\n",
                   std::string("TITLE: A\r\n\r\n") + kError},
        ReportCase{"CommentClosingOnTheLastLine", "<!-- c -->", kError},
        ReportCase{"QuotedNameClosedBeforeTheMeta",
                   "<p class=\"keywords\">x</p><meta name=\"a\">\r\n", kError},
        ReportCase{"LfLineEnds", "<title>A</title>\n" + kKeywords + "\n</head>\n<title>B</title>\n",
                   "TITLE: A\r\n\r\nKEYWORDS meta tag: " + kKeywords + "\r\n\r\n"},
        ReportCase{"Utf8WithBom", "\xEF\xBB\xBF<title>Caf\xC3\xA9</title>\n",
                   std::string("TITLE: Caf\xC3\xA9\r\n\r\n") + kNone},
        ReportCase{"Windows1252ShownAsUtf8",
                   "<title>Caf\xE9 \x80</title>\n<META name=\"keywords\" content=\"cr\xE8me\">",
                   "TITLE: Caf\xC3\xA9 \xE2\x82\xAC\r\n\r\nKEYWORDS meta tag: <META "
                   "name=\"keywords\" content=\"cr\xC3\xA8me\">\r\n\r\n"}),
    [](const testing::TestParamInfo<ReportCase>& info) { return info.param.name; });

TEST(HeadReportTest, MissingFileEndsInTheErrorText) {
    const TemporaryFolder folder;
    EXPECT_EQ(ReadHeadMetaTags((folder.Path() / "none.html").string()), kError);
}

TEST(ShowExistingKeywordMetaTagTest, TrimsTheInputRefusesMissingFilesOrFillsTheBox) {
    const TemporaryFolder folder;
    const auto page = folder.WriteFile("page.htm", "<title>T</title>\r\n");
    struct Case {
        std::string input;
        std::string prompt;  // empty: no box, the report replaces the box text
        std::string title;
    };
    const std::vector<Case> cases = {
        {"   ", "Input file not specified.", "Error"},
        {(folder.Path() / "none.html").string(), "Input file not found.", "File not found"},
        {folder.Path().string(), "Input file not found.", "File not found"},
        {"  " + page.string() + " ", "", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.input);
        std::string input = c.input;
        StringOutputBox output;
        output.SetText("before");
        FakeMessageBoxes messages;
        ShowExistingKeywordMetaTag(input, output, messages);
        EXPECT_EQ(input, std::string(TrimSpaces(c.input)));
        if (c.prompt.empty()) {
            EXPECT_TRUE(messages.shown.empty());
            EXPECT_EQ(output.Text(), std::string("TITLE: T\r\n\r\n") + kNone);
            continue;
        }
        ASSERT_EQ(messages.shown.size(), 1u);
        EXPECT_EQ(messages.shown[0].prompt, c.prompt);
        EXPECT_EQ(messages.shown[0].title, c.title);
        EXPECT_EQ(messages.shown[0].icon, MessageIcon::Exclamation);
        EXPECT_EQ(output.Text(), "before");
    }
}

}  // namespace
}  // namespace tagsmith::test
