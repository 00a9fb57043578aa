#include "core/engine/WordPool.h"

#include <cstring>
#include <stdexcept>

namespace tagsmith {

WordPool::Address WordPool::Add(std::string_view text) {
    Address address = 0;
    if (text.size() > kBlockSize) {
        // A text longer than a block gets a block of its own; the next text starts a new one.
        address = NewBlock(text.size());
        m_used = 0;
        m_capacity = 0;
    } else {
        // (A full block takes no more, not even an empty text, whose offset would not fit.)
        if (m_used == kBlockSize || m_used + text.size() > m_capacity) {
            const std::size_t size = m_blocks.empty() && text.size() <= kFirstBlockSize
                                         ? kFirstBlockSize
                                         : kBlockSize;
            NewBlock(size);
            m_used = 0;
            m_capacity = size;
        }
        address = static_cast<Address>(((m_blocks.size() - 1) << kOffsetBits) | m_used);
        m_used += text.size();
    }
    if (!text.empty()) std::memcpy(Data(address), text.data(), text.size());
    return address;
}

WordPool::Address WordPool::NewBlock(std::size_t size) {
    if (m_blocks.size() == kMaxBlocks) throw std::length_error("word pool full");
    m_blocks.emplace_back(size);
    return static_cast<Address>((m_blocks.size() - 1) << kOffsetBits);
}

void WordPool::Clear() {
    m_blocks.clear();
    m_used = 0;
    m_capacity = 0;
}

}  // namespace tagsmith
