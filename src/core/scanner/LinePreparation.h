#pragma once

#include <string>
#include <string_view>

namespace tagsmith {

// A decoded line of the document as the line scanner wants it: trimmed of spaces, lower-cased
// when asked (FoldCase), plain tags replaced by markers, entities decoded, and one space
// appended. Empty when the line is blank.
std::string PrepareLine(std::string_view line, bool lowerCase);

// The same, made in the line's own buffer: a minified page is one line of megabytes, and every
// copy of it costs.
void PrepareLineInPlace(std::string& line, bool lowerCase);

}  // namespace tagsmith
