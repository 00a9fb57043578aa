#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "core/text/TextLineReader.h"
#include "fakes/CaseTable.h"
#include "fakes/TestSupport.h"

namespace tagsmith {
namespace {

using Lines = std::vector<std::pair<std::string, LineEnd>>;

Lines ReadAll(TextLineReader& reader) {
    Lines lines;
    std::string line;
    LineEnd end = LineEnd::None;
    while (reader.ReadLine(line, &end)) lines.emplace_back(line, end);
    return lines;
}

TEST(TextLineReaderTest, EndsLinesAtLfCrLfAndLoneCrWhateverTheBufferSize) {
    const auto cases = test::ReadCaseTable("core/text/TextLineReaderCases.txt");
    ASSERT_EQ(cases.size(), 15u);
    test::TemporaryFolder folder;
    // Tiny buffers put every terminator, CR LF included, across a buffer boundary somewhere.
    for (const std::size_t size :
         {std::size_t{1}, std::size_t{2}, std::size_t{3}, TextLineReader::kDefaultBufferSize}) {
        for (const auto& row : cases) {
            SCOPED_TRACE(testing::Message() << row.at(0) << ", buffer " << size);
            Lines expected;
            for (std::size_t k = 2; k + 1 < row.size(); k += 2) {
                const std::string& end = row[k + 1];
                expected.emplace_back(row[k], end == "lf"     ? LineEnd::Lf
                                              : end == "crlf" ? LineEnd::CrLf
                                              : end == "cr"   ? LineEnd::Cr
                                                              : LineEnd::None);
            }
            TextLineReader reader(size);
            ASSERT_TRUE(reader.Open(folder.WriteFile("lines.txt", row.at(0))));
            if (row.at(1) == "skip bom") reader.SkipUtf8Bom();
            EXPECT_EQ(ReadAll(reader), expected) << row.at(0) << ", buffer " << size;
            EXPECT_FALSE(reader.Failed());
        }
    }
}

TEST(TextLineReaderTest, ReportsMissingFilesAndReadErrors) {
    test::TemporaryFolder folder;
    TextLineReader reader;
    EXPECT_FALSE(reader.Open(folder.Path() / "missing.txt"));
    std::string line;
    EXPECT_FALSE(reader.ReadLine(line));
    // Reading a folder opened as a file fails with an error, not as an empty file.
    if (reader.Open(folder.Path())) {
        EXPECT_FALSE(reader.ReadLine(line));
        EXPECT_TRUE(reader.Failed());
    }
    ASSERT_TRUE(reader.Open(folder.WriteFile("ok.txt", "x\n")));  // re-opening starts afresh
    EXPECT_FALSE(reader.Failed());
    EXPECT_EQ(ReadAll(reader), (Lines{{"x", LineEnd::Lf}}));
}

}  // namespace
}  // namespace tagsmith
