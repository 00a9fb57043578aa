#include "WordStream.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <random>
#include <string_view>

namespace tagsmith::bench {
namespace {

constexpr std::array<std::string_view, 24> kSyllables = {
    "ka", "lo",  "mi", "ter", "ran", "po",  "sul", "ve", "din", "ga",  "bre", "tho",
    "ex", "qua", "ni", "mor", "al",  "ben", "cy",  "do", "fri", "gon", "ut",  "zel"};

// Cumulative Zipf weights (exponent 1) of the ranks 0..vocabulary-1.
std::vector<double> ZipfCumulative(std::size_t vocabulary) {
    std::vector<double> cumulative(vocabulary);
    double sum = 0.0;
    for (std::size_t rank = 0; rank < vocabulary; ++rank) {
        sum += 1.0 / static_cast<double>(rank + 1);
        cumulative[rank] = sum;
    }
    return cumulative;
}

// The weight of an occurrence and whether it stands in the title or the description.
void PickWeight(std::mt19937_64& random, WordOccurrence& occurrence) {
    const auto roll = std::uniform_int_distribution<int>(0, 999)(random);
    occurrence.exempt = roll < 50;
    if (roll < 20) {
        occurrence.weight = 0.0f;  // a title weighted "10"
    } else if (roll < 30) {
        occurrence.weight = 80.0f;  // title
    } else if (roll < 50) {
        occurrence.weight = 50.0f;  // description
    } else if (roll < 90) {
        occurrence.weight = 28.0f;  // heading
    } else if (roll < 200) {
        occurrence.weight = 7.0f;  // bold
    } else if (roll < 260) {
        occurrence.weight = 4.0f;  // in a table
    } else {
        occurrence.weight = 3.0f;  // body text
    }
}

}  // namespace

std::string MadeUpWord(std::size_t rank) {
    std::string word;
    std::size_t rest = rank;
    do {
        word += kSyllables[rest % kSyllables.size()];
        rest /= kSyllables.size();
    } while (rest > 0);
    if (word.size() < 3) word += "n";
    return word;
}

WordStream::WordStream(std::size_t vocabulary, std::size_t occurrences, std::uint64_t seed) {
    std::mt19937_64 random(seed);
    const std::vector<double> cumulative = ZipfCumulative(vocabulary);
    std::uniform_real_distribution<double> uniform(0.0, cumulative.back());
    std::uniform_int_distribution<int> percent(0, 99);
    m_occurrences.reserve(occurrences);
    for (std::size_t k = 0; k < occurrences; ++k) {
        const auto rank = static_cast<std::size_t>(
            std::lower_bound(cumulative.begin(), cumulative.end(), uniform(random)) -
            cumulative.begin());
        WordOccurrence occurrence;
        occurrence.word = MadeUpWord(std::min(rank, vocabulary - 1));
        const int form = percent(random);
        if (form < 12) {
            occurrence.word += 's';
        } else if (form < 20) {
            occurrence.word[0] = static_cast<char>(occurrence.word[0] - 'a' + 'A');
        }
        PickWeight(random, occurrence);
        m_bytes += occurrence.word.size();
        m_occurrences.push_back(std::move(occurrence));
    }
}

}  // namespace tagsmith::bench
