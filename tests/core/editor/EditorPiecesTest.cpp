#include <gtest/gtest.h>

#include <optional>
#include <tuple>

#include "core/editor/BackupPath.h"
#include "core/editor/DocumentFormat.h"
#include "core/editor/HeadMetaTagReader.h"
#include "core/editor/LocateKeywordsTag.h"
#include "core/editor/ShowExistingKeywordMetaTag.h"
#include "core/text/StringOperations.h"
#include "fakes/CaseTable.h"
#include "fakes/FakeMessageBoxes.h"
#include "fakes/TestSupport.h"

namespace tagsmith::test {
namespace {

// The keywords tag on a line, a document's backup and its format, from EditorPiecesCases.txt.
TEST(EditorPiecesTest, LocateTheTagNameTheBackupAndDetectTheFormat) {
    const auto rows = ReadCaseTable("core/editor/EditorPiecesCases.txt");
    ASSERT_EQ(rows.size(), 19u);
    const TemporaryFolder folder;
    FileSystemCalls files;
    for (const auto& row : rows) {
        SCOPED_TRACE(row.at(1) + row.at(2));
        if (row.at(0) == "locate") {
            const KeywordsTagSpan span = LocateKeywordsTag(row.at(1));
            EXPECT_EQ(std::tie(span.start, span.end),
                      std::make_tuple(std::stoul(row.at(2)), std::stoul(row.at(3))));
        } else if (row.at(0) == "backup") {
            EXPECT_EQ(BackupPath(row.at(1)), row.at(2));
        } else {
            const std::string block = row.at(1) == "block" ? std::string(65535, 'a') : "";
            const auto path = folder.WriteFile("f.html", block + row.at(2));
            const DocumentFormat format = DetectDocumentFormat(files, path.string());
            EXPECT_EQ(format.encoding,
                      row.at(3) == "utf8" ? TextEncoding::Utf8 : TextEncoding::Windows1252);
            EXPECT_EQ(format.lineEnd, row.at(4));
        }
    }
}

const std::string kKeywords = "<meta name=\"keywords\" content=\"a, b\">";
const std::string kDescription = "<meta name=\"description\" content=\"x\">";

TEST(HeadReportTest, EntriesKnowTheirKindAndLine) {
    const TemporaryFolder folder;
    const auto path =
        folder.WriteFile("page.html", "<title>A</title>\n<!-- c\n-->\n" + kDescription + "\n" +
                                          kKeywords + "\n</head>\n" + kKeywords + "\n");
    const HeadTags tags = ReadHeadTags(path.string());
    using Kind = HeadTag::Kind;
    const std::vector<std::tuple<Kind, std::string, int>> expected = {
        {Kind::Title, "A", 1},
        {Kind::Description, kDescription, 4},
        {Kind::Keywords, kKeywords, 5}};
    ASSERT_EQ(tags.entries.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(std::tie(tags.entries[i].kind, tags.entries[i].text, tags.entries[i].line),
                  expected[i]);
    }
    EXPECT_FALSE(tags.failed);
    EXPECT_EQ(tags.First(Kind::Keywords), &tags.entries[2]);
    EXPECT_EQ(tags.First(Kind::Zpma), nullptr);
}

TEST(ShowExistingHeadTagsTest, TrimsTheInputRefusesMissingFilesOrReadsTheHead) {
    const TemporaryFolder folder;
    const auto page = folder.WriteFile("page.htm", "<title>T</title>\r\n");
    const std::vector<std::tuple<std::string, std::string, std::string>> cases = {
        {"   ", "Input file not specified.", "Error"},
        {(folder.Path() / "gone.htm").string(), "Input file not found.", "File not found"},
        {folder.Path().string(), folder.Path().string() + " is not a regular file.", "Error"},
        {"  " + page.string() + " ", "", ""},  // no box: the head is read
    };
    for (const auto& [typed, prompt, title] : cases) {
        SCOPED_TRACE(typed);
        std::string input = typed;
        FakeMessageBoxes messages;
        const std::optional<HeadTags> tags = ShowExistingHeadTags(input, messages);
        EXPECT_EQ(input, std::string(TrimSpaces(typed)));
        ASSERT_EQ(tags.has_value(), prompt.empty());
        ASSERT_EQ(messages.shown.size(), prompt.empty() ? 0u : 1u);
        if (prompt.empty()) {
            ASSERT_EQ(tags->entries.size(), 1u);
            EXPECT_EQ(tags->entries[0].text, "T");
            continue;
        }
        EXPECT_EQ(messages.shown[0].prompt, prompt);
        EXPECT_EQ(messages.shown[0].title, title);
        EXPECT_EQ(messages.shown[0].icon, MessageIcon::Exclamation);
    }
}

}  // namespace
}  // namespace tagsmith::test
