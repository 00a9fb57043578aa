#pragma once

#include <string>
#include <string_view>

#include "core/editor/HeadRewriter.h"

namespace tagsmith {

// The outcome of putting a tag into a document's bytes.
struct InsertedDocument {
    // Rewritten, or why the document is not to be rewritten (TagSpansLines, NoHeadEnd,
    // TagHoldsQuote); the message texts for each are in EditorTexts.h.
    HeadRewriteResult result = HeadRewriteResult::Rewritten;
    // The complete new content when result is Rewritten; empty otherwise.
    std::string content;
};

// What inserting the tag would make of the document, without touching any file: the pure step of
// "Insert meta tag into file", for previews and differences as much as for the insertion itself.
// document: the file's bytes as read. tag: UTF-8 text as GetMetaTag cuts it from the output box.
// The tag is written in the document's own encoding (UTF-8 when the whole document is valid
// UTF-8, else Windows-1252 with numeric character references for what that cannot hold) and with
// its line ends (those of its first line; LF when it has none). The new content is built in one
// string of exactly its size.
InsertedDocument BuildInsertedDocument(std::string_view document, std::string_view tag);

}  // namespace tagsmith
