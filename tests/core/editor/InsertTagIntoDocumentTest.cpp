#include <gtest/gtest.h>

#include "core/editor/EditorTestSupport.h"
#include "core/editor/EditorTexts.h"
#include "core/editor/InsertTagIntoDocument.h"
#include "fakes/FakeMessageBoxes.h"
#include "fakes/TestSupport.h"

namespace tagsmith::test {
namespace {

namespace fs = std::filesystem;

const std::string kTag = "<meta name=\"keywords\" content=\"alpha, beta\">";
const std::string kOld = "<meta name=\"keywords\" content=\"old\">";

struct RewriteCase {
    const char* name;
    std::string document;
    std::string expected;
    std::string tag = kTag;
};

void PrintTo(const RewriteCase& c, std::ostream* out) {
    *out << c.name;
}

class RewriteTest : public testing::TestWithParam<RewriteCase> {};

TEST_P(RewriteTest, WritesTheExpectedBytes) {
    const TemporaryFolder folder;
    const auto path = folder.WriteFile("index.html", GetParam().document);
    FakeMessageBoxes messages;
    FileSystemCalls files;
    EXPECT_EQ(InsertTagIntoDocument(path.string(), GetParam().tag, false, messages, files),
              InsertOutcome::Inserted);
    EXPECT_EQ(ReadFileBytes(path), GetParam().expected);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].prompt, kInsertedSuccessfully);
    EXPECT_EQ(messages.shown[0].title, kInsertCaption);
    EXPECT_EQ(messages.shown[0].icon, MessageIcon::Information);
    EXPECT_EQ(FolderNames(folder.Path()), std::set<std::string>{"index.html"});
}

