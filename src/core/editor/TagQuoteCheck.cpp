#include "core/editor/TagQuoteCheck.h"

namespace tagsmith {

namespace {

bool EndsValue(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '/' || c == '>';
}

}  // namespace

bool TagValueHoldsQuote(std::string_view tag) {
    // Quotes open only after "=" (an attribute value); inside a value nothing counts but the
    // closing quote of its own kind.
    char open = 0;
    for (std::size_t i = 0; i < tag.size(); ++i) {
        const char c = tag[i];
        if (open != 0) {
            if (c != open) continue;
            if (open == '"' && i + 1 < tag.size() && !EndsValue(tag[i + 1])) return true;
            open = 0;
            continue;
        }
        if (c == '"') {
            // A quote that starts no value: the stray end of one that was cut short.
            std::size_t j = i;
            while (j > 0 && (tag[j - 1] == ' ' || tag[j - 1] == '\t')) --j;
            if (j == 0 || tag[j - 1] != '=') return true;
            open = '"';
        } else if (c == '\'') {
            std::size_t j = i;
            while (j > 0 && (tag[j - 1] == ' ' || tag[j - 1] == '\t')) --j;
            if (j > 0 && tag[j - 1] == '=') open = '\'';
        }
    }
    return open == '"';
}

}  // namespace tagsmith
