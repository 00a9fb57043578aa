#pragma once

#include "core/model/GeneratorSettings.h"
#include "core/scanner/ScanState.h"

namespace tagsmith {

// A META tag whose "meta " stands at the scan position. A description tag (and a keywords tag
// when its weight position is at least 1) opens its context after "content": the words that
// follow are weighed as description or keywords until the next ">". Any other META tag is
// skipped to its ">".
void ProcessMetaTag(ScanState& state, const GeneratorSettings& settings);

}  // namespace tagsmith
