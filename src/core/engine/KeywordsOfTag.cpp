#include "core/engine/KeywordsOfTag.h"

#include <algorithm>

#include "core/text/AsciiLowerCase.h"

namespace tagsmith {

namespace {

std::string_view TrimBlanks(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
    return text;
}

}  // namespace

std::vector<std::string> KeywordsOfTag(std::string_view tag) {
    const std::string lower = AsciiLowerCase(tag);
    // A line can hold several meta tags: look in the one that names "keywords".
    const std::size_t name = lower.find("\"keywords\"");
    std::size_t at = name == std::string::npos ? 0 : lower.rfind("<meta", name);
    if (at == std::string::npos) at = 0;
    for (;;) {
        at = lower.find("content", at);
        if (at == std::string::npos) return {};
        std::size_t i = at + 7;
        while (i < lower.size() && lower[i] == ' ') ++i;
        if (i < lower.size() && lower[i] == '=') {
            ++i;
            while (i < lower.size() && lower[i] == ' ') ++i;
            at = i;
            break;
        }
        at = i;
    }
    std::string_view value = tag.substr(at);
    if (!value.empty() && (value.front() == '"' || value.front() == '\'')) {
        const char quote = value.front();
        value.remove_prefix(1);
        value = value.substr(0, value.find(quote));
    } else {
        value = value.substr(0, std::min(value.find(' '), value.find('>')));
    }
    std::vector<std::string> keywords;
    while (!value.empty()) {
        const std::size_t comma = value.find(',');
        const std::string_view item = TrimBlanks(value.substr(0, comma));
        if (!item.empty()) keywords.emplace_back(item);
        if (comma == std::string_view::npos) break;
        value.remove_prefix(comma + 1);
    }
    return keywords;
}

}  // namespace tagsmith
