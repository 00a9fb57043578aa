#include "platform/qt/QtText.h"

#include "core/text/StringOperations.h"

namespace tagsmith {

QString ToQString(std::string_view utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

std::string FromQString(const QString& text) {
    return text.toStdString();
}

QString ToDisplayText(std::string_view utf8) {
    return ToQString(ReplaceLineBreaks(utf8, "\n"));
}

std::string FromDisplayText(const QString& text) {
    QString crlf;
    crlf.reserve(text.size());
    for (const QChar c : text) {
        if (c == u'\n' || c == QChar::ParagraphSeparator || c == QChar::LineSeparator) {
            crlf += QStringLiteral("\r\n");
        } else {
            crlf += c;
        }
    }
    return crlf.toStdString();
}

}  // namespace tagsmith
