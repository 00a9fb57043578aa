#pragma once

#include <string>

#include "core/engine/CommonWordLists.h"
#include "core/engine/IgnoreList.h"
#include "core/model/GeneratorSettings.h"

namespace tagsmith {

inline constexpr std::size_t kMaxWordLength = 60;

// The nine acceptance tests, in order; false when the occurrence must be dropped. Under the
// "Automatic" language the document's own language (detectedLanguage) picks the common words.
bool AcceptWord(const std::string& word, const GeneratorSettings& settings,
                const CommonWordLists& commonWords, const IgnoreList& ignoreList,
                int detectedLanguage = kEnglishPosition);

}  // namespace tagsmith
