#pragma once

#include <cstddef>
#include <string>

#include "WordStream.h"

namespace tagsmith::bench {

// Documentation-like HTML pages filled with the words of a stream: a head with title, meta
// tags, style sheet and script, then headings, paragraphs with bold and emphasised words, links,
// code, entities, comments, tables and DIV and SPAN blocks. Lines are about 80 characters long.
// Pages are appended until the text holds at least `bytes` bytes.
std::string SyntheticPages(const WordStream& words, std::size_t bytes);

// The same text on one line: every line break becomes a blank, as a minifier would leave it.
std::string OnOneLine(std::string text);

}  // namespace tagsmith::bench
