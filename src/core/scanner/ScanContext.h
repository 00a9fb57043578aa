#pragma once

#include "core/engine/CommonWordLists.h"
#include "core/engine/IgnoreList.h"
#include "core/engine/WordTable.h"
#include "core/model/GeneratorSettings.h"
#include "core/scanner/ScanState.h"
#include "core/scanner/ScanView.h"
#include "platform/OutputBox.h"
#include "platform/PendingEvents.h"

namespace tagsmith {

// Everything the line scanner works on and talks to while it scans one document.
struct ScanContext {
    ScanState& state;
    WordTable& table;
    const GeneratorSettings& settings;  // read at each use
    const CommonWordLists& commonWords;
    const IgnoreList& ignoreList;
    OutputBox& output;  // shows each new distinct word
    ScanView& view;     // shows the running count of distinct words
    PendingEvents& events;
};

}  // namespace tagsmith
