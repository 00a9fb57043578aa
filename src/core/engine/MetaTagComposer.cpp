#include "core/engine/MetaTagComposer.h"

#include "core/engine/LimitText.h"
#include "core/engine/SubstringIndex.h"
#include "core/engine/UnicodeText.h"
#include "core/engine/WrittenBytes.h"
#include "core/text/CharacterRules.h"
#include "core/text/TextEncoding.h"

namespace tagsmith {
namespace {

constexpr std::u32string_view kPrefix = U"<meta name=\"keywords\" content=\"";

// The begin phrases as they go into the tag: one blank after each comma removed, a final comma
// and leading blanks dropped, lower-cased unless case is kept.
std::u32string BeginPhrases(std::u32string_view trimmed, bool preserveCase) {
    std::u32string phrases;
    phrases.reserve(trimmed.size());
    for (std::size_t k = 0; k < trimmed.size(); ++k) {
        phrases.push_back(trimmed[k]);
        if (trimmed[k] == U',' && k + 1 < trimmed.size() && trimmed[k + 1] == U' ') ++k;
    }
    if (!phrases.empty() && phrases.back() == U',') phrases.pop_back();
    phrases.erase(0, phrases.find_first_not_of(U' '));
    return preserveCase ? phrases : FoldCase(phrases);
}

// The tag text, with its length in the bytes the byte limit counts for the document, and an
// index of its lower-case form grown along with it: the contained-in test of every row then
// costs the length of the row's word, not the length of the tag so far.
class TagText {
public:
    explicit TagText(TextEncoding encoding) : m_encoding(encoding) {}

    void Append(std::u32string_view part) {
        m_text += part;
        m_bytes += Bytes(part);
        m_lower.Append(FoldCase(part));
    }
    bool ContainsLower(std::u32string_view lowerPart) const { return m_lower.Contains(lowerPart); }
    std::int64_t Bytes(std::u32string_view part) const { return WrittenBytes(part, m_encoding); }
    std::int64_t Length() const { return m_bytes; }
    const std::u32string& Text() const { return m_text; }

private:
    TextEncoding m_encoding;
    std::u32string m_text;
    std::int64_t m_bytes = 0;
    SubstringIndex m_lower;
};

}  // namespace

ComposedMetaTag ComposeMetaTag(const WordTable& table, GeneratorSettings& settings,
                               TextEncoding documentEncoding) {
    if (table.WordCount() == 0) return {};
    const std::int64_t maxKeywords = LimitFromText(settings.txbMaxNumKeywordsInMetaTag);
    const std::int64_t maxBytes = LimitFromText(settings.txbMaxNumBytesInMetaTag);

    TagText tag(documentEncoding);
    tag.Append(kPrefix);

    const std::u32string trimmed = TrimBlanks(Utf8ToCodePoints(settings.txbBeginMetaTagWith));
    settings.txbBeginMetaTagWith = CodePointsToUtf8(trimmed);
    std::int64_t n = 0;
    if (!trimmed.empty()) {
        const std::u32string phrases = BeginPhrases(trimmed, settings.chkPreserveCase);
        tag.Append(phrases);
        // A begin text of commas alone leaves no phrase, and nothing must count as one.
        if (!phrases.empty()) n = CountOccurrences(CodePointsToUtf8(phrases), ",", true) + 1;
    }
    std::int64_t length = tag.Length();

    const std::u32string_view separator = settings.chkSpaceAfterComma ? U", " : U",";
    const std::int32_t rows = table.WordCount();
    for (std::int32_t i = 1; i <= rows; ++i) {
        const std::string_view word = table.Entry(i).Word;
        if (maxKeywords > 0 && n + 1 > maxKeywords) break;
        const std::u32string characters = Utf8ToCodePoints(word);
        if (maxBytes > 0 && length + tag.Bytes(characters) + 1 > maxBytes) break;
        if (tag.ContainsLower(FoldCase(characters))) continue;
        if (n > 0) tag.Append(separator);
        tag.Append(characters);
        ++n;
        length = tag.Length();
    }
    tag.Append(U"\">");

    return {CodePointsToUtf8(tag.Text()), n, length};
}

int CountOccurrences(std::string_view text, std::string_view part, bool ignoreCase) {
    if (text.empty() || part.empty()) return 0;
    const std::string foldedText = ignoreCase ? FoldCase(text) : std::string(text);
    const std::string foldedPart = ignoreCase ? FoldCase(part) : std::string(part);
    int count = 0;
    for (std::size_t at = foldedText.find(foldedPart); at != std::string::npos;
         at = foldedText.find(foldedPart, at + foldedPart.size())) {
        ++count;
    }
    return count;
}

}  // namespace tagsmith
