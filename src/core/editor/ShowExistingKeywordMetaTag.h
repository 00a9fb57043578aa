#pragma once

#include <string>

#include "platform/MessageBoxes.h"
#include "platform/OutputBox.h"

namespace tagsmith {

// "Show existing  keywords etc.": trims the input-file text in place, refuses an empty or missing
// file with a message box, else replaces the output box's text by the head report of the file.
void ShowExistingKeywordMetaTag(std::string& inputFile, OutputBox& output, MessageBoxes& messages);

}  // namespace tagsmith
