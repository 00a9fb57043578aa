#include "core/scanner/LineLookAhead.h"

#include <algorithm>

#include "core/scanner/CharacterRules.h"
#include "core/scanner/StringOperations.h"

namespace tagsmith {
namespace {

constexpr std::string_view kDescriptionName = "name=\"description\"";
constexpr std::string_view kKeywordsName = "name=\"keywords\"";
constexpr std::string_view kSize = "size";
constexpr std::string_view kFont = "font";
constexpr std::string_view kContent = "content";

// Where `text` starts when the line, folded and with its spaces left out, holds it ending with
// the character at `end`; npos otherwise. Walks back from `end`, passing over spaces.
std::size_t FoldedStartWithoutSpaces(std::string_view line, std::size_t end,
                                     std::string_view text) {
    std::size_t pos = end + 1;
    for (std::size_t k = text.size(); k > 0; --k) {
        do {
            if (pos == 0) return std::string_view::npos;
            --pos;
        } while (line[pos] == ' ');
        if (FoldCase(line[pos]) != text[k - 1]) return std::string_view::npos;
    }
    return pos;
}

// True when the folded line holds `text` ending at `end` (spaces count).
bool FoldedEndsAt(std::string_view line, std::size_t end, std::string_view text) {
    if (end + 1 < text.size()) return false;
    const std::size_t first = end + 1 - text.size();
    for (std::size_t k = 0; k < text.size(); ++k) {
        if (FoldCase(line[first + k]) != text[k]) return false;
    }
    return true;
}

}  // namespace

void LineLookAhead::Know(std::string_view line) {
    if (!m_known || line.data() != m_data || line.size() != m_size) Learn(line);
}

void LineLookAhead::Learn(std::string_view line) {
    m_known = true;
    m_data = line.data();
    m_size = line.size();
    m_descriptionName = {};
    m_keywordsName = {};
    m_sizeWord = {};
    m_fontWord = {};
    m_lastPhpOpener = line.rfind("<?");
    m_lastPhpCloser = line.rfind("?>");
    m_lastContent = line.rfind(kContent);
    m_lastFoldedContent = kNotFound;
    m_lastFoldedSize = kNotFound;

    const auto record = [](Starts& starts, std::size_t start, bool keepAll) {
        if (start == kNotFound) return;
        starts.last = start;
        if (keepAll) starts.all.push_back(start);
    };
    // Every text sought ends in '"', 'e' or 't': only there is a closer look needed.
    for (std::size_t pos = 0; pos < line.size(); ++pos) {
        const char folded = FoldCase(line[pos]);
        if (folded == '"') {
            record(m_descriptionName, FoldedStartWithoutSpaces(line, pos, kDescriptionName), false);
            record(m_keywordsName, FoldedStartWithoutSpaces(line, pos, kKeywordsName), false);
        } else if (folded == 'e') {
            record(m_sizeWord, FoldedStartWithoutSpaces(line, pos, kSize), true);
            if (FoldedEndsAt(line, pos, kSize)) m_lastFoldedSize = pos + 1 - kSize.size();
        } else if (folded == 't') {
            record(m_fontWord, FoldedStartWithoutSpaces(line, pos, kFont), true);
            if (FoldedEndsAt(line, pos, kContent)) m_lastFoldedContent = pos + 1 - kContent.size();
        }
    }
}

std::size_t LineLookAhead::FirstFrom(const Starts& starts, std::size_t pos) {
    const auto found = std::lower_bound(starts.all.begin(), starts.all.end(), pos);
    return found == starts.all.end() ? kNotFound : *found;
}

MetaName LineLookAhead::MetaNameInRest(std::string_view line, std::size_t pos) {
    Know(line);
    if (AtOrAfter(m_descriptionName.last, pos)) return MetaName::Description;
    if (AtOrAfter(m_keywordsName.last, pos)) return MetaName::Keywords;
    return MetaName::Other;
}

bool LineLookAhead::FontSizeBeforeNextFont(std::string_view line, std::size_t pos) {
    Know(line);
    const std::size_t size = FirstFrom(m_sizeWord, pos);
    const std::size_t font = FirstFrom(m_fontWord, pos);
    return size != kNotFound && font != kNotFound && size < font;
}

bool LineLookAhead::PhpOpenerAhead(std::string_view line, std::size_t pos) {
    Know(line);
    return pos < line.size() && AtOrAfter(m_lastPhpOpener, pos);
}

std::size_t LineLookAhead::FindPhpOpener(std::string_view line, std::size_t pos) {
    Know(line);
    return AtOrAfter(m_lastPhpOpener, pos) ? line.find("<?", pos) : kNotFound;
}

std::size_t LineLookAhead::FindPhpCloser(std::string_view line, std::size_t pos) {
    Know(line);
    return AtOrAfter(m_lastPhpCloser, pos) ? line.find("?>", pos) : kNotFound;
}

std::size_t LineLookAhead::FindContent(std::string_view line, std::size_t pos) {
    Know(line);
    return AtOrAfter(m_lastContent, pos) ? line.find(kContent, pos) : kNotFound;
}

std::size_t LineLookAhead::FindContentIgnoringCase(std::string_view line, std::size_t pos) {
    Know(line);
    return AtOrAfter(m_lastFoldedContent, pos) ? FindIgnoringCase(line, pos, kContent) : kNotFound;
}

std::size_t LineLookAhead::FindSizeIgnoringCase(std::string_view line, std::size_t pos) {
    Know(line);
    return AtOrAfter(m_lastFoldedSize, pos) ? FindIgnoringCase(line, pos, kSize) : kNotFound;
}

std::size_t LineLookAhead::FindSemicolonOrSpace(std::string_view line, std::size_t pos) {
    // No stop lies between the last start and the stop found from it, so every start in that
    // stretch (a run of "&" without spaces, say) has the same answer.
    if (line.data() == m_stopData && line.size() == m_stopSize && m_stopFrom != kNotFound &&
        m_stopFrom <= pos && pos <= m_stop) {
        return m_stop;
    }
    const std::size_t found = pos < line.size() ? line.find_first_of("; ", pos) : kNotFound;
    m_stopData = line.data();
    m_stopSize = line.size();
    m_stopFrom = pos;
    m_stop = found == kNotFound ? line.size() : found;
    return m_stop;
}

}  // namespace tagsmith
