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

Lines ReadAll(const std::string& bytes, std::size_t bufferSize, bool skipBom = false) {
    test::TemporaryFolder folder;
    const auto path = folder.WriteFile("lines.txt", bytes);
    TextLineReader reader(bufferSize);
    EXPECT_TRUE(reader.Open(path));
    if (skipBom) reader.SkipUtf8Bom();
    Lines lines = ReadAll(reader);
    EXPECT_FALSE(reader.Failed());
    return lines;
}

TEST(TextLineReaderTest, EndsLinesAtLfCrLfAndLoneCrWhateverTheBufferSize) {
    const struct {
        const char* name;
        std::string bytes;
        Lines expected;
    } cases[] = {
        {"empty file", "", {}},
        {"lf", "a\nbc\n", {{"a", LineEnd::Lf}, {"bc", LineEnd::Lf}}},
        {"cr lf", "a\r\nbc\r\n", {{"a", LineEnd::CrLf}, {"bc", LineEnd::CrLf}}},
        {"cr", "a\rbc\r", {{"a", LineEnd::Cr}, {"bc", LineEnd::Cr}}},
        {"mixed",
         "a\nb\r\nc\rd",
         {{"a", LineEnd::Lf}, {"b", LineEnd::CrLf}, {"c", LineEnd::Cr}, {"d", LineEnd::None}}},
        {"no final terminator", "one\ntwo", {{"one", LineEnd::Lf}, {"two", LineEnd::None}}},
        {"empty lines", "\n\r\n\r", {{"", LineEnd::Lf}, {"", LineEnd::CrLf}, {"", LineEnd::Cr}}},
        {"lf cr is two ends",
         "a\n\rb",
         {{"a", LineEnd::Lf}, {"", LineEnd::Cr}, {"b", LineEnd::None}}},
        {"cr cr lf", "a\r\r\n", {{"a", LineEnd::Cr}, {"", LineEnd::CrLf}}},
        {"nul and tab kept", std::string("x\0\ty\n", 5), {{std::string("x\0\ty", 4), LineEnd::Lf}}},
    };
    // Tiny buffers put every terminator, CR LF included, across a buffer boundary somewhere.
    for (const std::size_t bufferSize :
         {std::size_t{1}, std::size_t{2}, std::size_t{3}, TextLineReader::kDefaultBufferSize}) {
        for (const auto& c : cases) {
            EXPECT_EQ(ReadAll(c.bytes, bufferSize), c.expected)
                << c.name << ", buffer " << bufferSize;
        }
    }
}

TEST(TextLineReaderTest, CrLfSplitAcrossTheDefaultBufferIsOneLineEnd) {
    const std::size_t size = TextLineReader::kDefaultBufferSize;
    const std::string first(size - 1, 'a');  // the CR is the buffer's last byte
    const Lines lines = ReadAll(first + "\r\nnext\r\n", size);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0], (std::pair{first, LineEnd::CrLf}));
    EXPECT_EQ(lines[1], (std::pair{std::string("next"), LineEnd::CrLf}));
}

TEST(TextLineReaderTest, SkipsAByteOrderMarkOnlyWhenThereIsOne) {
    const struct {
        std::string bytes;
        Lines expected;
    } cases[] = {
        {"\xEF\xBB\xBFhello\n", {{"hello", LineEnd::Lf}}},
        {"\xEF\xBB\xBF", {}},
        {"hello", {{"hello", LineEnd::None}}},
        {"\xEF\xBB", {{"\xEF\xBB", LineEnd::None}}},
        {"\xEF\xBBx", {{"\xEF\xBBx", LineEnd::None}}},
    };
    for (const std::size_t bufferSize : {std::size_t{1}, TextLineReader::kDefaultBufferSize}) {
        for (const auto& c : cases) {
            EXPECT_EQ(ReadAll(c.bytes, bufferSize, true), c.expected) << bufferSize;
        }
    }
    // Without the call the mark is part of the first line.
    EXPECT_EQ(ReadAll("\xEF\xBB\xBFhi", 16), (Lines{{"\xEF\xBB\xBFhi", LineEnd::None}}));
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
    // Re-opening starts afresh.
    const auto path = folder.WriteFile("ok.txt", "x\n");
    ASSERT_TRUE(reader.Open(path));
    EXPECT_FALSE(reader.Failed());
    EXPECT_EQ(ReadAll(reader), (Lines{{"x", LineEnd::Lf}}));
}

}  // namespace
}  // namespace tagsmith
