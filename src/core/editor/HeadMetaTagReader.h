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

// The entries as the report below lists them.
HeadTags ReadHeadTags(const std::string& documentPath);
// The report of the entries (UTF-8, CR LF), the text of "Show existing  keywords etc.".
std::string FormatHeadTags(const HeadTags& tags);

// The report of the existing head tags of a document (UTF-8, CR LF): an entry for each title
// line and each meta line naming "keywords", "description" or "zpma done", in the order of the
// document, up to the first line holding </head>; then "No keywords meta tag found." when no
// keywords entry was made. A file that cannot be read, or that ends inside a comment, ends the
// report with "Error when looking for keywords meta tag." instead.
// Both in one.
std::string ReadHeadMetaTags(const std::string& documentPath);

}  // namespace tagsmith
