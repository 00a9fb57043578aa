#pragma once

#include <string>

#include "core/engine/AcceptWord.h"
#include "core/engine/MarkupContext.h"
#include "core/engine/WordTable.h"

namespace tagsmith {

// What the word table needs to judge and weigh an occurrence, read at the moment of each one.
struct OccurrenceInputs {
    const GeneratorSettings& settings;
    const CommonWordLists& commonWords;
    const IgnoreList& ignoreList;
    int detectedLanguage;  // the document's language, used under "Automatic"
};

enum class OccurrenceResult { Dropped, Counted, NewRow };

// Applies AcceptWord, then counts the occurrence with the weight of its context. word may be
// shortened by the plural rule.
OccurrenceResult AddWordOccurrence(std::string& word, const MarkupContext& context,
                                   const OccurrenceInputs& inputs, WordTable& table);

// Removes rows seen fewer times than the threshold frequency, except exempt ones.
void ApplyThresholdFrequency(WordTable& table, const GeneratorSettings& settings);

}  // namespace tagsmith
