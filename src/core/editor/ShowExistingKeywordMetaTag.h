#pragma once

#include <optional>
#include <string>

#include "core/editor/HeadMetaTagReader.h"
#include "platform/MessageBoxes.h"

namespace tagsmith {

// "Show existing  keywords etc.": trims the input-file text in place (unless trimInputFile is
// false: the command-line tool takes names as given), refuses an empty or missing file or one
// that is no regular file with a message box (then none), else reads the head's entries of the
// file. The caller shows them.
std::optional<HeadTags> ShowExistingHeadTags(std::string& inputFile, MessageBoxes& messages,
                                             bool trimInputFile = true);

}  // namespace tagsmith
