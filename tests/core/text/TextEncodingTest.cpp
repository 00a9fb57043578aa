#include <gtest/gtest.h>

#include <string>

#include "core/text/TextEncoding.h"

namespace tagsmith {
namespace {

struct ValidityCase {
    const char* name;
    std::string bytes;
    bool valid;
};

TEST(Utf8ValidityTest, AcceptsWellFormedAndRejectsEveryIllFormedKind) {
    const ValidityCase cases[] = {
        {"empty", "", true},
        {"ascii", "plain text\r\n", true},
        {"two-byte", "caf\xC3\xA9", true},
        {"three-byte euro", "\xE2\x82\xAC", true},
        {"four-byte emoji", "\xF0\x9F\x98\x80", true},
        {"highest code point", "\xF4\x8F\xBF\xBF", true},
        {"last before surrogates", "\xED\x9F\xBF", true},
        {"first after surrogates", "\xEE\x80\x80", true},
        {"overlong slash C0", "\xC0\xAF", false},
        {"overlong C1", "\xC1\xBF", false},
        {"overlong three-byte", "\xE0\x80\xAF", false},
        {"overlong four-byte", "\xF0\x8F\xBF\xBF", false},
        {"high surrogate", "\xED\xA0\x80", false},
        {"low surrogate", "\xED\xBF\xBF", false},
        {"above U+10FFFF", "\xF4\x90\x80\x80", false},
        {"lead F5", "\xF5\x80\x80\x80", false},
        {"lead FF", "\xFF", false},
        {"stray continuation", "a\x80z", false},
        {"truncated two-byte at end", "caf\xC3", false},
        {"truncated three-byte at end", "\xE2\x82", false},
        {"truncated then ascii", "\xE2\x82z", false},
        {"windows-1252 e acute", "caf\xE9", false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(IsValidUtf8(c.bytes), c.valid) << c.name;
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
    const std::string text =
        "a\xF0\x9F\x98\x80"
        "b\xC3\xA9";
    for (std::size_t cut = 0; cut <= text.size(); ++cut) {
        Utf8Validator validator;
        validator.Feed(std::string_view(text).substr(0, cut));
        validator.Feed(std::string_view(text).substr(cut));
        EXPECT_TRUE(validator.IsValid()) << "cut at " << cut;
    }
    Utf8Validator open;
    open.Feed("\xF0\x9F");
    EXPECT_FALSE(open.IsValid());
    Utf8Validator broken;
    broken.Feed("\xC3");
    broken.Feed("z\xC3\xA9");
    EXPECT_FALSE(broken.IsValid());  // stays invalid after a later good sequence
}

TEST(Windows1252MappingTest, HighControlRangeFollowsTheCodePageTable) {
    const struct {
        unsigned char code;
        char32_t codePoint;
    } cases[] = {
        {0x41, U'A'},   {0x80, 0x20AC}, {0x81, 0x0081}, {0x82, 0x201A}, {0x8A, 0x0160},
        {0x8C, 0x0152}, {0x8D, 0x008D}, {0x8F, 0x008F}, {0x90, 0x0090}, {0x92, 0x2019},
        {0x96, 0x2013}, {0x99, 0x2122}, {0x9D, 0x009D}, {0x9F, 0x0178}, {0xA0, 0x00A0},
        {0xE9, 0x00E9}, {0xFF, 0x00FF},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Windows1252ToCodePoint(c.code), c.codePoint) << int{c.code};
        EXPECT_EQ(CodePointToWindows1252(c.codePoint), int{c.code}) << int{c.code};
    }
    // C1 controls whose codes hold printable characters, and characters outside the code page.
    for (const char32_t codePoint :
         {char32_t{0x80}, char32_t{0x85}, char32_t{0x9F}, char32_t{0x0100}, char32_t{0x0416},
          char32_t{0x4E2D}, char32_t{0x1F600}}) {
        EXPECT_EQ(CodePointToWindows1252(codePoint), -1) << static_cast<unsigned>(codePoint);
    }
}

TEST(DecodeTest, ConvertsTextOfEitherEncodingToWindows1252) {
    const struct {
        const char* name;
        std::string bytes;
        std::string expected;
    } cases[] = {
        {"utf-8 accents", "caf\xC3\xA9 \xC3\x9F", "caf\xE9 \xDF"},
        {"utf-8 euro and quotes", "\xE2\x82\xAC \xE2\x80\x9Cx\xE2\x80\x9D", "\x80 \x93x\x94"},
        {"cyrillic is unrepresentable", "\xD0\x96x", "\x81x"},
        {"cjk is one unrepresentable char",
         "a\xE4\xB8\xAD"
         "b",
         "a\x81"
         "b"},
        {"emoji", "\xF0\x9F\x98\x80", "\x81"},
        {"bom dropped", "\xEF\xBB\xBFhi \xC3\xA9", "hi \xE9"},
        {"invalid utf-8 read as windows-1252", "caf\xE9 \x80", "caf\xE9 \x80"},
        {"bom dropped before windows-1252",
         "\xEF\xBB\xBF"
         "caf\xE9",
         "caf\xE9"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(DecodeTextToWindows1252(c.bytes), c.expected) << c.name;
    }
    EXPECT_EQ(DecodeToWindows1252("caf\xC3\xA9", TextEncoding::Windows1252), "caf\xC3\xA9");
    EXPECT_EQ(DecodeToWindows1252("caf\xC3\xA9", TextEncoding::Utf8), "caf\xE9");
}

TEST(DecodeTest, TypedTextKeepsInvalidBytesAsWindows1252) {
    EXPECT_EQ(Utf8ToWindows1252("na\xC3\xAFve"), "na\xEFve");
    EXPECT_EQ(Utf8ToWindows1252("na\xEFve"), "na\xEFve");  // a lone cp1252 byte
    EXPECT_EQ(Utf8ToWindows1252("\xE2\x82"), "\xE2\x82");
}

TEST(DecodeTest, RoundTripsBetweenUtf8AndCodePoints) {
    std::string all;
    for (int code = 1; code < 256; ++code) all += static_cast<char>(code);
    const std::string utf8 = Windows1252ToUtf8(all);
    EXPECT_TRUE(IsValidUtf8(utf8));
    EXPECT_EQ(Utf8ToWindows1252(utf8), all);

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
