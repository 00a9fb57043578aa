#include "core/scanner/WordCutter.h"

#include <string>

#include "core/engine/AddWordOccurrence.h"
#include "core/text/CharacterRules.h"
#include "core/text/TextEncoding.h"

namespace tagsmith {
namespace {

char CharAt(const std::string& line, std::size_t pos) {
    return pos < line.size() ? line[pos] : '\0';
}

}  // namespace

std::string_view WordExtraCharacters(const GeneratorSettings& settings) {
    return settings.cboLanguage == kFrenchPosition ? "-'" : "";
}

void CutWord(ScanContext& context) {
    ScanState& state = context.state;
    const std::string& line = state.CurrentLine;
    const std::size_t length =
        WordLength(line, state.Position, false, WordExtraCharacters(context.settings));
    state.CurrentWord = line.substr(state.Position, length);

    const std::size_t after = state.Position + length;
    const char apostrophe = CharAt(line, after);
    const char letter = CharAt(line, after + 1);
    const char next = CharAt(line, after + 2);
    if (apostrophe == '\'' && IsWordChar(letter) && letter != 's' && letter != 'S' && next == ' ') {
        state.CurrentWord.clear();
        state.Position = after + 3;
        return;
    }
    AddCurrentWord(context);
    state.Position = after;
}

void AddCurrentWord(ScanContext& context) {
    ScanState& state = context.state;
    const OccurrenceInputs inputs{context.settings, context.commonWords, context.ignoreList};
    // The word table may shorten a plural to its singular.
    std::string& word = state.CurrentWord;
    if (AddWordOccurrence(word, state, inputs, context.table) != OccurrenceResult::NewRow) return;
    context.view.SetWordCountLabel("Number of words found: " +
                                   std::to_string(context.table.WordCount()));
    context.output.AppendText(Windows1252ToUtf8(word) + " ");
    context.output.MoveCaretToEnd();
}

}  // namespace tagsmith
