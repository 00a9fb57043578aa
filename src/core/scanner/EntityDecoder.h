#pragma once

#include <string>
#include <string_view>

namespace tagsmith {

// The named and numeric character references that are decoded: 66 entries separated by single
// spaces, each an entity immediately followed by the Windows-1252 code of the character that
// replaces it. For
// "&nbsp;" and "&#160;" the replacing character is the separating space itself.
extern const std::string_view EntityTable;

// The replacing character of a whole entity ("&eacute;") in UTF-8, matched with case; empty when
// the table does not hold it.
std::string_view EntityReplacement(std::string_view entity);

// Decodes the entities of EntityTable and "&quot;" in the line, from left to right, each once
// (the "&" decoded from "&amp;" does not start a new entity). A candidate runs from an "&" to
// the next ";"; an "&" without a later ";" ends the decoding of the line.
void DecodeNamedEntities(std::string& line);

}  // namespace tagsmith
