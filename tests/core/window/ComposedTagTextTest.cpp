#include <gtest/gtest.h>

#include <tuple>

#include "core/window/ComposedTagText.h"
#include "core/window/NoWordsReport.h"

namespace tagsmith::test {
namespace {

TEST(ComposedTagTextTest, ShowsTheTagWithItsCounts) {
    const std::string tag = "<meta name=\"keywords\" content=\"caf\xC3\xA9, b\">";
    EXPECT_EQ(FormatComposedMetaTag({tag, 2, 37}, GeneratorSettings{}),
              tag + "\r\n\r\nNumber of keywords in meta tag: 2\r\nNumber of bytes in meta tag: 37");
}

TEST(ComposedTagTextTest, AnEmptyTableExplainsWithTheSettings) {
    GeneratorSettings settings;
    settings.txbBeginMetaTagWith = "phrase";
    EXPECT_EQ(ComposeKeywordsMetaTag(WordTable{}, settings, TextEncoding::Utf8),
              "No words with more than 2 letters occur at least twice.");
    const std::vector<std::tuple<bool, int, int, const char*>> cases = {
        {false, 1, 2, "No words occur at least 3 times."},
        {true, 0, 0, "No words with more than 1 letter occur at least once."},
        {true, 8, 8, "No words with more than 9 letters occur at least 9 times."},
    };
    for (const auto& [ignoreShort, shortWordPosition, thresholdPosition, expected] : cases) {
        SCOPED_TRACE(expected);
        settings.chkIgnoreShortWords = ignoreShort;
        settings.cboShortWordSize = shortWordPosition;
        settings.cboThresholdFrequency = thresholdPosition;
        EXPECT_EQ(ReportNoWords(settings), expected);
    }
}

}  // namespace
}  // namespace tagsmith::test
