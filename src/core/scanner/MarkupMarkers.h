#pragma once

#include <string>

namespace tagsmith {

// The control characters that stand for recognised tags in a prepared line. The form feed (12)
// may also come from the document itself and then acts as an end-of-bold marker.
namespace marker {
inline constexpr char kH6 = '\x01';
inline constexpr char kH5 = '\x02';
inline constexpr char kH4 = '\x03';
inline constexpr char kH3 = '\x04';
inline constexpr char kH2 = '\x05';
inline constexpr char kH1 = '\x06';
inline constexpr char kHeadingEnd = '\x07';
inline constexpr char kBoldStart = '\x0B';
inline constexpr char kBoldEnd = '\x0C';
inline constexpr char kTitleStart = '\x0E';
inline constexpr char kTitleEnd = '\x0F';
inline constexpr char kItalicStart = '\x10';
inline constexpr char kItalicEnd = '\x11';
}  // namespace marker

// Replaces the plain start and end tags of B, STRONG, I, EM, TITLE and H1 to H6 by their marker
// characters, and the non-breaking-space and quotation entities by plain characters. Tags with
// attributes or inner spaces stay. When the line was not lower-cased, upper-case B, I and Hn
// tags are recognised too, and STRONG, EM and TITLE tags in any mixture of cases.
void SubstituteMarkupMarkers(std::string& line, bool lowerCased);

}  // namespace tagsmith
