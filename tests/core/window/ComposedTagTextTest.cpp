#include <gtest/gtest.h>

#include "core/window/ComposedTagText.h"

namespace tagsmith::test {
namespace {

TEST(ComposedTagTextTest, ShowsTheTagWithItsCounts) {
    const std::string tag = "<meta name=\"keywords\" content=\"caf\xC3\xA9, b\">";
    EXPECT_EQ(FormatComposedMetaTag({tag, 2, 37}, GeneratorSettings{}),
              tag + "\r\n\r\nNumber of keywords in meta tag: 2\r\nNumber of bytes in meta tag: 37");
}

// The cases of the explanation itself are in tables/NoWordsReport.txt.
TEST(ComposedTagTextTest, AnEmptyTableExplainsWithTheSettings) {
    GeneratorSettings settings;
    settings.txbBeginMetaTagWith = "phrase";
    EXPECT_EQ(ComposeKeywordsMetaTag(WordTable{}, settings, TextEncoding::Utf8),
              "No words with more than 2 letters occur at least twice.");
}

}  // namespace
}  // namespace tagsmith::test
