#pragma once

#include <sys/stat.h>

#include <optional>
#include <string>

#include "core/text/FileSystemCalls.h"
#include "platform/MessageBoxes.h"

namespace tagsmith {

// The document's bytes before and after the tag is put in.
struct InsertedContent {
    std::string before;
    std::string after;
    // The keywords tag the insertion replaces (the first, UTF-8); empty when it replaces none.
    std::string replacedTag;
    struct timespec modified {};  // the document's time of last change
};

// Whether the insertion would check that the document may be written (insert, a preview of
// it), or only what it would make of it (check, the report).
enum class ContentUse { ForWriting, ForComparing };

// What InsertTagIntoDocument would write into the document (UTF-8 tag, as cut by GetMetaTag),
// without writing anything: the same checks in the same order (a quote in the tag, a regular
// file, not write-protected, a place for the tag) with the same refusal and failure boxes, then
// the document's bytes and BuildInsertedDocument's content. Empty when a check says no.
std::optional<InsertedContent> BuildInsertedContent(const std::string& documentPath,
                                                    const std::string& tag, MessageBoxes& messages,
                                                    FileSystemCalls& files,
                                                    ContentUse use = ContentUse::ForWriting);

// Whether the insertion changes the document in more than its empty lines. Insertion drops the
// empty lines of the head and puts one after a tag it adds before </head>, which the next
// insertion drops again: a document is not changed by a tag that is already the one insertion
// writes.
bool ChangesMoreThanEmptyLines(const InsertedContent& content);

}  // namespace tagsmith
