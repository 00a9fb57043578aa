#pragma once

#include <cstddef>
#include <filesystem>

namespace tagsmith {

// What a look at the first characters of a common-word file found. The numbers are those the
// loader has always used: below 1 the list is not available.
enum class ListFileClass {
    Missing = -1,
    Empty = -2,
    ControlCharacter = 0,  // a code below 32 other than 8, 9, 10, 12, 13
    CrLf = 1,              // line feeds and carriage returns, or neither
    Lf = 2,                // line feeds only
    Cr = 3,                // carriage returns only
};

inline constexpr std::size_t kListFileLookAhead = 16384;

// Looks at no more than `maximum` bytes of the file. On ControlCharacter, `offending` holds
// the code found.
ListFileClass ClassifyListFile(const std::filesystem::path& path, std::size_t maximum,
                               int& offending);

}  // namespace tagsmith
