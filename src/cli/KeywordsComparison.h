#pragma once

#include <string>
#include <vector>

#include "cli/DocumentReport.h"

namespace tagsmith {

// The keywords of the tag insert would replace (replacedTag; empty: none, insert adds one)
// against the composed keywords. stale is whether insert would change the document (changes);
// added and dropped are the words only one list holds, repeated the words the replaced tag
// holds more than once.
Freshness CompareKeywords(const std::string& replacedTag,
                          const std::vector<std::string>& composedKeywords, bool changes);

// The line "check" prints for a stale document ("" when up to date): "FILE: stale (REASON)",
// the reason "no keywords tag", or "+added, ...; -dropped, ...; repeated: word, ..." as far as
// each list holds words, else "order" when only the order differs, else "markup" (the keywords
// are the same, insert would rewrite the tag or the head around it).
std::string StaleLine(const std::string& file, const Freshness& freshness);

}  // namespace tagsmith
