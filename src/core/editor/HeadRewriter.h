#pragma once

#include <functional>
#include <string_view>

namespace tagsmith {

enum class HeadRewriteResult {
    Rewritten,      // the tag replaced a keywords tag or went before </head>
    TagSpansLines,  // a keywords tag has no ">" on its line: nothing may be written
    NoHeadEnd,      // neither a keywords tag nor </head>: the tag has no place
    TagHoldsQuote,  // a double quote inside an attribute value of the tag would end it early
};

// Hands the new content of the document to write, piece by piece, with the tag put in: each
// one-line keywords meta tag before the end of the head is replaced by the tag; when none was,
// the tag and an empty line go before </head>. Empty lines before the </head> line are dropped;
// the rest of the head and everything after </head> is copied unchanged. A line ends at LF, CR LF
// or a lone CR; copied lines keep their own line ends, the lines the tag adds and a last line
// without any get lineEnd. The tag is already in the document's encoding. The pieces are views
// of the document, the tag and lineEnd (nothing is copied); after a result other than Rewritten
// what was handed to write is no document and must be thrown away.
HeadRewriteResult RewriteHead(std::string_view document, std::string_view tag,
                              std::string_view lineEnd,
                              const std::function<void(std::string_view)>& write);

// The first keywords meta tag RewriteHead replaces in the document, as it stands there (from its
// "<meta " to its ">"); empty when RewriteHead would replace none.
std::string_view ReplacedKeywordsTag(std::string_view document);

}  // namespace tagsmith
