#pragma once

#include <cstdint>
#include <cstring>
#include <memory>
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
    // The first block is small: most documents hold far fewer words than a full block.
    static constexpr std::size_t kFirstBlockSize = std::size_t{1} << 14;

    Address NewBlock(std::size_t size);

    // A block's bytes never move, and are not set before a word is copied into them (a table
    // that is copied copies its blocks whole).
    struct Block {
        explicit Block(std::size_t size)
            : bytes(std::make_unique_for_overwrite<char[]>(size)), size(size) {}
        Block(const Block& other) : Block(other.size) {
            std::memcpy(bytes.get(), other.bytes.get(), size);
        }
        Block(Block&&) noexcept = default;
        Block& operator=(Block other) noexcept {
            std::swap(bytes, other.bytes);
            std::swap(size, other.size);
            return *this;
        }
        ~Block() = default;
        char* data() const { return bytes.get(); }

        std::unique_ptr<char[]> bytes;
        std::size_t size;
    };
    std::vector<Block> m_blocks;
    std::size_t m_used = 0;      // bytes used in the last block
    std::size_t m_capacity = 0;  // size of the last block (0: a new block is needed first)
};

}  // namespace tagsmith
