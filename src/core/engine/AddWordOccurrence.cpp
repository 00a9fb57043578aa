#include "core/engine/AddWordOccurrence.h"

#include "core/engine/OccurrenceWeight.h"

namespace tagsmith {

OccurrenceResult AddWordOccurrence(std::string& word, const MarkupContext& context,
                                   const OccurrenceInputs& inputs, WordTable& table) {
    if (!AcceptWord(word, inputs.settings, inputs.commonWords, inputs.ignoreList,
                    inputs.detectedLanguage)) {
        return OccurrenceResult::Dropped;
    }
    const float weight = OccurrenceWeight(context, inputs.settings);
    // A row first seen in the title, the description or the existing keywords survives the
    // threshold frequency.
    const bool exempt = context.InTitle || context.InDescription || context.InExistingKeywords;
    return table.AddOccurrence(word, weight, exempt) ? OccurrenceResult::NewRow
                                                     : OccurrenceResult::Counted;
}

void ApplyThresholdFrequency(WordTable& table, const GeneratorSettings& settings) {
    table.ApplyThreshold(settings.ThresholdFrequency());
}

}  // namespace tagsmith
