#pragma once

#include <cstddef>
#include <functional>
#include <string_view>

namespace tagsmith {

// Hashes std::string and std::string_view alike, so that hashed containers of strings can be
// searched with a view without building a string.
struct StringHash {
    using is_transparent = void;
    std::size_t operator()(std::string_view text) const {
        return std::hash<std::string_view>{}(text);
    }
};

}  // namespace tagsmith
