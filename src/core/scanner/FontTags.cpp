#include "core/scanner/FontTags.h"

#include <cmath>

#include "core/scanner/PhpSections.h"
#include "core/scanner/RestOfLineLookAhead.h"
#include "core/text/StringOperations.h"

namespace tagsmith {
namespace {

constexpr std::string_view kFont = "font";
constexpr std::string_view kSize = "size";
constexpr std::size_t kNotFound = std::string_view::npos;

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// The longest decimal number (digits, optionally a point and more digits) at the start of text
// after any spaces; 0 when there is none.
double LeadingNumber(std::string_view text) {
    std::size_t pos = 0;
    while (pos < text.size() && text[pos] == ' ') ++pos;
    double value = 0.0;
    for (; pos < text.size() && IsDigit(text[pos]); ++pos) value = value * 10.0 + (text[pos] - '0');
    if (pos < text.size() && text[pos] == '.') {
        double scale = 0.1;
        for (++pos; pos < text.size() && IsDigit(text[pos]); ++pos, scale /= 10.0) {
            value += scale * (text[pos] - '0');
        }
    }
    return value;
}

double RoundHalfToEven(double value) {
    const double floor = std::floor(value);
    const double fraction = value - floor;
    if (fraction > 0.5) return floor + 1.0;
    if (fraction < 0.5) return floor;
    return std::fmod(floor, 2.0) == 0.0 ? floor : floor + 1.0;
}

}  // namespace

std::int32_t FontSizeFromAttribute(std::string_view line, std::size_t pos,
                                   std::int32_t currentSize) {
    const char first = line[pos];
    double size = 0.0;
    if (first == '+') {
        size = currentSize + LeadingNumber(line.substr(pos + 1));
    } else if (first == '-') {
        size = currentSize - LeadingNumber(line.substr(pos + 1));
    } else {
        size = LeadingNumber(line.substr(pos));
    }
    size = RoundHalfToEven(size);
    if (!(size >= kMinFontSize)) return kMinFontSize;
    if (size > kMaxFontSize) return kMaxFontSize;
    return static_cast<std::int32_t>(size);
}

void ProcessFontTag(ScanState& state) {
    const std::string& line = state.CurrentLine;
    if (state.LookAhead.PhpOpenerAhead(line, state.Position) || state.FontTrackingOff) {
        // Sizes computed by a script cannot be followed: stop tracking them altogether.
        SkipPhpSectionsInTag(state);
        const std::size_t close = line.find('>', state.Position);
        if (close != kNotFound) {
            --state.TagDepth;
            state.Position = close + 1;
        }
        state.FontTagOpen = false;
        state.InTag = false;
        state.FontTrackingOff = true;
        return;
    }

    state.Position += kFont.size();
    state.FontTagOpen = true;
    state.FontSizeStack.push_back(state.FontSize);
    // The look-ahead ignores spaces; "si ze" is no size attribute in the line itself.
    const std::size_t size = state.LookAhead.FontSizeBeforeNextFont(line, state.Position)
                                 ? state.LookAhead.FindSizeIgnoringCase(line, state.Position)
                                 : kNotFound;
    if (size != kNotFound) {
        state.Position = FindAnyOf(line, size + kSize.size(), "-+0123456789");
        if (state.Position < line.size()) {
            state.FontSize = FontSizeFromAttribute(line, state.Position, state.FontSize);
        }
    }
    EndFontStartTag(state);
}

void EndFontStartTag(ScanState& state) {
    const std::string& line = state.CurrentLine;
    state.Position = FindAnyOf(line, state.Position, ">");
    if (state.Position < line.size() - 1) {
        --state.TagDepth;
        ++state.Position;
        state.FontTagOpen = false;
        state.InTag = false;
    }
}

void ProcessFontEndTag(ScanState& state) {
    if (!state.FontTrackingOff && !state.FontSizeStack.empty()) {
        state.FontSize = state.FontSizeStack.back();
        state.FontSizeStack.pop_back();
    }
    const std::size_t close = state.CurrentLine.find('>', state.Position);
    state.Position = close == kNotFound ? state.CurrentLine.size() : close + 1;
}

}  // namespace tagsmith
