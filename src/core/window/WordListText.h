#pragma once

#include <cstdint>
#include <string>

#include "core/engine/WordTable.h"
#include "core/model/GeneratorSettings.h"

namespace tagsmith {

// The word list report (UTF-8, CR LF), or the ReportNoWords text when the table is empty.
// totalWords is every word cut from the document, the denominator of the density.
std::string ListWords(const WordTable& table, std::int64_t totalWords,
                      const GeneratorSettings& settings);

}  // namespace tagsmith
