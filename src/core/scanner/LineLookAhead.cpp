#include "core/scanner/LineLookAhead.h"

#include <algorithm>

#include "core/text/CharacterRules.h"
#include "core/text/StringOperations.h"

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

// Where the folded line holds `text` for the last time (spaces count); npos when nowhere.
std::size_t LastFolded(std::string_view line, std::string_view text) {
    if (text.size() > line.size()) return std::string_view::npos;
    for (std::size_t start = line.size() - text.size() + 1; start-- > 0;) {
        std::size_t k = 0;
        while (k < text.size() && FoldCase(line[start + k]) == text[k]) ++k;
        if (k == text.size()) return start;
    }
    return std::string_view::npos;
}

}  // namespace

void LineLookAhead::Know(std::string_view line, Fact fact) {
    if (line.data() != m_data || line.size() != m_size) {
        m_known = 0;
        m_data = line.data();
        m_size = line.size();
    }
    if ((m_known & fact) != 0) return;
    m_known |= fact;
    switch (fact) {
        case kPhpFacts:
            m_lastPhpOpener = line.rfind("<?");
            m_lastPhpCloser = line.rfind("?>");
            break;
        case kNameFacts:
            LearnNames(line);
            break;
        case kContentFacts:
            m_lastContent = line.rfind(kContent);
            m_lastFoldedContent = LastFolded(line, kContent);
            break;
        case kFontFacts:
            LearnFont(line);
            break;
    }
}

void LineLookAhead::LearnNames(std::string_view line) {
    m_descriptionName = {};
    m_keywordsName = {};
    // Both texts end with a double quote.
    for (std::size_t pos = line.find('"'); pos != kNotFound; pos = line.find('"', pos + 1)) {
        const std::size_t description = FoldedStartWithoutSpaces(line, pos, kDescriptionName);
        if (description != kNotFound) m_descriptionName.last = description;
        const std::size_t keywords = FoldedStartWithoutSpaces(line, pos, kKeywordsName);
        if (keywords != kNotFound) m_keywordsName.last = keywords;
    }
}

void LineLookAhead::LearnFont(std::string_view line) {
    m_sizeWord = {};
    m_fontWord = {};
    m_lastFoldedSize = LastFolded(line, kSize);
    for (std::size_t pos = 0; pos < line.size(); ++pos) {
        const char folded = FoldCase(line[pos]);
        if (folded == 'e') {
            const std::size_t size = FoldedStartWithoutSpaces(line, pos, kSize);
            if (size != kNotFound) m_sizeWord.all.push_back(size);
        } else if (folded == 't') {
            const std::size_t font = FoldedStartWithoutSpaces(line, pos, kFont);
            if (font != kNotFound) m_fontWord.all.push_back(font);
        }
    }
}

std::size_t LineLookAhead::FirstFrom(const Starts& starts, std::size_t pos) {
    const auto found = std::lower_bound(starts.all.begin(), starts.all.end(), pos);
    return found == starts.all.end() ? kNotFound : *found;
}

MetaName LineLookAhead::MetaNameInRest(std::string_view line, std::size_t pos) {
    Know(line, kNameFacts);
    if (AtOrAfter(m_descriptionName.last, pos)) return MetaName::Description;
    if (AtOrAfter(m_keywordsName.last, pos)) return MetaName::Keywords;
    return MetaName::Other;
}

bool LineLookAhead::FontSizeBeforeNextFont(std::string_view line, std::size_t pos) {
    Know(line, kFontFacts);
    const std::size_t size = FirstFrom(m_sizeWord, pos);
    const std::size_t font = FirstFrom(m_fontWord, pos);
    return size != kNotFound && font != kNotFound && size < font;
}

bool LineLookAhead::PhpOpenerAhead(std::string_view line, std::size_t pos) {
    Know(line, kPhpFacts);
    return pos < line.size() && AtOrAfter(m_lastPhpOpener, pos);
}

std::size_t LineLookAhead::FindPhpOpener(std::string_view line, std::size_t pos) {
    Know(line, kPhpFacts);
    return AtOrAfter(m_lastPhpOpener, pos) ? line.find("<?", pos) : kNotFound;
}

std::size_t LineLookAhead::FindPhpCloser(std::string_view line, std::size_t pos) {
    Know(line, kPhpFacts);
    return AtOrAfter(m_lastPhpCloser, pos) ? line.find("?>", pos) : kNotFound;
}

std::size_t LineLookAhead::FindContent(std::string_view line, std::size_t pos) {
    Know(line, kContentFacts);
    return AtOrAfter(m_lastContent, pos) ? line.find(kContent, pos) : kNotFound;
}

std::size_t LineLookAhead::FindContentIgnoringCase(std::string_view line, std::size_t pos) {
    Know(line, kContentFacts);
    return AtOrAfter(m_lastFoldedContent, pos) ? FindIgnoringCase(line, pos, kContent) : kNotFound;
}

std::size_t LineLookAhead::FindSizeIgnoringCase(std::string_view line, std::size_t pos) {
    Know(line, kFontFacts);
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
