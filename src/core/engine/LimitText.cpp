#include "core/engine/LimitText.h"

#include <algorithm>
#include <charconv>

#include "core/engine/RoundHalfEven.h"

namespace tagsmith {
namespace {

constexpr double kLimitBound = 1e9;

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

}  // namespace

std::int64_t LimitFromText(std::string_view text) {
    std::size_t start = 0;
    while (start < text.size() && (text[start] == ' ' || text[start] == '\t')) ++start;
    bool negative = false;
    if (start < text.size() && (text[start] == '+' || text[start] == '-')) {
        negative = text[start] == '-';
        ++start;
    }
    // The number is the digits, with at most one decimal point among them.
    std::size_t end = start;
    while (end < text.size() && IsDigit(text[end])) ++end;
    if (end < text.size() && text[end] == '.') {
        ++end;
        while (end < text.size() && IsDigit(text[end])) ++end;
    }
    double value = 0.0;
    const auto result = std::from_chars(text.data() + start, text.data() + end, value);
    if (result.ec == std::errc::result_out_of_range) value = kLimitBound;
    if (result.ec != std::errc() && result.ec != std::errc::result_out_of_range) return 0;
    value = std::min(value, kLimitBound);
    return RoundHalfEven(negative ? -value : value);
}

}  // namespace tagsmith
