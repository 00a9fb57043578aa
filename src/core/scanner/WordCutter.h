#pragma once

#include <string_view>

#include "core/scanner/ScanContext.h"

namespace tagsmith {

// The characters besides letters that belong to a word in the selected language: hyphen and
// apostrophe for French, none otherwise.
std::string_view WordExtraCharacters(int language);

// Cuts the word that starts at the scan position (which stands on a letter) and hands it to the
// word table; returns the number of words cut. The first half of an English-style contraction
// ("don" of "don't" before a space) is dropped together with the apostrophe and the letter (0
// words). A run of letters that holds text of a script written without spaces is cut into its
// dictionary words, each counted.
int CutWord(ScanContext& context);

// Counts CurrentWord in the word table and shows a new distinct word in the progress display.
void AddCurrentWord(ScanContext& context);

}  // namespace tagsmith
