#include <gtest/gtest.h>

#include "core/window/HeadTagsText.h"
#include "fakes/TestSupport.h"

namespace tagsmith::test {
namespace {

const std::string kNone = "No keywords meta tag found.";
const std::string kError = "Error when looking for keywords meta tag.";
const std::string kKeywords = "<meta name=\"keywords\" content=\"a, b\">";
const std::string kDescription = "<meta name=\"description\" content=\"x\">";
const std::string kMarker = "<meta name=\"zpma done\" content=\"1\">";

std::string Entry(const std::string& label, const std::string& tag) {
    return label + " meta tag: " + tag + "\r\n\r\n";
}

const std::string kKeywordsEntry = Entry("KEYWORDS", kKeywords);

TEST(HeadReportTest, ReportsTheTagsOfTheHeadAndOnlyReadsTheDocument) {
    const std::vector<std::pair<std::string, std::string>> cases = {
        // A title counts at the start of a line (after spaces only); its line is not searched.
        {"<html><head><title>T</title></head>\r\n", kNone},
        {"<TITLE>Home</TITLE>\r\n</head>\r\n", "TITLE: Home\r\n\r\n" + kNone},
        {"  <title>Home\r\n", "TITLE: Home\r\n\r\n" + kNone},
        {"\t<title>Home</title>\r\n", kNone},
        {"<title>T</title>" + kKeywords + "\r\n", "TITLE: T\r\n\r\n" + kNone},
        // Meta tags as written, double-quoted names only, keywords first; the head ends at </head>.
        {"<META NAME=\"KEYWORDS\" CONTENT=\"a\">\r\n",
         Entry("KEYWORDS", "<META NAME=\"KEYWORDS\" CONTENT=\"a\">")},
        {"<meta name='keywords' content=\"a\">\r\n", kNone},
        {kDescription + kKeywords + "\r\n",
         Entry("KEYWORDS", kDescription + kKeywords) + Entry("DESCRIPTION", kDescription)},
        {kMarker + "\r\n" + kDescription + "\r\n",
         Entry("ZPMA", kMarker) + Entry("DESCRIPTION", kDescription) + kNone},
        {"<meta name=\"keywords\" content=\"a,\r\nb\">\r\n",
         Entry("KEYWORDS", "<meta name=\"keywords\" content=\"a,")},
        {"<p>x</p>\r\n<body>\r\n" + kKeywords, kKeywordsEntry},
        // Comments.
        {"<!-- c -->\r\n</head>\r\n" + kKeywords + "\r\n</head>\r\n", kKeywordsEntry},
        {"<title>A</title><!--\r\n" + kKeywords + "\r\n-->\r\n<p>\r\n</head>\r\n", kNone},
        {"<title>A</title>\r\n<!-- open\r\n" + kKeywords + "\r\n", "TITLE: A\r\n\r\n" + kError},
        {"<!-- c -->", kError},
        {"<p class=\"keywords\">x</p><meta name=\"a\">\r\n", kError},
        // LF line ends; UTF-8 with its byte-order mark, cp1252 shown as UTF-8.
        {"<title>A</title>\n" + kKeywords + "\n</head>\n<title>B</title>\n",
         "TITLE: A\r\n\r\n" + kKeywordsEntry},
        {"\xEF\xBB\xBF<title>Caf\xC3\xA9</title>\n", "TITLE: Caf\xC3\xA9\r\n\r\n" + kNone},
        {"<title>Caf\xE9 \x80</title>\n<META name=\"keywords\" content=\"cr\xE8me\">",
         "TITLE: Caf\xC3\xA9 \xE2\x82\xAC\r\n\r\nKEYWORDS meta tag: <META name=\"keywords\" "
         "content=\"cr\xC3\xA8me\">\r\n\r\n"},
    };
    const TemporaryFolder folder;
    for (const auto& [document, report] : cases) {
        SCOPED_TRACE(document);
        const auto path = folder.WriteFile("page.html", document);
        EXPECT_EQ(ReadHeadMetaTags(path.string()), report) << document;
        EXPECT_EQ(ReadFileBytes(path), document);
    }
    EXPECT_EQ(ReadHeadMetaTags((folder.Path() / "none.html").string()), kError);
}

}  // namespace
}  // namespace tagsmith::test
