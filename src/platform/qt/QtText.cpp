#include "platform/qt/QtText.h"

namespace tagsmith {

QString ToQString(std::string_view utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

std::string FromQString(const QString& text) {
    return text.toStdString();
}

QString ToDisplayText(std::string_view utf8) {
    std::string text;
    text.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        if (utf8[i] == '\r') {
            text += '\n';
            if (i + 1 < utf8.size() && utf8[i + 1] == '\n') ++i;
        } else {
            text += utf8[i];
        }
    }
    return ToQString(text);
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
