#include "core/scanner/WordCutter.h"

#include <string>

#include "core/engine/AddWordOccurrence.h"
#include "core/text/CharacterRules.h"
#include "core/text/UnicodeCharacter.h"

namespace tagsmith {
namespace {

char CharAt(const std::string& line, std::size_t pos) {
    return pos < line.size() ? line[pos] : '\0';
}

// Cuts a run that holds text of a script written without spaces into its dictionary words and
// counts each; returns how many there were.
int CutDictionaryRun(ScanContext& context, std::string_view run) {
    ScanState& state = context.state;
    const std::size_t start = state.Position;
    int words = 0;
    std::size_t offset = 0;
    for (const std::size_t length : state.Dictionary.WordLengths(run)) {
        state.CurrentWord = run.substr(offset, length);
        offset += length;
        AddCurrentWord(context);
        ++words;
    }
    state.Position = start + run.size();
    return words;
}

}  // namespace

std::string_view WordExtraCharacters(int language) {
    return language == kFrenchPosition ? "-'" : "";
}

int CutWord(ScanContext& context) {
    ScanState& state = context.state;
    const std::string& line = state.CurrentLine;
    const std::size_t length = WordLength(
        line, state.Position, false,
        WordExtraCharacters(EffectiveLanguage(context.settings.cboLanguage, state.Language)));
    const std::string_view run = std::string_view(line).substr(state.Position, length);
    if (HoldsDictionaryScript(run)) return CutDictionaryRun(context, run);
    state.CurrentWord = run;

    const std::size_t after = state.Position + length;
    const char apostrophe = CharAt(line, after);
    const std::size_t letterLength = WordCharLength(line, after + 1);
    const char letter = CharAt(line, after + 1);
    const char next = CharAt(line, after + 1 + letterLength);
    if (apostrophe == '\'' && letterLength > 0 && letter != 's' && letter != 'S' && next == ' ') {
        state.CurrentWord.clear();
        state.Position = after + 2 + letterLength;
        return 0;
    }
    AddCurrentWord(context);
    state.Position = after;
    return 1;
}

void AddCurrentWord(ScanContext& context) {
    ScanState& state = context.state;
    const OccurrenceInputs inputs{context.settings, context.commonWords, context.ignoreList,
                                  state.Language};
    // The word table may shorten a plural to its singular.
    std::string& word = state.CurrentWord;
    if (AddWordOccurrence(word, state, inputs, context.table) != OccurrenceResult::NewRow) return;
    context.view.SetWordCountLabel("Number of words found: " +
                                   std::to_string(context.table.WordCount()));
    context.output.AppendText(word + " ");
    context.output.MoveCaretToEnd();
}

}  // namespace tagsmith
