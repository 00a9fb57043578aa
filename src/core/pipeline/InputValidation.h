#pragma once

#include <string>

#include "core/pipeline/ScanPipeline.h"

namespace tagsmith {

// Texts of the refusal for a name without an extension.
inline constexpr const char* kInvalidInputPrompt = "Invalid input file specification";
inline constexpr const char* kInvalidInputTitle = "Invalid input";
// Follows the name of something that exists but is no regular file.
inline constexpr const char* kNotRegularFilePrompt = " is not a regular file.";

// True when an extension (lower case, without the full stop) is that of a document the scanner
// takes: one that contains "htm", or "php".
bool IsDocumentExtension(const std::string& extension);

// True when the name is not something other than a regular file (a folder, a FIFO, a device),
// has an HTML extension (one that contains "htm") or the extension "php",
// compared in lower case, and the file exists. Otherwise shows why and returns false. While the
// window is starting up (the saved input file is being restored) nothing is shown: the input
// file box is cleared instead, and for a missing file the current directory moves to the file's
// folder if that folder exists.
bool ValidateInputFile(const std::string& fileName, const ScanEnvironment& environment);

}  // namespace tagsmith
