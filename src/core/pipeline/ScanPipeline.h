#pragma once

#include "core/engine/CommonWordLists.h"
#include "core/engine/IgnoreList.h"
#include "core/engine/WordTable.h"
#include "core/model/GeneratorSettings.h"
#include "core/scanner/ScanState.h"
#include "core/scanner/ScanView.h"
#include "core/text/ProgramText.h"
#include "platform/MessageBoxes.h"
#include "platform/OutputBox.h"
#include "platform/PendingEvents.h"

namespace tagsmith {

// What a scan produces and keeps between commands; owned by the window (or the command-line tool).
struct ScanSession {
    WordTable Table;
    ScanState State;
    bool ScanIsCurrent = false;
};

// What the pipeline reads and whom it talks to; lent by the owner for one command.
struct ScanEnvironment {
    GeneratorSettings& settings;  // read at each use; txbInputFile and txbBeginMetaTagWith trimmed
    const CommonWordLists& commonWords;
    const IgnoreList& ignoreList;
    const ProgramText& texts;
    MessageBoxes& messages;
    OutputBox& output;
    ScanView& view;
    PendingEvents& events;
    bool startupComplete = true;
    // The window trims its input box; the command-line tool takes a name byte for byte.
    bool trimInputFile = true;
};

inline constexpr const char* kProgressText = "Now processing ...";

// "List words" and "Generate/show keywords meta tag": checks and scans the input document unless
// the session's scan is current. True when the session's table is ready for the command's report,
// which the caller formats; false when the command ends here: a refusal (shown), a stop (stop text
// shown) or a read failure (silent).
[[nodiscard]] bool ProcessInputFile(ScanSession& session, const ScanEnvironment& environment);

}  // namespace tagsmith
