#include "core/scanner/LinePreparation.h"

#include "core/scanner/CharacterRules.h"
#include "core/scanner/EntityDecoder.h"
#include "core/scanner/MarkupMarkers.h"
#include "core/scanner/StringOperations.h"

namespace tagsmith {

std::string PrepareLine(std::string_view line, bool lowerCase) {
    std::string prepared = lowerCase ? FoldCase(TrimSpaces(line)) : std::string(TrimSpaces(line));
    if (prepared.empty()) return prepared;
    SubstituteMarkupMarkers(prepared, lowerCase);
    DecodeNamedEntities(prepared);
    prepared.push_back(' ');
    return prepared;
}

}  // namespace tagsmith
