#pragma once

#include "core/model/GeneratorSettings.h"
#include "core/scanner/ScanState.h"

namespace tagsmith {

// Skips the tag the scanner is in (InTag), counting "<" and ">" in TagDepth: the tag ends at the
// ">" that brings the depth back to 0. PHP sections, META tags and FONT start and end tags are
// handed to their own handlers, which end the tag. A tag that goes on past the line leaves InTag
// set for the next line.
void ProcessTag(ScanState& state, const GeneratorSettings& settings);

}  // namespace tagsmith
