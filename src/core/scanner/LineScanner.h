#pragma once

#include "core/scanner/ScanContext.h"

namespace tagsmith {

// Scans the prepared CurrentLine from its start: follows the markup contexts (which carry over
// to the next line), skips what a visitor does not read, and cuts the visible words into the
// word table. After every word candidate it lets pending events run and returns when a stop
// was asked for (StopRequested).
void ScanLine(ScanContext& context);

}  // namespace tagsmith
