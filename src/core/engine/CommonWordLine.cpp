#include "core/engine/CommonWordLine.h"

#include <algorithm>

#include "core/engine/CommonWordLists.h"
#include "core/text/CharacterRules.h"

namespace tagsmith {
namespace {

constexpr std::string_view kNoBreakSpace = "\xC2\xA0";
constexpr std::string_view kFrenchWordExtras = "-'";

}  // namespace

bool AddCommonWordsFromLine(std::string line, bool french, std::vector<std::string>& words) {
    std::replace_if(
        line.begin(), line.end(), [](char c) { return c == '\t' || c == '\n' || c == '\r'; }, ' ');
    for (std::size_t at = line.find(kNoBreakSpace); at != std::string::npos;
         at = line.find(kNoBreakSpace, at)) {
        line.replace(at, kNoBreakSpace.size(), "  ");
    }
    const std::string_view extras = french ? kFrenchWordExtras : std::string_view{};
    std::size_t position = 0;
    // The last character is the blank the loader appends; it never starts a word.
    while (position + 1 < line.size()) {
        if (WordCharLength(line, position) == 0) {
            ++position;
            continue;
        }
        const std::size_t length = WordLength(line, position, false, extras);
        if (!InsertCommonWordSorted(line.substr(position, length), words)) return false;
        position += length + 1;
    }
    return true;
}

bool InsertCommonWordSorted(const std::string& word, std::vector<std::string>& words) {
    if (word.empty()) return true;
    const auto place = std::lower_bound(words.begin(), words.end(), word);
    if (place != words.end() && *place == word) return true;
    if (words.size() >= CommonWordLists::kMaxWords) return false;
    words.insert(place, word);
    return true;
}

}  // namespace tagsmith
