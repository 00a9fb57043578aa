#include "core/window/NoWordsReport.h"

namespace tagsmith {

std::string ReportNoWords(const GeneratorSettings& settings) {
    std::string text;
    if (!settings.chkIgnoreShortWords) {
        text = "No words";
    } else {
        const int size = settings.ShortWordSize();
        text = "No words with more than " + std::to_string(size) + " letter";
        if (size > 1) text += "s";
    }
    text += " occur at least ";
    const int threshold = settings.ThresholdFrequency();
    if (threshold == 1) {
        text += "once.";
    } else if (threshold == 2) {
        text += "twice.";
    } else {
        text += std::to_string(threshold) + " times.";
    }
    return text;
}

}  // namespace tagsmith
