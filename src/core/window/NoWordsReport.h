#pragma once

#include <string>

#include "core/model/GeneratorSettings.h"

namespace tagsmith {

// Why there is nothing to show: the text of an empty word list or tag, from the settings that
// filtered the words.
std::string ReportNoWords(const GeneratorSettings& settings);

}  // namespace tagsmith
