#include "core/scanner/MarkupMarkers.h"

#include <array>
#include <string_view>

#include "core/scanner/StringOperations.h"

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

template <std::size_t N>
void ApplyReplacements(std::string& line, const std::array<Replacement, N>& replacements) {
    for (const Replacement& r : replacements) {
        const std::string_view with(&r.marker, 1);
        line = r.ignoreCase ? ReplaceIgnoringCase(line, r.sought, with)
                            : ReplaceAll(line, r.sought, with);
    }
}

}  // namespace

void SubstituteMarkupMarkers(std::string& line, bool lowerCased) {
    // Every sought text begins with "<" or "&".
    if (line.find_first_of("<&") == std::string::npos) return;
    ApplyReplacements(line, kAlwaysReplaced);
    if (!lowerCased) ApplyReplacements(line, kReplacedWhenCaseKept);
}

}  // namespace tagsmith
