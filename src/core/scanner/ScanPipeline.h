#pragma once

#include "core/engine/CommonWordLists.h"
#include "core/engine/IgnoreList.h"
#include "core/engine/WordTable.h"
#include "core/scanner/ScanState.h"
#include "core/scanner/ScanView.h"
#include "core/settings/GeneratorSettings.h"
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

// "List words" (generate false) and "Generate/show keywords meta tag" (generate true): checks and
// scans the input document unless the session's scan is current, then writes the report.
void ProcessInputFile(bool generate, ScanSession& session, const ScanEnvironment& environment);

}  // namespace tagsmith
