#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>

namespace tagsmith {

// The one to seven bytes of text from pos on as a number, the first byte lowest. Read with
// fixed-size loads where they may overlap: a copy of a variable length would call the library
// and stall the load that follows it, for every word.
inline std::uint64_t LastBytes(std::string_view text, std::size_t pos) {
    const std::size_t count = text.size() - pos;
    if constexpr (std::endian::native == std::endian::little) {
        if (text.size() >= 8) {
            std::uint64_t eight = 0;
            std::memcpy(&eight, text.data() + text.size() - 8, sizeof eight);
            return eight >> (8 * (8 - count));
        }
        if (count >= 4) {
            std::uint32_t low = 0;
            std::uint32_t high = 0;
            std::memcpy(&low, text.data() + pos, sizeof low);
            std::memcpy(&high, text.data() + text.size() - 4, sizeof high);
            return low | (static_cast<std::uint64_t>(high) << (8 * (count - 4)));
        }
    }
    std::uint64_t rest = 0;
    for (std::size_t k = text.size(); k-- > pos;) {
        rest = (rest << 8) | static_cast<unsigned char>(text[k]);
    }
    return rest;
}

// A quick hash of a short text (a word), eight bytes at a time, with a final mix so that the low
// bits serve as a table index. Asked several times for every word of a document.
inline std::uint64_t HashText(std::string_view text) {
    constexpr std::uint64_t kMultiplier = 0x9E3779B97F4A7C15ULL;
    std::uint64_t hash = kMultiplier ^ text.size();
    std::size_t pos = 0;
    for (; pos + 8 <= text.size(); pos += 8) {
        std::uint64_t eight = 0;
        std::memcpy(&eight, text.data() + pos, sizeof eight);
        hash = (hash ^ eight) * kMultiplier;
        hash ^= hash >> 29;
    }
    if (pos < text.size()) {
        hash = (hash ^ LastBytes(text, pos)) * kMultiplier;
    }
    hash ^= hash >> 32;
    hash *= 0xD6E8FEB86659FD93ULL;
    hash ^= hash >> 32;
    return hash;
}

// Hashes std::string and std::string_view alike, so that hashed containers of strings can be
// searched with a view without building a string.
struct StringHash {
    using is_transparent = void;
    std::size_t operator()(std::string_view text) const {
        return static_cast<std::size_t>(HashText(text));
    }
};

}  // namespace tagsmith
