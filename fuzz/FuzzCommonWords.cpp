// A common-word file, and look-ups in the list read from it.
#include <algorithm>
#include <cstdint>

#include "FuzzInput.h"
#include "core/engine/CommonWordLists.h"

using namespace tagsmith;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input = fuzz::AsView(data, size);
    const std::string path = fuzz::WriteInputFile(input, ".txt");
    CommonWordLists lists;
    lists.LoadCommonWords(0, path);
    const std::vector<std::string>& words = lists.Words(0);
    if (words.size() > CommonWordLists::kMaxWords) __builtin_trap();
    if (!std::is_sorted(words.begin(), words.end())) __builtin_trap();
    if (std::adjacent_find(words.begin(), words.end()) != words.end()) __builtin_trap();
    for (const std::string& word : words) {
        if (!lists.IsCommonLowerWord(word, 0)) __builtin_trap();
    }
    lists.IsCommonWord(std::string(input.substr(0, 40)), 0);
    return 0;
}
