#pragma once

#include <string>
#include <vector>

namespace tagsmith {

// True when two of the documents are the same file (by device and inode, whatever the paths), or
// when the backup name of one (NAME.bak.EXT) is another: inserting into such documents at the
// same time would make the outcome depend on which finished first.
bool DocumentsShareFiles(const std::vector<std::string>& documents);

}  // namespace tagsmith
