// Checks each row of the tables under tests/core/window/tables: the texts the window derives from
// what was typed, read or saved. A row's first field names the check; a new case is a row:
//   keywords, bytes | TYPED | TEXT | MESSAGE   leaving a limit box with TYPED gives TEXT, and
//                                              MESSAGE first (none when empty)
//   head | DOCUMENT | REPORT      the head report of a document of these bytes, which stays as it was
//   no document | REPORT          the head report of a document that is not there
//   encode | VALUE | LINE         roundtrip | VALUE   (the line of a text value, and back again)
//   text | LINE | VALUE           number | LINE | NUMBER (none when empty)    a state file's values
//   lines | BYTES | LINE...       the lines of a state file     defaults | BYTES   (its defaults)
//   no words | IGNORE SHORT (1/0) | SHORT SIZE POSITION | THRESHOLD POSITION | REPORT
//   file address | PATH | ADDRESS      short address | ADDRESS | AS SHOWN
#include <gtest/gtest.h>

#include "core/window/HeadTagsText.h"
#include "core/window/LimitBoxes.h"
#include "core/window/NoWordsReport.h"
#include "core/window/StateFileFormat.h"
#include "core/window/WebLinks.h"
#include "fakes/CaseTable.h"
#include "fakes/TestSupport.h"

namespace tagsmith::test {
namespace {

using Row = std::vector<std::string>;

void Check(const Row& row, const TemporaryFolder& folder) {
    const std::string& kind = row.at(0);
    const std::string& given = row.at(1);
    const std::string& expected = row.size() > 2 ? row[2] : "";
    if (kind == "keywords" || kind == "bytes") {
        const bool bytes = kind == "bytes";
        const LimitBoxCheck result = bytes ? CheckMaxBytesBox(given) : CheckMaxKeywordsBox(given);
        EXPECT_EQ(result.text, expected);
        EXPECT_EQ(result.message, row.at(3));
        EXPECT_EQ(result.refocus, !row[3].empty());
        if (!row[3].empty()) {
            EXPECT_EQ(result.icon, bytes ? MessageIcon::None : MessageIcon::Information);
            EXPECT_EQ(result.title, bytes ? "Tagsmith" : "Number of keywords");
        }
    } else if (kind == "head") {
        const auto path = folder.WriteFile("page.html", given);
        EXPECT_EQ(ReadHeadMetaTags(path.string()), expected);
        EXPECT_EQ(ReadFileBytes(path), given);
    } else if (kind == "no document") {
        EXPECT_EQ(ReadHeadMetaTags((folder.Path() / "none.html").string()), given);
    } else if (kind == "encode") {
        EXPECT_EQ(EncodeTextValue(given), expected);
    } else if (kind == "roundtrip") {
        EXPECT_EQ(DecodeTextValue(EncodeTextValue(given)), given);
    } else if (kind == "text") {
        EXPECT_EQ(DecodeTextValue(given), expected);
    } else if (kind == "number") {
        EXPECT_EQ(DecodeNumberValue(given),
                  expected.empty() ? std::nullopt : std::optional<int>(std::stoi(expected)));
    } else if (kind == "lines") {
        EXPECT_EQ(SplitStateFileLines(given), Row(row.begin() + 2, row.end()));
    } else if (kind == "defaults") {
        EXPECT_EQ(FormatStateFile(GeneratorSettings{}), given);
    } else if (kind == "no words") {
        GeneratorSettings settings;
        settings.chkIgnoreShortWords = given == "1";
        settings.cboShortWordSize = std::stoi(expected);
        settings.cboThresholdFrequency = std::stoi(row.at(3));
        EXPECT_EQ(ReportNoWords(settings), row.at(4));
    } else if (kind == "file address") {
        EXPECT_EQ(FileAddress(given), expected);
    } else if (kind == "short address") {
        EXPECT_EQ(ShortAddress(given), expected);
    } else {
        ADD_FAILURE() << "no such check: " << kind;
    }
}

class WindowTextTablesTest : public testing::TestWithParam<std::string> {};

TEST_P(WindowTextTablesTest, EveryRowHolds) {
    const TemporaryFolder folder;
    const std::vector<Row> rows = ReadCaseTable("core/window/tables/" + GetParam());
    ASSERT_FALSE(rows.empty());
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::PrintToString(row));
        Check(row, folder);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Tables, WindowTextTablesTest,
    testing::ValuesIn(SortedNames(SourceFolder() / "tests" / "core" / "window" / "tables")),
    [](const auto& info) { return info.param.substr(0, info.param.rfind('.')); });

}  // namespace
}  // namespace tagsmith::test
