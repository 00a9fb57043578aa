// The rewrite of a document's head with a tag: the first byte gives the tag's length, the tag
// follows, the rest is the document.
#include <cstdint>

#include "FuzzInput.h"
#include "core/editor/BuildInsertedDocument.h"
#include "core/text/TextEncoding.h"

using namespace tagsmith;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view input = fuzz::AsView(data, size);
    const std::size_t tagSize = std::min<std::size_t>(fuzz::TakeByte(input), input.size());
    const std::string_view tag = input.substr(0, tagSize);
    const std::string_view document = input.substr(tagSize);
    const InsertedDocument inserted = BuildInsertedDocument(document, tag);
    if (inserted.result != HeadRewriteResult::Rewritten) {
        if (!inserted.content.empty()) __builtin_trap();  // a refusal hands out no content
        return 0;
    }
    // A UTF-8 document takes a one-line UTF-8 tag as it is.
    const bool plainTag = IsValidUtf8(tag) && tag.find_first_of("\r\n") == std::string_view::npos;
    if (plainTag && IsValidUtf8(document) && inserted.content.find(tag) == std::string::npos) {
        __builtin_trap();
    }
    // Everything after the head's end is kept: the document's last byte survives (or a line end
    // is added after it).
    if (!document.empty() && inserted.content.empty()) __builtin_trap();
    return 0;
}
