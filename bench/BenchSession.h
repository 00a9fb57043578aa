#pragma once

#include <string>

#include "core/engine/CommonWordLists.h"
#include "core/engine/IgnoreList.h"
#include "core/model/GeneratorSettings.h"
#include "core/pipeline/ScanPipeline.h"
#include "core/text/ProgramText.h"
#include "platform/console/NoPendingEvents.h"
#include "platform/console/StringOutputBox.h"

namespace tagsmith::bench {

// What a scan needs around it, set up as the command-line tool sets it up: default settings,
// the common words from the program's data folder, no window.
class BenchSession {
public:
    BenchSession();

    GeneratorSettings settings;
    CommonWordLists commonWords;
    IgnoreList ignoreList;
    ProgramText texts;
    StringOutputBox output;
    ScanView view;
    NoPendingEvents events;
    ScanSession session;

    // Scans the file and composes the tag (generate) or the word list, as a fresh command.
    // False when the file was refused; the report is then the refusal.
    bool Process(const std::string& fileName, bool generate, std::string& report);
};

}  // namespace tagsmith::bench
