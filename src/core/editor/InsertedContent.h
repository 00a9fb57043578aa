#pragma once

#include <optional>
#include <string>

#include "core/text/FileSystemCalls.h"
#include "platform/MessageBoxes.h"

namespace tagsmith {

// The document's bytes before and after the tag is put in.
struct InsertedContent {
    std::string before;
    std::string after;
};

// What InsertTagIntoDocument would write into the document (UTF-8 tag, as cut by GetMetaTag),
// without writing anything: the same checks in the same order (a quote in the tag, a regular
// file, not write-protected, a place for the tag) with the same refusal and failure boxes, then
// the document's bytes and BuildInsertedDocument's content. Empty when a check says no.
std::optional<InsertedContent> BuildInsertedContent(const std::string& documentPath,
                                                    const std::string& tag, MessageBoxes& messages,
                                                    FileSystemCalls& files);

}  // namespace tagsmith
