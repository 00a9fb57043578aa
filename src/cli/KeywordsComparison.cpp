#include "cli/KeywordsComparison.h"

#include <algorithm>

#include "core/engine/KeywordsOfTag.h"

namespace tagsmith {

namespace {

bool Contains(const std::vector<std::string>& words, const std::string& word) {
    return std::find(words.begin(), words.end(), word) != words.end();
}

std::string Joined(const std::vector<std::string>& words, const std::string& mark) {
    std::string text;
    for (const std::string& word : words) text += (text.empty() ? "" : ", ") + mark + word;
    return text;
}

}  // namespace

Freshness CompareKeywords(const std::string& replacedTag,
                          const std::vector<std::string>& composedKeywords, bool changes) {
    Freshness freshness;
    freshness.stale = changes;
    freshness.composedKeywords = composedKeywords;
    if (replacedTag.empty()) {
        freshness.noKeywordsTag = true;
        freshness.added = composedKeywords;
        return freshness;
    }
    freshness.existingKeywords = KeywordsOfTag(replacedTag);
    const std::vector<std::string>& existing = freshness.existingKeywords;
    for (const std::string& word : composedKeywords) {
        if (!Contains(existing, word)) freshness.added.push_back(word);
    }
    for (auto word = existing.begin(); word != existing.end(); ++word) {
        if (!Contains(composedKeywords, *word)) {
            freshness.dropped.push_back(*word);
        } else if (std::find(existing.begin(), word, *word) != word &&
                   !Contains(freshness.repeated, *word)) {
            freshness.repeated.push_back(*word);
        }
    }
    return freshness;
}

std::string StaleLine(const std::string& file, const Freshness& freshness) {
    if (!freshness.stale) return {};
    std::string why;
    if (freshness.noKeywordsTag) {
        why = "no keywords tag";
    } else {
        for (const std::string& part :
             {Joined(freshness.added, "+"), Joined(freshness.dropped, "-"),
              freshness.repeated.empty() ? std::string()
                                         : "repeated: " + Joined(freshness.repeated, "")}) {
            if (!part.empty()) why += (why.empty() ? "" : "; ") + part;
        }
        if (why.empty()) {
            why = freshness.existingKeywords != freshness.composedKeywords ? "order" : "markup";
        }
    }
    return file + ": stale (" + why + ")\n";
}

}  // namespace tagsmith
