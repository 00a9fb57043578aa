#pragma once

#include <string>

#include "core/editor/HeadMetaTagReader.h"

namespace tagsmith {

// The report of the existing head tags of a document (UTF-8, CR LF), the text of
// "Show existing  keywords etc.": an entry for each of the tags, then "No keywords meta tag
// found." when there is no keywords entry. When reading failed the report ends with "Error when
// looking for keywords meta tag." instead.
std::string FormatHeadTags(const HeadTags& tags);
// Both in one.
std::string ReadHeadMetaTags(const std::string& documentPath);

}  // namespace tagsmith
