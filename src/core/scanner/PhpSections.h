#pragma once

#include "core/scanner/ScanState.h"

namespace tagsmith {

// Moves past the "?>" that ends the PHP section whose "?" stands at the scan position. When the
// line does not hold it, further lines of the open document replace CurrentLine (trimmed,
// decoded, but not otherwise prepared) until one does; scanning goes on after its "?>". At the
// end of the document the position is left at the end of the last line read.
void SkipPhpSection(ScanState& state);

// Moves past every "<?" ... "?>" pair from the scan position on in the line; stops at a "<?"
// without a later "?>".
void SkipPhpSectionsInTag(ScanState& state);

}  // namespace tagsmith
