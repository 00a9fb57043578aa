#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "cli/DocumentReport.h"
#include "core/engine/WordTable.h"

namespace tagsmith {

// The parts of the composer's output-box text: the tag line and its two counts, or the no-words
// text as the message.
ComposedTag ParseComposedTag(std::string_view outputText);

// The rows the word list report shows (value not 0), from the table it is written from.
std::vector<ListedWord> ListedWords(const WordTable& table, std::int64_t totalWords);

// The first title, description and keywords entry of the head report, and its failure line.
ExistingTags ParseExistingTags(std::string_view headReport);

// The keywords of a meta tag's content attribute (double or single quotes, any letter case):
// split at commas, blanks around each trimmed, empty items dropped. None without the attribute.
std::vector<std::string> KeywordsOfTag(std::string_view tag);

// Whether the existing keywords tag (absent: none) differs from the composed tag: the keyword
// lists are compared in order; added and dropped are the words only one of them holds.
Freshness CompareKeywords(const std::optional<std::string>& existingTag,
                          std::string_view composedTag);

}  // namespace tagsmith
