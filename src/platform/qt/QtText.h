#pragma once

#include <QString>
#include <string>
#include <string_view>

namespace tagsmith {

// UTF-8 to QString and back.
QString ToQString(std::string_view utf8);
std::string FromQString(const QString& text);
// A program text with CR LF (or lone CR) line breaks, as Qt widgets show it (LF only).
QString ToDisplayText(std::string_view utf8);
// Text from a Qt widget (LF, or Unicode line and paragraph separators) with CR LF line breaks.
std::string FromDisplayText(const QString& text);

}  // namespace tagsmith
