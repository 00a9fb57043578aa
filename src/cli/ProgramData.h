#pragma once

#include <filesystem>

#include "cli/CliContext.h"

namespace tagsmith {

// Loads the program texts and the common words of every language from the data folder (empty:
// the installed program's folder) into the context. A program text that cannot be loaded is
// fatal: its message goes to the error stream and the result is false.
bool LoadProgramData(CliContext& context, const std::filesystem::path& dataFolder);

// When common words are to be left out but the chosen language's list could not be read, says so
// on the error stream and switches common words off for the run, as the window does.
void SwitchOffMissingCommonWords(CliContext& context);

}  // namespace tagsmith
