#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

#include "core/scanner/RestOfLineLookAhead.h"

namespace tagsmith {

// The look-aheads that META and FONT tags (and undecoded entities) make over the rest of the
// current line, answered from facts gathered in one pass over the line the first time they are
// asked for. A minified page is one line of megabytes with a META or FONT tag every few kilobytes;
// searching the whole rest of the line again from every tag would make the scan quadratic.
// The answers are those of the plain searches (RestOfLineLookAhead.h, std::string::find).
//
// The facts belong to one line: Forget() must be called whenever the scanned line is replaced
// (the line scanner does it for every new line, the PHP skip for every line it reads on).
class LineLookAhead {
public:
    static constexpr std::size_t kNotFound = std::string_view::npos;

    void Forget() {
        m_known = 0;
        m_stopFrom = kNotFound;
    }

    // As MetaNameInRest(line, pos).
    MetaName MetaNameInRest(std::string_view line, std::size_t pos);
    // As FontSizeBeforeNextFont(line, pos).
    bool FontSizeBeforeNextFont(std::string_view line, std::size_t pos);
    // As PhpOpenerAhead(line, pos).
    bool PhpOpenerAhead(std::string_view line, std::size_t pos);
    // As line.find("<?", pos) and line.find("?>", pos).
    std::size_t FindPhpOpener(std::string_view line, std::size_t pos);
    std::size_t FindPhpCloser(std::string_view line, std::size_t pos);
    // As line.find("content", pos) and FindIgnoringCase(line, pos, "content").
    std::size_t FindContent(std::string_view line, std::size_t pos);
    std::size_t FindContentIgnoringCase(std::string_view line, std::size_t pos);
    // As FindIgnoringCase(line, pos, "size").
    std::size_t FindSizeIgnoringCase(std::string_view line, std::size_t pos);
    // The first ";" or space at or after pos; line.size() when there is none.
    std::size_t FindSemicolonOrSpace(std::string_view line, std::size_t pos);

private:
    // Starts (positions in the line) of a text sought with case folded and spaces left out.
    struct Starts {
        std::size_t last = kNotFound;
        std::vector<std::size_t> all;  // ascending; kept only where the first one is asked for
    };
    // The kinds of facts, each gathered when first asked for: most lines need none, a page's
    // META tags need only the names.
    enum Fact : unsigned { kPhpFacts = 1, kNameFacts = 2, kContentFacts = 4, kFontFacts = 8 };

    // Makes sure the facts of the kind are those of this line.
    void Know(std::string_view line, Fact fact);
    void LearnNames(std::string_view line);
    void LearnFont(std::string_view line);
    // The first start at or after pos, kNotFound when none.
    static std::size_t FirstFrom(const Starts& starts, std::size_t pos);
    static bool AtOrAfter(std::size_t found, std::size_t pos) {
        return found != kNotFound && found >= pos;
    }

    unsigned m_known = 0;  // the Facts gathered for the line below
    const char* m_data = nullptr;
    std::size_t m_size = 0;
    Starts m_descriptionName;  // name="description", spaces left out, case folded
    Starts m_keywordsName;     // name="keywords"
    Starts m_sizeWord;         // size
    Starts m_fontWord;         // font
    std::size_t m_lastPhpOpener = kNotFound;
    std::size_t m_lastPhpCloser = kNotFound;
    std::size_t m_lastContent = kNotFound;
    std::size_t m_lastFoldedContent = kNotFound;
    std::size_t m_lastFoldedSize = kNotFound;
    // The last FindSemicolonOrSpace: from `m_stopFrom` on, the first stop is `m_stop`.
    const char* m_stopData = nullptr;
    std::size_t m_stopSize = 0;
    std::size_t m_stopFrom = kNotFound;
    std::size_t m_stop = kNotFound;
};

}  // namespace tagsmith
