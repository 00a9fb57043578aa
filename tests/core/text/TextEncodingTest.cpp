#include <gtest/gtest.h>

#include <string>

#include "core/text/TextEncoding.h"
#include "fakes/CaseTable.h"

namespace tagsmith {
namespace {

// Validity, the Windows-1252 table both ways and decoding, from TextEncodingCases.txt.
TEST(TextEncodingTest, ValidatesMapsAndDecodesAsTheCaseTableSays) {
    const auto rows = test::ReadCaseTable("core/text/TextEncodingCases.txt");
    ASSERT_EQ(rows.size(), 42u);
    for (const auto& row : rows) {
        const std::string& kind = row.at(0);
        const std::string& text = row.at(1);
        if (kind == "valid" || kind == "invalid") {
            EXPECT_EQ(IsValidUtf8(text), kind == "valid") << text;
        } else if (kind == "decode") {
            EXPECT_EQ(DecodeTextToUtf8(text), row.at(2)) << text;
        } else if (kind == "none") {
            EXPECT_EQ(CodePointToWindows1252(std::stoul(text, nullptr, 16)), -1) << text;
        } else {
            const int code = std::stoi(text, nullptr, 16);
            const auto codePoint = static_cast<char32_t>(std::stoul(row.at(2), nullptr, 16));
            EXPECT_EQ(Windows1252ToCodePoint(static_cast<unsigned char>(code)), codePoint) << text;
            EXPECT_EQ(CodePointToWindows1252(codePoint), code) << text;
        }
    }
}

TEST(Utf8ValidityTest, AFaultIsFoundAtAnyPositionInALongText) {
    const std::string ascii(40, 'a');
    for (std::size_t at = 0; at < ascii.size(); ++at) {
        for (const char* fault : {"\xFF", "\x80", "\xC3"}) {
            std::string text = ascii;
            text.replace(at, 1, fault);
            EXPECT_FALSE(IsValidUtf8(text)) << "byte " << at;
        }
        std::string good = ascii;
        good.replace(at, 1, "\xC3\xA9");
        EXPECT_TRUE(IsValidUtf8(good)) << "byte " << at;
    }
}

TEST(Utf8ValidityTest, SequencesMayStraddlePiecesAndAnOpenOneIsNotValid) {
    const std::string text = "a\U0001F600b\u00E9";
    for (std::size_t cut = 0; cut <= text.size(); ++cut) {
        Utf8Validator validator;
        validator.Feed(std::string_view(text).substr(0, cut));
        validator.Feed(std::string_view(text).substr(cut));
        EXPECT_TRUE(validator.IsValid()) << "cut at " << cut;
    }
    Utf8Validator open;
    open.Feed("\xF0\x9F");
    EXPECT_FALSE(open.IsValid());
    open.Feed("z\xC3\xA9");
    EXPECT_FALSE(open.IsValid());  // stays invalid after a later good sequence
}

TEST(DecodeTest, AGivenEncodingIsFollowed) {
    EXPECT_EQ(DecodeToUtf8("caf\xC3\xA9", TextEncoding::Windows1252), "caf\xC3\x83\xC2\xA9");
    EXPECT_EQ(DecodeToUtf8("caf\xC3\xA9", TextEncoding::Utf8), "caf\xC3\xA9");
}

TEST(DecodeTest, RoundTripsAndCountsCharacters) {
    std::string all;
    for (int code = 1; code < 256; ++code) all += static_cast<char>(code);
    const std::string utf8 = Windows1252ToUtf8(all);
    EXPECT_TRUE(IsValidUtf8(utf8));
    EXPECT_EQ(CountCharacters(utf8), all.size());

    const std::u32string points = U"a\u00E9\u20AC\U0001F600";
    EXPECT_EQ(Utf8ToCodePoints(CodePointsToUtf8(points)), points);
    EXPECT_EQ(CodePointsToUtf8(U"\u20AC"), "\xE2\x82\xAC");
    // A lone surrogate or a number beyond Unicode cannot be written: it becomes U+FFFD.
    EXPECT_EQ(CodePointsToUtf8(std::u32string(1, char32_t{0xD800})), "\xEF\xBF\xBD");
    EXPECT_EQ(CodePointsToUtf8(std::u32string(1, char32_t{0x110000})), "\xEF\xBF\xBD");
    EXPECT_EQ(Utf8ToCodePoints("x\x80"), (std::u32string{U'x', 0x20AC}));
}

}  // namespace
}  // namespace tagsmith
