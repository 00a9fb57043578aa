#pragma once

#include <string>
#include <vector>

namespace tagsmith {

// One entry of the head: a title line or a meta line naming one of the three names.
struct HeadTag {
    enum class Kind { Title, Keywords, Description, Zpma };
    Kind kind = Kind::Title;
    std::string text;  // UTF-8: the title's text, or the meta tag from "<meta " to its ">"
    int line = 0;      // the document's line that holds it, from 1
};

// The entries of the head in document order; failed when reading stopped early (a file that
// cannot be read, or that ends inside a comment).
struct HeadTags {
    std::vector<HeadTag> entries;
    bool failed = false;

    // The first entry of the kind; null when none.
    const HeadTag* First(HeadTag::Kind kind) const;
};

// The entries of the head of a document: each title line and each meta line naming "keywords",
// "description" or "zpma done", in the order of the document, up to the first line holding
// </head>. Failed when the file cannot be read or ends inside a comment.
HeadTags ReadHeadTags(const std::string& documentPath);

}  // namespace tagsmith
