#include "core/scanner/LinePreparation.h"

#include "core/scanner/EntityDecoder.h"
#include "core/scanner/MarkupMarkers.h"
#include "core/text/CharacterRules.h"
#include "core/text/StringOperations.h"

namespace tagsmith {

std::string PrepareLine(std::string_view line, bool lowerCase) {
    std::string prepared(line);
    PrepareLineInPlace(prepared, lowerCase);
    return prepared;
}

void PrepareLineInPlace(std::string& line, bool lowerCase) {
    const std::string_view trimmed = TrimSpaces(line);
    if (trimmed.empty()) {
        line.clear();
        return;
    }
    const auto first = static_cast<std::size_t>(trimmed.data() - line.data());
    line.resize(first + trimmed.size());
    line.erase(0, first);
    if (lowerCase) {
        line = FoldCase(line);
    }
    SubstituteMarkupMarkers(line, lowerCase);
    DecodeNamedEntities(line);
    line.push_back(' ');
}

}  // namespace tagsmith
