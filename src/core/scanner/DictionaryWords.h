#pragma once

#include <cstddef>
#include <memory>
#include <string_view>
#include <vector>

namespace tagsmith {

// Cuts text of the scripts written without spaces (Chinese, Japanese, Thai, Lao, Khmer, Myanmar)
// into words with ICU's dictionary-based word break rules. The break iterator is made on first
// use and kept for the rest of the scan; copies share it.
class DictionaryWords {
public:
    // The byte lengths of the words of `run` (a run of word characters), in order; their sum is
    // the run's length.
    std::vector<std::size_t> WordLengths(std::string_view run);

private:
    struct Breaker;
    std::shared_ptr<Breaker> m_breaker;
};

}  // namespace tagsmith
