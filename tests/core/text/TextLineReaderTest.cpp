#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "core/text/TextLineReader.h"
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
    const struct {
        const char* name;
        std::string bytes;
        Lines expected;
        bool skipBom = false;
    } cases[] = {
        {"empty file", "", {}},
        {"lf", "a\nbc\n", {{"a", LineEnd::Lf}, {"bc", LineEnd::Lf}}},
        {"cr lf", "a\r\nbc\r\n", {{"a", LineEnd::CrLf}, {"bc", LineEnd::CrLf}}},
        {"cr", "a\rbc\r", {{"a", LineEnd::Cr}, {"bc", LineEnd::Cr}}},
        {"mixed",
         "a\nb\r\nc\rd",
         {{"a", LineEnd::Lf}, {"b", LineEnd::CrLf}, {"c", LineEnd::Cr}, {"d", LineEnd::None}}},
        {"empty lines", "\n\r\n\r", {{"", LineEnd::Lf}, {"", LineEnd::CrLf}, {"", LineEnd::Cr}}},
        {"lf cr is two ends",
         "a\n\rb",
         {{"a", LineEnd::Lf}, {"", LineEnd::Cr}, {"b", LineEnd::None}}},
        {"cr cr lf", "a\r\r\n", {{"a", LineEnd::Cr}, {"", LineEnd::CrLf}}},
        {"nul and tab kept", std::string("x\0\ty\n", 5), {{std::string("x\0\ty", 4), LineEnd::Lf}}},
        {"bom kept without the call", "\xEF\xBB\xBFhi", {{"\xEF\xBB\xBFhi", LineEnd::None}}},
        {"bom skipped", "\xEF\xBB\xBFhello\n", {{"hello", LineEnd::Lf}}, true},
        {"bom only", "\xEF\xBB\xBF", {}, true},
        {"no bom to skip", "hello", {{"hello", LineEnd::None}}, true},
        {"half a bom", "\xEF\xBB", {{"\xEF\xBB", LineEnd::None}}, true},
        {"not a bom", "\xEF\xBBx", {{"\xEF\xBBx", LineEnd::None}}, true},
    };
    test::TemporaryFolder folder;
    // Tiny buffers put every terminator, CR LF included, across a buffer boundary somewhere.
    for (const std::size_t size :
         {std::size_t{1}, std::size_t{2}, std::size_t{3}, TextLineReader::kDefaultBufferSize}) {
        for (const auto& c : cases) {
            SCOPED_TRACE(testing::Message() << c.name << ", buffer " << size);
            TextLineReader reader(size);
            ASSERT_TRUE(reader.Open(folder.WriteFile("lines.txt", c.bytes)));
            if (c.skipBom) reader.SkipUtf8Bom();
            EXPECT_EQ(ReadAll(reader), c.expected) << c.name << ", buffer " << size;
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
