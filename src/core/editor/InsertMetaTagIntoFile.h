#pragma once

#include <optional>

#include "core/editor/InsertTagIntoDocument.h"
#include "core/engine/MetaTagComposer.h"
#include "core/pipeline/ScanPipeline.h"
#include "core/model/GeneratorSettings.h"
#include "core/text/FileSystemCalls.h"
#include "core/text/ProgramText.h"
#include "platform/MessageBoxes.h"
#include "platform/OutputBox.h"

namespace tagsmith {

// The output-box text of a composed tag; the caller's own formatting (the window's, for both
// programs).
using ComposedTagFormatter = std::string (*)(const ComposedMetaTag& composed,
                                             const GeneratorSettings& settings);

// What "Insert meta tag into file" reads and whom it talks to; lent by the window (or the
// command-line tool) for one command.
struct InsertEnvironment {
    GeneratorSettings& settings;  // txbInputFile is trimmed in place; optInsertionWithBackup read
    const ScanSession& session;
    const ProgramText& texts;
    OutputBox& output;  // txbMetaTag: trimmed in place, re-composed when it holds no tag
    ComposedTagFormatter formatComposed;  // the text output shows of a re-composed tag
    MessageBoxes& messages;
    FileSystemCalls& files;
    // The window trims its input box; the command-line tool takes a name byte for byte.
    bool trimInputFile = true;
    // The version of the document the scan read, when known: the tag is inserted only into it.
    std::optional<FileIdentity> scannedVersion = {};
};

// The click on "Insert meta tag into file": the checks in order (input file named, something in
// the output box, a current scan with words, the file exists and is a regular file), a fresh
// composition (shown in the output box as formatComposed writes it) when the output box holds no
// composed tag, then InsertTagIntoDocument. Each refusal is a message box titled with the
// button's caption. The caller places the focus afterwards, whatever the outcome.
InsertOutcome InsertMetaTagIntoFile(const InsertEnvironment& environment);

}  // namespace tagsmith
