#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace tagsmith {

// Why a document was refused: the first message box the command showed for it.
struct Refusal {
    std::string title;
    std::string message;  // line breaks as spaces, as on the error stream
};

// The composed keywords meta tag, or the reason there is none.
struct ComposedTag {
    std::string tag;  // the first line of the report; empty when there were no words
    std::int64_t keywords = 0;
    std::int64_t bytes = 0;
    std::string message;  // the no-words text when tag is empty
};

// One line of the word list report.
struct ListedWord {
    std::int32_t rank = 0;
    std::int64_t value = 0;
    std::int32_t frequency = 0;
    std::string density;  // as the report writes it, two decimals
    std::string word;     // UTF-8
};

// The first of each entry of the head report (absent: no such entry); error is the report's
// failure line when reading stopped early. For check and report the keywords are those of the
// tag insert would replace.
struct ExistingTags {
    std::optional<std::string> title;
    std::optional<std::string> description;
    std::optional<std::string> keywords;
    std::string error;
};

// The keywords of the tag insert would replace against those of the composed tag.
struct Freshness {
    bool stale = false;  // insert would change the document
    bool noKeywordsTag = false;
    std::vector<std::string> added;     // composed, not in the existing tag
    std::vector<std::string> dropped;   // in the existing tag, not composed
    std::vector<std::string> repeated;  // more than once in the existing tag
    std::vector<std::string> existingKeywords;
    std::vector<std::string> composedKeywords;
};

// Everything one command made of one document. The parts a command does not produce stay empty.
struct DocumentReport {
    std::string file;                // as given or as the folder walk built it
    std::string errorLines;          // for the error stream, each line ending in "\n"
    std::optional<Refusal> refusal;  // set: the document was refused
    std::string outputText;          // the console text of the report (LF line ends)
    std::string language;            // the code of the language found, under --language auto
    std::optional<ComposedTag> composed;
    std::optional<std::vector<ListedWord>> words;
    std::string noWordsMessage;  // list: why there are no words

    std::optional<ExistingTags> existing;
    std::optional<Freshness> freshness;
};

}  // namespace tagsmith
