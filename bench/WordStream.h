#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace tagsmith::bench {

// One occurrence as the scanner hands it to the word table.
struct WordOccurrence {
    std::string word;
    float weight = 3.0f;
    bool exempt = false;
};

// A reproducible stream of occurrences whose words follow a Zipf law over a vocabulary of
// made-up words, as word frequencies do in real text. Some occurrences use the plural form or a
// capitalised form of their word, so that the plural rule and the merging of case variants have
// work to do; the weights mix body text, bold text, headings, titles and zero weights.
class WordStream {
public:
    WordStream(std::size_t vocabulary, std::size_t occurrences, std::uint64_t seed = 1);

    const std::vector<WordOccurrence>& Occurrences() const { return m_occurrences; }
    // Total length of the words, for throughput figures.
    std::size_t Bytes() const { return m_bytes; }

private:
    std::vector<WordOccurrence> m_occurrences;
    std::size_t m_bytes = 0;
};

// A made-up lower-case word for a vocabulary rank: syllables, 3 to 13 letters.
std::string MadeUpWord(std::size_t rank);

}  // namespace tagsmith::bench
