// Decoding in the bytes' own buffer must give what decoding into a new string gives.
#include <gtest/gtest.h>

#include <array>
#include <random>
#include <string>

#include "core/text/TextEncoding.h"

namespace tagsmith::test {
namespace {

// Bytes mixing ASCII, valid sequences of every length, and broken or cut sequences.
std::string RandomBytes(std::mt19937& random) {
    static constexpr std::array<std::string_view, 12> kPieces = {
        "a",        "Caf",  "\xC3\xA9", "\xE2\x82\xAC", "\xF0\x9F\x98\x80", "\xC3",
        "\xE2\x82", "\x80", "\xFF",     "\xED\xA0\x80", "\xEF\xBB\xBF",     "\xE2\x80\x94"};
    std::string bytes;
    const int pieces = std::uniform_int_distribution<int>(0, 40)(random);
    for (int k = 0; k < pieces; ++k) {
        bytes += kPieces[std::uniform_int_distribution<std::size_t>(0, kPieces.size() - 1)(random)];
    }
    return bytes;
}

TEST(DecodeInPlaceTest, DecodingInPlaceGivesWhatDecodingIntoANewStringGives) {
    std::mt19937 random(3);
    for (int round = 0; round < 5000; ++round) {
        const std::string bytes = RandomBytes(random);
        for (const TextEncoding encoding : {TextEncoding::Utf8, TextEncoding::Windows1252}) {
            std::string inPlace = bytes;
            DecodeToWindows1252InPlace(inPlace, encoding);
            ASSERT_EQ(inPlace, DecodeToWindows1252(bytes, encoding)) << bytes;
        }
    }
}

}  // namespace
}  // namespace tagsmith::test
