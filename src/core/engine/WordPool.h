#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

namespace tagsmith {

// The texts of the word table's rows, stored back to back in blocks that never move, so that a
// row names its word by a 32-bit address and a length instead of owning a string. A word is
// never freed alone (the table only shortens or re-cases its words in place); Clear frees all.
class WordPool {
public:
    using Address = std::uint32_t;

    // Stores the text and returns its address. Throws std::length_error when the pool is full
    // (4 GiB of text).
    Address Add(std::string_view text);
    char* Data(Address address) {
        return m_blocks[address >> kOffsetBits].data() + (address & kOffsetMask);
    }
    const char* Data(Address address) const {
        return m_blocks[address >> kOffsetBits].data() + (address & kOffsetMask);
    }
    void Clear();

private:
    static constexpr unsigned kOffsetBits = 20;  // blocks of 1 MiB
    static constexpr std::size_t kBlockSize = std::size_t{1} << kOffsetBits;
    static constexpr Address kOffsetMask = static_cast<Address>(kBlockSize - 1);
    static constexpr std::size_t kMaxBlocks = std::size_t{1} << (32 - kOffsetBits);

    Address NewBlock(std::size_t size);

    std::vector<std::vector<char>> m_blocks;  // a block's bytes never move
    std::size_t m_used = kBlockSize;  // bytes used in the last block of kBlockSize
};

}  // namespace tagsmith
