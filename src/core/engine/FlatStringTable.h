#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/engine/StringHash.h"

namespace tagsmith {

// A hash table from words to values, kept flat for speed: open addressing with linear probing
// in an array of hashes beside an array of entries (key and value together), so that a look-up
// reads one run of hashes and touches an entry only where the whole hash matches. Entries are
// only added (the table is filled once and then asked). Pointers to values stay valid until the
// table next changes.
template <typename Value>
class FlatStringTable {
public:
    const Value* Find(std::string_view key) const {
        const std::size_t slot = Locate(key, HashOf(key));
        return slot == kNone ? nullptr : &m_entries[slot].value;
    }
    Value* Find(std::string_view key) {
        const std::size_t slot = Locate(key, HashOf(key));
        return slot == kNone ? nullptr : &m_entries[slot].value;
    }

    // The key's value, made (default) when the key is new.
    Value& Insert(std::string_view key) {
        const std::uint64_t hash = HashOf(key);
        const std::size_t found = Locate(key, hash);
        if (found != kNone) return m_entries[found].value;
        if ((m_size + 1) * 2 > m_hashes.size()) Grow();
        std::size_t slot = static_cast<std::size_t>(hash) & Mask();
        while (m_hashes[slot] != kEmpty) slot = (slot + 1) & Mask();
        m_hashes[slot] = hash;
        m_entries[slot] = Entry{std::string(key), Value{}};
        ++m_size;
        return m_entries[slot].value;
    }

    void Clear() {
        m_hashes.clear();
        m_entries.clear();
        m_size = 0;
    }
    std::size_t Size() const { return m_size; }

private:
    static constexpr std::uint64_t kEmpty = 0;
    static constexpr std::size_t kNone = static_cast<std::size_t>(-1);
    static constexpr std::size_t kFirstCapacity = 64;

    // Never kEmpty (the one hash that is taken as 1 costs nothing but an extra comparison).
    static std::uint64_t HashOf(std::string_view key) {
        const std::uint64_t hash = HashText(key);
        return hash == kEmpty ? 1 : hash;
    }
    std::size_t Mask() const { return m_hashes.size() - 1; }

    std::size_t Locate(std::string_view key, std::uint64_t hash) const {
        if (m_hashes.empty()) return kNone;
        for (std::size_t slot = static_cast<std::size_t>(hash) & Mask(); m_hashes[slot] != kEmpty;
             slot = (slot + 1) & Mask()) {
            if (m_hashes[slot] == hash && m_entries[slot].key == key) return slot;
        }
        return kNone;
    }

    void Grow() {
        std::vector<std::uint64_t> hashes(std::max(kFirstCapacity, m_hashes.size() * 2), kEmpty);
        std::vector<Entry> entries(hashes.size());
        hashes.swap(m_hashes);
        entries.swap(m_entries);
        for (std::size_t old = 0; old < hashes.size(); ++old) {
            if (hashes[old] == kEmpty) continue;
            std::size_t slot = static_cast<std::size_t>(hashes[old]) & Mask();
            while (m_hashes[slot] != kEmpty) slot = (slot + 1) & Mask();
            m_hashes[slot] = hashes[old];
            m_entries[slot] = std::move(entries[old]);
        }
    }

    struct Entry {
        std::string key;
        Value value;
    };

    std::vector<std::uint64_t> m_hashes;  // kEmpty where no entry stands
    std::vector<Entry> m_entries;
    std::size_t m_size = 0;
};

}  // namespace tagsmith
