#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "core/text/TextEncoding.h"

namespace tagsmith {
namespace {

TEST(Utf8ValidityTest, AcceptsWellFormedAndRejectsEveryIllFormedKind) {
    // Every length, the highest code point, and the neighbours of the surrogates.
    for (const std::string valid :
         {"", "plain text\r\n", "caf\xC3\xA9", "\xE2\x82\xAC", "\xF0\x9F\x98\x80",
          "\xF4\x8F\xBF\xBF", "\xED\x9F\xBF", "\xEE\x80\x80"}) {
        EXPECT_TRUE(IsValidUtf8(valid)) << valid;
    }
    // Overlong forms, surrogates, beyond U+10FFFF, bad leads, stray and missing continuations.
    for (const std::string invalid :
         {"\xC0\xAF", "\xC1\xBF", "\xE0\x80\xAF", "\xF0\x8F\xBF\xBF", "\xED\xA0\x80",
          "\xED\xBF\xBF", "\xF4\x90\x80\x80", "\xF5\x80\x80\x80", "\xFF", "a\x80z", "caf\xC3",
          "\xE2\x82", "\xE2\x82z", "caf\xE9"}) {
        EXPECT_FALSE(IsValidUtf8(invalid)) << invalid;
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

TEST(Windows1252MappingTest, HighControlRangeFollowsTheCodePageTable) {
    const std::pair<unsigned char, char32_t> cases[] = {
        {0x41, U'A'},   {0x80, 0x20AC}, {0x81, 0x0081}, {0x8A, 0x0160}, {0x8D, 0x008D},
        {0x92, 0x2019}, {0x9F, 0x0178}, {0xA0, 0x00A0}, {0xFF, 0x00FF}};
    for (const auto& [code, codePoint] : cases) {
        EXPECT_EQ(Windows1252ToCodePoint(code), codePoint) << int{code};
        EXPECT_EQ(CodePointToWindows1252(codePoint), int{code}) << int{code};
    }
    // C1 controls whose codes hold printable characters, and characters outside the code page.
    for (const char32_t codePoint :
         {char32_t{0x80}, char32_t{0x85}, char32_t{0x9F}, char32_t{0x0100}, char32_t{0x0416},
          char32_t{0x4E2D}, char32_t{0x1F600}}) {
        EXPECT_EQ(CodePointToWindows1252(codePoint), -1) << static_cast<unsigned>(codePoint);
    }
}

TEST(DecodeTest, ConvertsTextOfEitherEncodingToUtf8) {
    const std::tuple<const char*, std::string, std::string> cases[] = {
        {"utf-8 stays", "caf\xC3\xA9 \xD0\x96 a\u4E2Db", "caf\xC3\xA9 \xD0\x96 a\u4E2Db"},
        {"bom dropped", "\xEF\xBB\xBFhi \xC3\xA9", "hi \xC3\xA9"},
        {"invalid utf-8 read as windows-1252", "caf\xE9 \x80", "caf\xC3\xA9 \xE2\x82\xAC"},
        {"bom dropped before windows-1252", "\357\273\277caf\xE9", "caf\xC3\xA9"},
    };
    for (const auto& [name, bytes, expected] : cases) {
        EXPECT_EQ(DecodeTextToUtf8(bytes), expected) << name;
    }
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
