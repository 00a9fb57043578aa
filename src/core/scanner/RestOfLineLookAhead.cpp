#include "core/scanner/RestOfLineLookAhead.h"

#include <algorithm>
#include <string>

#include "core/text/AsciiLowerCase.h"
#include "core/text/StringOperations.h"

namespace tagsmith {
namespace {

constexpr std::size_t kNotFound = std::string_view::npos;

std::string FoldedRestWithoutSpaces(std::string_view line, std::size_t pos) {
    std::string rest = AsciiLowerCase(line.substr(std::min(pos, line.size())));
    RemoveChars(rest, " ");
    return rest;
}

}  // namespace

MetaName MetaNameInRest(std::string_view line, std::size_t pos) {
    const std::string rest = FoldedRestWithoutSpaces(line, pos);
    if (rest.find("name=\"description\"") != kNotFound) return MetaName::Description;
    if (rest.find("name=\"keywords\"") != kNotFound) return MetaName::Keywords;
    return MetaName::Other;
}

bool FontSizeBeforeNextFont(std::string_view line, std::size_t pos) {
    const std::string rest = FoldedRestWithoutSpaces(line, pos);
    const std::size_t size = rest.find("size");
    const std::size_t font = rest.find("font");
    return size != kNotFound && font != kNotFound && size < font;
}

bool PhpOpenerAhead(std::string_view line, std::size_t pos) {
    return pos < line.size() && line.find("<?", pos) != kNotFound;
}

}  // namespace tagsmith
