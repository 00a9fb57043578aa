#include "cli/ReportParsing.h"

#include <algorithm>
#include <charconv>
#include <optional>

#include "core/text/AsciiLowerCase.h"
#include "core/engine/RoundHalfEven.h"
#include "core/text/TextEncoding.h"

namespace tagsmith {

namespace {

constexpr std::string_view kTagStart = "<meta name=\"keywords\" content=\"";
constexpr std::string_view kKeywordsLine = "Number of keywords in meta tag: ";
constexpr std::string_view kBytesLine = "Number of bytes in meta tag: ";

int NumberAfter(std::string_view text, std::string_view label) {
    const std::size_t at = text.find(label);
    if (at == std::string_view::npos) return 0;
    const char* const begin = text.data() + at + label.size();
    int value = 0;
    std::from_chars(begin, text.data() + text.size(), value);
    return value;
}

std::string Density(std::int32_t frequency, std::int64_t totalWords) {
    const double percent =
        totalWords > 0 ? static_cast<double>(frequency) * 100.0 / static_cast<double>(totalWords)
                       : 0.0;
    char buffer[64];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, percent, std::chars_format::fixed, 2);
    return std::string(buffer, result.ptr);
}

std::string_view TrimBlanks(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
    return text;
}

bool Contains(const std::vector<std::string>& words, const std::string& word) {
    return std::find(words.begin(), words.end(), word) != words.end();
}

}  // namespace

ComposedTag ParseComposedTag(std::string_view outputText) {
    ComposedTag composed;
    if (!outputText.starts_with(kTagStart)) {
        composed.message = std::string(outputText);
        return composed;
    }
    composed.tag = std::string(outputText.substr(0, outputText.find("\r\n")));
    composed.keywords = NumberAfter(outputText, kKeywordsLine);
    composed.bytes = NumberAfter(outputText, kBytesLine);
    return composed;
}

std::vector<ListedWord> ListedWords(const WordTable& table, std::int64_t totalWords) {
    std::vector<ListedWord> words;
    for (std::int32_t i = 1; i <= table.WordCount(); ++i) {
        const WordEntry& entry = table.Entry(i);
        const int value = static_cast<int>(RoundHalfEven(entry.KeyValue));
        if (value == 0) continue;
        words.push_back({i, value, entry.Frequency, Density(entry.Frequency, totalWords),
                         std::string(entry.Word)});
    }
    return words;
}

ExistingTags ParseExistingTags(std::string_view headReport) {
    constexpr std::string_view kEntryEnd = "\r\n\r\n";
    const std::pair<std::string_view, std::optional<std::string> ExistingTags::*> labels[] = {
        {"TITLE: ", &ExistingTags::title},
        {"DESCRIPTION meta tag: ", &ExistingTags::description},
        {"KEYWORDS meta tag: ", &ExistingTags::keywords},
    };
    ExistingTags existing;
    while (!headReport.empty()) {
        const std::size_t end = headReport.find(kEntryEnd);
        if (end == std::string_view::npos) {
            // The closing line: "No keywords meta tag found." or the failure line.
            if (!headReport.starts_with("No keywords meta tag found.")) {
                existing.error = std::string(headReport);
            }
            break;
        }
        const std::string_view entry = headReport.substr(0, end);
        headReport.remove_prefix(end + kEntryEnd.size());
        for (const auto& [label, field] : labels) {
            if (entry.starts_with(label) && !(existing.*field)) {
                existing.*field = std::string(entry.substr(label.size()));
            }
        }
    }
    return existing;
}

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

Freshness CompareKeywords(const std::optional<std::string>& existingTag,
                          std::string_view composedTag) {
    Freshness freshness;
    freshness.composedKeywords = KeywordsOfTag(composedTag);
    if (!existingTag) {
        freshness.stale = true;
        freshness.noKeywordsTag = true;
        freshness.added = freshness.composedKeywords;
        return freshness;
    }
    freshness.existingKeywords = KeywordsOfTag(*existingTag);
    freshness.stale = freshness.existingKeywords != freshness.composedKeywords;
    for (const std::string& word : freshness.composedKeywords) {
        if (!Contains(freshness.existingKeywords, word)) freshness.added.push_back(word);
    }
    for (const std::string& word : freshness.existingKeywords) {
        if (!Contains(freshness.composedKeywords, word)) freshness.dropped.push_back(word);
    }
    return freshness;
}

}  // namespace tagsmith
