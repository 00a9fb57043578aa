#pragma once

#include <optional>
#include <string>

#include "core/text/FileIdentity.h"
#include "core/text/FileSystemCalls.h"
#include "platform/MessageBoxes.h"

namespace tagsmith {

enum class InsertOutcome {
    Inserted,  // the document holds the tag (and the backup the previous content)
    Refused,   // a check said no; nothing was written
    Failed,    // a system failure; the document is as it was
};

// Writes the tag (UTF-8, as cut by GetMetaTag) into the document and tells the user the outcome
// in message boxes. The document is read once; the new content is built from those bytes
// (BuildInsertedDocument's rules) and written through SafeFileWriter, which replaces the document
// by an atomic rename; with backup the bytes read are first kept under BackupPath(documentPath).
// Just before the renames the document must still be the file that was read (and, when
// scannedVersion is given, the one the tag was composed from): otherwise nothing is written and
// the user is told that another program changed it. A document reached through a symbolic link
// is rewritten at the link's target; it keeps its permission bits, owner, encoding and line
// ends. A write-protected document (by its permission bits, for the superuser too) is not
// written. On any refusal or failure every file keeps its bytes and no temporary file remains.
InsertOutcome InsertTagIntoDocument(const std::string& documentPath, const std::string& tag,
                                    bool withBackup, MessageBoxes& messages, FileSystemCalls& files,
                                    const std::optional<FileIdentity>& scannedVersion = {});

}  // namespace tagsmith
