#pragma once

#include <string>
#include <vector>

namespace tagsmith {

// Cuts the words of one lower-cased line (cp1252) of a common-word file and inserts each new
// one into the sorted list. Tab, LF, CR and the no-break space separate words like blanks; with
// `french` the hyphen and the apostrophe belong to a word (but never start one). Returns false
// when the list is full and the rest of the line was not read.
bool AddCommonWordsFromLine(std::string line, bool french, std::vector<std::string>& words);

// Puts the word into the sorted list at its place (ascending byte order); duplicates and
// words beyond the cap are not stored. Returns false when the list was already full.
bool InsertCommonWordSorted(const std::string& word, std::vector<std::string>& words);

}  // namespace tagsmith
