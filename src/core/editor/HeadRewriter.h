#pragma once

#include <functional>
#include <string_view>

#include "core/text/TextLineReader.h"

namespace tagsmith {

enum class HeadRewriteResult {
    Rewritten,      // the tag replaced a keywords tag or went before </head>
    TagSpansLines,  // a keywords tag has no ">" on its line: nothing may be written
    NoHeadEnd,      // neither a keywords tag nor </head>: the tag has no place
};

// Copies the document from the reader to write, line by line, with the tag put in: each one-line
// keywords meta tag before the end of the head is replaced by the tag; when none was, the tag and
// an empty line go before </head>. Empty lines before the </head> line are dropped; the rest of
// the head and everything after </head> is copied unchanged. Copied lines keep their own line
// ends; the lines the tag adds, and a last line without any, get lineEnd. The tag is already in
// the document's encoding. Throws std::system_error when the reader fails.
HeadRewriteResult RewriteHead(TextLineReader& reader, std::string_view tag,
                              std::string_view lineEnd,
                              const std::function<void(std::string_view)>& write);

}  // namespace tagsmith
