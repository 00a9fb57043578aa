#include "core/scanner/MarkupMarkers.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <string_view>

#include "core/text/CharacterRules.h"

namespace tagsmith {
namespace {

struct Replacement {
    std::string_view sought;
    char marker;
    bool ignoreCase;
};

// In the order in which they are made; the first block applies to every line, the second only
// to lines that keep their case.
constexpr std::array<Replacement, 27> kAlwaysReplaced = {{
    {"&nbsp;", ' ', false},
    {"&#160;", ' ', false},
    {"&quot;", '"', false},
    {"&laquo;", '"', false},
    {"&raquo;", '"', false},
    {"<b>", marker::kBoldStart, false},
    {"</b>", marker::kBoldEnd, false},
    {"<strong>", marker::kBoldStart, false},
    {"</strong>", marker::kBoldEnd, false},
    {"<i>", marker::kItalicStart, false},
    {"</i>", marker::kItalicEnd, false},
    {"<em>", marker::kItalicStart, false},
    {"</em>", marker::kItalicEnd, false},
    {"<title>", marker::kTitleStart, false},
    {"</title>", marker::kTitleEnd, false},
    {"<h1>", marker::kH1, false},
    {"</h1>", marker::kHeadingEnd, false},
    {"<h2>", marker::kH2, false},
    {"</h2>", marker::kHeadingEnd, false},
    {"<h3>", marker::kH3, false},
    {"</h3>", marker::kHeadingEnd, false},
    {"<h4>", marker::kH4, false},
    {"</h4>", marker::kHeadingEnd, false},
    {"<h5>", marker::kH5, false},
    {"</h5>", marker::kHeadingEnd, false},
    {"<h6>", marker::kH6, false},
    {"</h6>", marker::kHeadingEnd, false},
}};

constexpr std::array<Replacement, 22> kReplacedWhenCaseKept = {{
    {"<B>", marker::kBoldStart, false},     {"</B>", marker::kBoldEnd, false},
    {"<I>", marker::kItalicStart, false},   {"</I>", marker::kItalicEnd, false},
    {"<STRONG>", marker::kBoldStart, true}, {"</STRONG>", marker::kBoldEnd, true},
    {"<EM>", marker::kItalicStart, true},   {"</EM>", marker::kItalicEnd, true},
    {"<TITLE>", marker::kTitleStart, true}, {"</TITLE>", marker::kTitleEnd, true},
    {"<H1>", marker::kH1, false},           {"</H1>", marker::kHeadingEnd, false},
    {"<H2>", marker::kH2, false},           {"</H2>", marker::kHeadingEnd, false},
    {"<H3>", marker::kH3, false},           {"</H3>", marker::kHeadingEnd, false},
    {"<H4>", marker::kH4, false},           {"</H4>", marker::kHeadingEnd, false},
    {"<H5>", marker::kH5, false},           {"</H5>", marker::kHeadingEnd, false},
    {"<H6>", marker::kH6, false},           {"</H6>", marker::kHeadingEnd, false},
}};

constexpr std::size_t kLongestSought = 9;  // "</strong>"

// True when a sought text may start at pos, judged by the characters after its "<" or "&": the
// names b, strong, i, em, title and h1-h6 (in either case), or the entities above.
bool MayStartAt(std::string_view line, std::size_t pos) {
    if (pos + 2 >= line.size()) return false;
    const auto isNameStart = [](char c) {
        const char folded = FoldCase(c);
        return folded == 'b' || folded == 's' || folded == 'i' || folded == 'e' || folded == 't' ||
               folded == 'h';
    };
    const char next = line[pos + 1];
    if (line[pos] == '&') {
        return next == 'n' || next == '#' || next == 'q' || next == 'l' || next == 'r';
    }
    return isNameStart(next) || (next == '/' && isNameStart(line[pos + 2]));
}

// The length a sought text must have to stand at pos: every one ends at the first ">" (after a
// "<") or the first ";" (after an "&") that follows its start. 0 when none is near enough.
std::size_t CandidateLength(std::string_view line, std::size_t pos) {
    const char close = line[pos] == '<' ? '>' : ';';
    const std::size_t end = std::min(line.size(), pos + kLongestSought);
    for (std::size_t k = pos + 1; k < end; ++k) {
        if (line[k] == close) return k - pos + 1;
    }
    return 0;
}

// True when r's text stands at pos; `length` is the candidate length there.
inline bool MatchesAt(std::string_view line, std::size_t pos, std::size_t length,
                      const Replacement& r) {
    // Cheap rejections first: most tags of a page are none of these.
    if (r.sought.size() != length || FoldCase(line[pos + 1]) != FoldCase(r.sought[1])) {
        return false;
    }
    if (!r.ignoreCase) return line.compare(pos, length, r.sought) == 0;
    for (std::size_t k = 0; k < r.sought.size(); ++k) {
        if (FoldCase(line[pos + k]) != FoldCase(r.sought[k])) return false;
    }
    return true;
}

// The first replacement of the lists, in their order, whose text stands at pos; nullptr if none.
// The replacements of a list grouped by the length of their text, each group in list order.
template <std::size_t N>
struct ByLength {
    std::array<std::array<std::uint8_t, N>, kLongestSought + 1> members{};
    std::array<std::uint8_t, kLongestSought + 1> count{};
};

template <std::size_t N>
constexpr ByLength<N> GroupByLength(const std::array<Replacement, N>& replacements) {
    ByLength<N> groups{};
    for (std::size_t k = 0; k < N; ++k) {
        const std::size_t length = replacements[k].sought.size();
        groups.members[length][groups.count[length]++] = static_cast<std::uint8_t>(k);
    }
    return groups;
}

constexpr auto kAlwaysByLength = GroupByLength(kAlwaysReplaced);
constexpr auto kCaseKeptByLength = GroupByLength(kReplacedWhenCaseKept);

template <std::size_t N>
const Replacement* FirstMatchAt(std::string_view line, std::size_t pos, std::size_t length,
                                const std::array<Replacement, N>& replacements,
                                const ByLength<N>& groups) {
    for (std::size_t k = 0; k < groups.count[length]; ++k) {
        const Replacement& r = replacements[groups.members[length][k]];
        if (MatchesAt(line, pos, length, r)) return &r;
    }
    return nullptr;
}

// Finds the "<" and "&" of a line from left to right, each with a fast search of its own.
class OpenerFinder {
public:
    explicit OpenerFinder(std::string_view line)
        : m_line(line), m_lessThan(line.find('<')), m_ampersand(line.find('&')) {}
    // The first "<" or "&" at or after pos; npos when none.
    std::size_t From(std::size_t pos) {
        if (m_lessThan < pos) m_lessThan = m_line.find('<', pos);
        if (m_ampersand < pos) m_ampersand = m_line.find('&', pos);
        return std::min(m_lessThan, m_ampersand);
    }

private:
    std::string_view m_line;
    std::size_t m_lessThan;  // the last "<" found, npos when there is no more
    std::size_t m_ampersand;
};

}  // namespace

void SubstituteMarkupMarkers(std::string& line, bool lowerCased) {
    // Made in one pass from left to right, with the effect of replacing every text of the lists
    // in turn: each sought text starts with "<" and ends with ">" (or "&" and ";") and has
    // neither inside, so two occurrences either stand apart or are the same text, and no
    // replacing character is part of any sought text. Where several texts match, the first in
    // the lists would have been replaced first.
    // In place: each replacement is shorter than its text, so the result [0, written) never
    // reaches the part [copied, end) that is still read.
    OpenerFinder openers(line);
    std::size_t pos = openers.From(0);
    if (pos == std::string::npos) return;
    std::size_t written = 0;
    std::size_t copied = 0;
    while (pos != std::string::npos) {
        const std::size_t length = MayStartAt(line, pos) ? CandidateLength(line, pos) : 0;
        const Replacement* match =
            length == 0 ? nullptr
                        : FirstMatchAt(line, pos, length, kAlwaysReplaced, kAlwaysByLength);
        if (match == nullptr && length != 0 && !lowerCased) {
            match = FirstMatchAt(line, pos, length, kReplacedWhenCaseKept, kCaseKeptByLength);
        }
        if (match == nullptr) {
            pos = openers.From(pos + 1);
            continue;
        }
        std::copy(line.begin() + static_cast<std::ptrdiff_t>(copied),
                  line.begin() + static_cast<std::ptrdiff_t>(pos),
                  line.begin() + static_cast<std::ptrdiff_t>(written));
        written += pos - copied;
        line[written++] = match->marker;
        copied = pos + match->sought.size();
        pos = openers.From(copied);
    }
    if (copied == 0) return;
    std::copy(line.begin() + static_cast<std::ptrdiff_t>(copied), line.end(),
              line.begin() + static_cast<std::ptrdiff_t>(written));
    line.resize(written + (line.size() - copied));
}

}  // namespace tagsmith
