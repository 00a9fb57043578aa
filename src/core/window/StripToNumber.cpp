#include "core/window/StripToNumber.h"

namespace tagsmith {

void StripToNumber(std::string& text, bool allowMinus) {
    bool digitSeen = false;
    bool plusSeen = false;
    bool minusSeen = false;
    std::string kept;
    kept.reserve(text.size());
    for (const char c : text) {
        if (c >= '0' && c <= '9') {
            digitSeen = true;
            kept += c;
        } else if (c == '+' && !digitSeen && !plusSeen) {
            plusSeen = true;
            kept += c;
        } else if (c == '-' && allowMinus && !digitSeen && !minusSeen) {
            minusSeen = true;
            kept += c;
        }
    }
    text = std::move(kept);
}

}  // namespace tagsmith
