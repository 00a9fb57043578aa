#include "core/engine/OccurrenceWeight.h"

namespace tagsmith {

float OccurrenceWeight(const MarkupContext& context, const GeneratorSettings& settings) {
    // The title, description and existing-keywords weights replace the body formula; the list
    // positions are read now, so a change during a scan applies from the next word on.
    if (context.InTitle) return 10.0f * static_cast<float>(settings.cboTitleWeight);
    if (context.InDescription) return 10.0f * static_cast<float>(settings.cboDescriptionWeight);
    if (context.InExistingKeywords) {
        return 10.0f * static_cast<float>(settings.cboExistingKeywordsWeight);
    }
    float weight = static_cast<float>(context.FontSize) + static_cast<float>(context.HeadingWeight);
    if (context.InBold) weight += static_cast<float>(settings.cboBoldWeight);
    if (context.InItalic) weight += static_cast<float>(settings.cboItalicWeight);
    if (context.TableDepth > 0) weight += static_cast<float>(settings.cboTableWeight);
    if (context.DivDepth > 0) weight += static_cast<float>(settings.cboDivWeight);
    if (context.SpanDepth > 0) weight += static_cast<float>(settings.cboSpanWeight);
    return weight;
}

}  // namespace tagsmith