INSTANTIATE_TEST_SUITE_P(
    Documents, RewriteTest,
    testing::Values(
        RewriteCase{"TagBeforeHeadEndEmptyLineDropped",
                    "<head>\r\n<title>T</title>\r\n\r\n</head>\r\n<body>\r\n",
                    "<head>\r\n<title>T</title>\r\n" + kTag + "\r\n\r\n</head><body>\r\n"},
        RewriteCase{"KeywordsAfterHeadOnOneLine",
                    "<head><META NAME=\"Keywords\" CONTENT=\"old\">\r\n</head>\r\n",
                    "<head>" + kTag + "\r\n</head>\r\n"},
        RewriteCase{"KeywordsFollowedByHeadEnd", kOld + "</head>\r\n<body>x</body>\r\n",
                    kTag + "\r\n</head><body>x</body>\r\n"},
        RewriteCase{"TwoKeywordsTagsBothReplaced",
                    "<head>\r\n" + kOld + "\r\n  " + kOld + " <p>\r\n</head>\r\n",
                    "<head>\r\n" + kTag + "\r\n  " + kTag + "\r\n<p>\r\n</head>\r\n"},
        RewriteCase{"KeywordsInsideCommentReplaced", "<!-- " + kOld + " -->\r\n</head>\r\n",
                    "<!-- " + kTag + "\r\n-->\r\n</head>\r\n"},
        RewriteCase{"SingleQuotedNameKept", "<meta name='keywords' content='x'>\r\n</head>\r\n",
                    "<meta name='keywords' content='x'>\r\n" + kTag + "\r\n\r\n</head>\r\n"},
        RewriteCase{
            "SpaceLinesKeptBodyCopied",
            "<head>\r\n   \r\n\r\n</head>\r\n\r\n<body>\r\n\r\n" + kOld + "\r\n",
            "<head>\r\n   \r\n" + kTag + "\r\n\r\n</head>\r\n<body>\r\n\r\n" + kOld + "\r\n"},
        RewriteCase{"LastLineHeadEndGetsALineEnd", "<head>\n<title>T</title>\n</head>",
                    "<head>\n<title>T</title>\n" + kTag + "\n\n</head>\n"},
        RewriteCase{"TextBeforeAndAfterHeadEnd", "<title>T</title>  </HEAD>  <body>\r\n",
                    "<title>T</title>  " + kTag + "\r\n\r\n</HEAD><body>\r\n"},
        RewriteCase{"KeywordsWithoutHeadEnd", "<p>\n" + kOld + "\n\n<p>x",
                    "<p>\n" + kTag + "\n<p>x\n"},
        RewriteCase{"LfDocument", "<head>\n" + kOld + "\n</head>\n<body>\n",
                    "<head>\n" + kTag + "\n</head><body>\n"},
        RewriteCase{"CrDocument", "<head>\r<title>T</title>\r</head>\r<body>\r",
                    "<head>\r<title>T</title>\r" + kTag + "\r\r</head><body>\r"},
        RewriteCase{"NoLineEndAtAll", "<head></head><body>x</body>",
                    "<head>" + kTag + "\n\n</head><body>x</body>\n"},
        RewriteCase{"MixedEndsKeptLineByLine", "<head>\r\n<p>\n</head>\r<body>\n",
                    "<head>\r\n<p>\n" + kTag + "\r\n\r\n</head><body>\n"},
        RewriteCase{"Utf8WithBomKeepsItsBytes",
                    "\xEF\xBB\xBF<head>\r\n<title>Caf\xC3\xA9 cr\xC3\xA8me</title>\r\n</head>\r\n"
                    "<body>na\xC3\xAFve \xE2\x98\x83</body>\r\n",
                    "\xEF\xBB\xBF<head>\r\n<title>Caf\xC3\xA9 cr\xC3\xA8me</title>\r\n"
                    "<meta name=\"keywords\" content=\"caf\xC3\xA9, \xE2\x98\x83\">\r\n\r\n"
                    "</head><body>na\xC3\xAFve \xE2\x98\x83</body>\r\n",
                    "<meta name=\"keywords\" content=\"caf\xC3\xA9, \xE2\x98\x83\">"},
        RewriteCase{"BomBeforeKeywordsTagStaysFirst", "\xEF\xBB\xBF" + kOld + "\n</head>\n",
                    "\xEF\xBB\xBF" + kTag + "\n</head>\n"},
        RewriteCase{"Windows1252StaysWindows1252",
                    "<head>\r\n<title>Caf\xE9</title>\r\n</head>\r\n<p>na\xEFve</p>\r\n",
                    "<head>\r\n<title>Caf\xE9</title>\r\n<meta name=\"keywords\" "
                    "content=\"caf\xE9, \x80uro, &#9731;\">\r\n\r\n</head><p>na\xEFve</p>\r\n",
                    "<meta name=\"keywords\" content=\"caf\xC3\xA9, \xE2\x82\xACuro, "
                    "\xE2\x98\x83\">"},
        RewriteCase{"TypedLineBreakTakesTheDocumentsLineEnd", "<head>\n</head>\n",
                    "<head>\n<meta name=\"keywords\"\ncontent=\"a\">\n\n</head>\n",
                    "<meta name=\"keywords\"\r\ncontent=\"a\">"}),
    [](const testing::TestParamInfo<RewriteCase>& info) { return info.param.name; });

struct RefusalCase {
    const char* name;
    std::string document;
    std::string prompt;
};

void PrintTo(const RefusalCase& c, std::ostream* out) {
    *out << c.name;
}

class RefusalTest : public testing::TestWithParam<RefusalCase> {};

