#pragma once

#include <string>

namespace tagsmith {

// The report of the existing head tags of a document (UTF-8, CR LF): an entry for each title
// line and each meta line naming "keywords", "description" or "zpma done", in the order of the
// document, up to the first line holding </head>; then "No keywords meta tag found." when no
// keywords entry was made. A file that cannot be read, or that ends inside a comment, ends the
// report with "Error when looking for keywords meta tag." instead.
std::string ReadHeadMetaTags(const std::string& documentPath);

}  // namespace tagsmith
