#pragma once

#include <optional>
#include <string>

#include "core/editor/HeadMetaTagReader.h"
#include "platform/MessageBoxes.h"
#include "platform/OutputBox.h"

namespace tagsmith {

// "Show existing  keywords etc.": trims the input-file text in place (unless trimInputFile is
// false: the command-line tool takes names as given), refuses an empty or missing file or one
// that is no regular file with a message box, else replaces the output box's text by the head
// report of the file.
void ShowExistingKeywordMetaTag(std::string& inputFile, OutputBox& output, MessageBoxes& messages,
                                bool trimInputFile = true);

// The same checks; the head's entries instead of the report, none after a refusal.
std::optional<HeadTags> ShowExistingHeadTags(std::string& inputFile, MessageBoxes& messages,
                                             bool trimInputFile = true);

}  // namespace tagsmith
