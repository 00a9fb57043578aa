#pragma once

#include <cstddef>
#include <string_view>

namespace tagsmith {

// The look-aheads that META and FONT tags make over the rest of the line. Each one looks at the
// rest of the line from pos on, lower-cased and with all spaces removed.

enum class MetaName { Other, Description, Keywords };

// Which name attribute the rest of the line holds: name="description" anywhere, else
// name="keywords" anywhere, else neither. (A later META tag on the same line can decide it.)
MetaName MetaNameInRest(std::string_view line, std::size_t pos);

// True when the rest of the line holds "size" before the next "font" (the end tag's). A rest
// without a later "font" has no size taken.
bool FontSizeBeforeNextFont(std::string_view line, std::size_t pos);

// True when the line holds "<?" at or after pos.
bool PhpOpenerAhead(std::string_view line, std::size_t pos);

}  // namespace tagsmith
