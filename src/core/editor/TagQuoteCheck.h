#pragma once

#include <string_view>

namespace tagsmith {

// True when a double quote inside a quoted attribute value of the tag ends that value early:
// a quoted value (say content="...") is followed directly by something other than a space, a
// line break, "/" or ">", or a quote is left open. Such a tag, written into a head, would leave
// the rest of its words as stray markup.
bool TagValueHoldsQuote(std::string_view tag);

}  // namespace tagsmith
