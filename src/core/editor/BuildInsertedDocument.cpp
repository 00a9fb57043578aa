#include "core/editor/BuildInsertedDocument.h"

#include "core/editor/DocumentFormat.h"
#include "core/editor/TagQuoteCheck.h"

namespace tagsmith {

InsertedDocument BuildInsertedDocument(std::string_view document, std::string_view tag) {
    InsertedDocument inserted;
    if (TagValueHoldsQuote(tag)) {
        inserted.result = HeadRewriteResult::TagHoldsQuote;
        return inserted;
    }
    const DocumentFormat format = DetectDocumentFormat(document);
    const std::string encodedTag = EncodeForDocument(tag, format);
    // A first pass measures, so that the content is allocated once at its final size.
    std::size_t size = 0;
    inserted.result = RewriteHead(document, encodedTag, format.lineEnd,
                                  [&size](std::string_view piece) { size += piece.size(); });
    if (inserted.result != HeadRewriteResult::Rewritten) return inserted;
    inserted.content.reserve(size);
    RewriteHead(document, encodedTag, format.lineEnd,
                [&inserted](std::string_view piece) { inserted.content.append(piece); });
    return inserted;
}

}  // namespace tagsmith