TEST_P(RefusalTest, LeavesEveryFileAsItWas) {
    const TemporaryFolder folder;
    const auto path = folder.WriteFile("index.html", GetParam().document);
    folder.WriteFile("index.bak.html", "older backup");
    for (const bool withBackup : {false, true}) {
        FakeMessageBoxes messages;
        FileSystemCalls files;
        EXPECT_EQ(InsertTagIntoDocument(path.string(), kTag, withBackup, messages, files),
                  InsertOutcome::Refused);
        ASSERT_EQ(messages.shown.size(), 1u);
        EXPECT_EQ(messages.shown[0].prompt, GetParam().prompt);
        EXPECT_EQ(messages.shown[0].title, kNotInsertedTitle);
        EXPECT_EQ(messages.shown[0].icon, MessageIcon::Exclamation);
        EXPECT_EQ(ReadFileBytes(path), GetParam().document);
        EXPECT_EQ(ReadFileBytes(folder.Path() / "index.bak.html"), "older backup");
        EXPECT_EQ(FolderNames(folder.Path()),
                  (std::set<std::string>{"index.html", "index.bak.html"}));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Documents, RefusalTest,
    testing::Values(
        RefusalCase{"KeywordsTagOverTwoLines",
                    "<head>\r\n<meta name=\"keywords\" content=\"a,\r\nb\">\r\n</head>\r\n",
                    kTagSpansLines},
        RefusalCase{"SplitTagAndNoHeadEnd", "<meta name=\"keywords\"\ncontent=\"x\">\n<p>",
                    kTagSpansLines},
        RefusalCase{"NoKeywordsTagNoHeadEnd", "<html>\r\n\r\n<body>x</body>\r\n", kNoHeadEnd},
        RefusalCase{"NameOnTheLineAfterTheMeta", "<meta\r\nname=\"keywords\" content=\"x\">\r\n<p>",
                    kNoHeadEnd}),
    [](const testing::TestParamInfo<RefusalCase>& info) { return info.param.name; });

TEST(InsertWithBackupTest, KeepsThePreviousContentAndReplacesAnOlderBackup) {
    const TemporaryFolder folder;
    std::string body;  // several times the size of the write buffer
    while (body.size() < 300000) body += "<p>line " + std::to_string(body.size()) + "</p>\n";
    const std::string before = "<head>\n" + kOld + "\n</head>\n" + body;
    const auto path = folder.WriteFile("index.html", before);
    const auto backup = folder.WriteFile("index.bak.html", "older backup");
    fs::permissions(path, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    FakeMessageBoxes messages;
    FileSystemCalls files;
    EXPECT_EQ(InsertTagIntoDocument(path.string(), kTag, true, messages, files),
              InsertOutcome::Inserted);
    EXPECT_EQ(ReadFileBytes(path), "<head>\n" + kTag + "\n</head>" + body);
    EXPECT_EQ(ReadFileBytes(backup), before);
    EXPECT_EQ(fs::status(path).permissions(), fs::perms(0640));
    EXPECT_EQ(fs::status(backup).permissions(), fs::perms(0640));
    ASSERT_EQ(messages.shown.size(), 2u);
    EXPECT_EQ(messages.shown[0].prompt, kInsertedSuccessfully);
    EXPECT_EQ(messages.shown[1].prompt,
              std::string(kBackedUpAs) + "\r\n" + (folder.Path() / "index.bak.html").string());
    EXPECT_EQ(messages.shown[1].title, kInsertCaption);
    EXPECT_EQ(messages.shown[1].icon, MessageIcon::Information);
    EXPECT_EQ(FolderNames(folder.Path()), (std::set<std::string>{"index.html", "index.bak.html"}));
}

TEST(InsertWithoutBackupTest, LeavesAnOlderBackupAloneAndKeepsTheMode) {
    const TemporaryFolder folder;
    const auto path = folder.WriteFile("page.php", "<head></head>\n");
    const auto backup = folder.WriteFile("page.bak.php", "older backup");
    fs::permissions(path, fs::perms(0604));
    FakeMessageBoxes messages;
    FileSystemCalls files;
    EXPECT_EQ(InsertTagIntoDocument(path.string(), kTag, false, messages, files),
              InsertOutcome::Inserted);
    EXPECT_EQ(ReadFileBytes(path), "<head>" + kTag + "\n\n</head>\n");
    EXPECT_EQ(ReadFileBytes(backup), "older backup");
    EXPECT_EQ(fs::status(path).permissions(), fs::perms(0604));
    EXPECT_EQ(messages.shown.size(), 1u);
}

TEST(InsertThroughLinkTest, RewritesTheLinksTargetAndKeepsTheLink) {
    const TemporaryFolder folder;
    fs::create_directory(folder.Path() / "real");
    fs::create_directory(folder.Path() / "site");
    const auto target = folder.WriteFile("real/page.html", "<head>\n</head>\n");
    const fs::path link = folder.Path() / "site" / "index.html";
    fs::create_symlink("../real/page.html", link);
    FakeMessageBoxes messages;
    FileSystemCalls files;
    EXPECT_EQ(InsertTagIntoDocument(link.string(), kTag, true, messages, files),
              InsertOutcome::Inserted);
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(ReadFileBytes(target), "<head>\n" + kTag + "\n\n</head>\n");
    EXPECT_EQ(ReadFileBytes(folder.Path() / "site" / "index.bak.html"), "<head>\n</head>\n");
    EXPECT_EQ(FolderNames(folder.Path() / "real"), std::set<std::string>{"page.html"});
    EXPECT_EQ(FolderNames(folder.Path() / "site"),
              (std::set<std::string>{"index.html", "index.bak.html"}));
}

}  // namespace
}  // namespace tagsmith::test
