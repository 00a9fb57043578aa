#include "core/window/LimitBoxes.h"

#include "core/model/GeneratorSettings.h"
#include "core/window/StripToNumber.h"

namespace tagsmith {

namespace {

// The value of a stripped number ("+" and digits); saturates far above any limit instead of
// overflowing on a long text.
long NumberValue(const std::string& stripped) {
    constexpr long kCeiling = 1'000'000'000L;
    long value = 0;
    for (const char c : stripped) {
        if (c < '0' || c > '9') continue;
        value = value * 10 + (c - '0');
        if (value > kCeiling) value = kCeiling;
    }
    return value;
}

std::string LimitMessage(const char* sentence, int number) {
    return std::string(sentence) + " " + std::to_string(number) + ".";
}

}  // namespace

LimitBoxCheck CheckMaxKeywordsBox(std::string text) {
    StripToNumber(text, false);
    LimitBoxCheck check;
    check.stripped = text;
    check.text = text.empty() ? std::to_string(kDefaultMaxKeywords) : text;
    if (text.empty()) return check;
    const long n = NumberValue(text);
    if (n < kMinKeywords) {
        check.message = LimitMessage("Minimum number of keywords in the meta tag is", kMinKeywords);
    } else if (n > kMaxKeywords) {
        check.message = LimitMessage("Maximum number of keywords in the meta tag is", kMaxKeywords);
    } else {
        return check;
    }
    check.text = std::to_string(kDefaultMaxKeywords);
    check.title = "Number of keywords";
    check.icon = MessageIcon::Information;
    check.refocus = true;
    return check;
}

LimitBoxCheck CheckMaxBytesBox(std::string text) {
    StripToNumber(text, false);
    LimitBoxCheck check;
    check.stripped = text;
    check.text = text;
    if (text.empty() || NumberValue(text) <= kMaxBytes) return check;
    check.message = LimitMessage("Maximum number of bytes in the meta tag is", kMaxBytes);
    check.text = std::to_string(kDefaultMaxBytes);
    check.title = kApplicationTitle;
    check.icon = MessageIcon::None;
    check.refocus = true;
    return check;
}

}  // namespace tagsmith
