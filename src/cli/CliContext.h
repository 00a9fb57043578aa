#pragma once

#include <filesystem>
#include <ostream>

#include "core/engine/CommonWordLists.h"
#include "core/engine/IgnoreList.h"
#include "core/model/GeneratorSettings.h"
#include "core/text/ProgramText.h"

namespace tagsmith {

// What a command of tagsmith-cli works with: the settings the options chose, the program data and
// the two output streams. One instance per run, built after the options are parsed.
struct CliContext {
    CliContext(std::ostream& outStream, std::ostream& errStream) : out(outStream), err(errStream) {}

    GeneratorSettings settings;
    CommonWordLists commonWords;
    IgnoreList ignoreList;
    ProgramText texts;
    std::filesystem::path dataFolder;
    std::ostream& out;  // the reports
    std::ostream& err;  // refusals and notices
    bool errIsTerminal = false;  // the progress line may be shown
};

}  // namespace tagsmith
