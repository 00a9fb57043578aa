#pragma once

#include <string>

#include "core/editor/FileSystemCalls.h"
#include "platform/MessageBoxes.h"

namespace tagsmith {

enum class InsertOutcome {
    Inserted,  // the document holds the tag (and the backup the previous content)
    Refused,   // a check said no; nothing was written
    Failed,    // a system failure; the document is as it was
};

// Writes the tag (UTF-8, as cut by GetMetaTag) into the document and tells the user the outcome
// in message boxes. The new content goes to a temporary file in the document's folder, which
// then replaces the document by an atomic rename; with backup the previous content is first kept
// under BackupPath(documentPath). A document reached through a symbolic link is rewritten at the
// link's target; the document keeps its permission bits, its encoding and its line ends. On any
// failure the document keeps its bytes and no temporary file remains.
InsertOutcome InsertTagIntoDocument(const std::string& documentPath, const std::string& tag,
                                    bool withBackup, MessageBoxes& messages,
                                    FileSystemCalls& files);

}  // namespace tagsmith
