#include "gui/OutputTextBox.h"

#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextCursor>
#include <QTextDocument>

#include "platform/qt/QtText.h"

namespace tagsmith {

OutputTextBox::OutputTextBox(QPlainTextEdit& editor) : QObject(&editor), m_editor(editor) {
    connect(&m_editor, &QPlainTextEdit::textChanged, this, &OutputTextBox::UserChanged);
}

void OutputTextBox::UserChanged() {
    if (!m_updating) m_textValid = false;
}

void OutputTextBox::SetText(const std::string& text) {
    m_pending.clear();
    m_text = text;
    m_textValid = true;
    m_updating = true;
    m_editor.setPlainText(ToDisplayText(text));
    m_updating = false;
}

void OutputTextBox::Append(const std::string& text) {
    Text();
    m_text += text;
    m_pending += text;
}

const std::string& OutputTextBox::Text() {
    if (!m_textValid) {
        m_text = FromDisplayText(m_editor.document()->toRawText());
        m_textValid = true;
    }
    return m_text;
}

void OutputTextBox::Flush() {
    if (m_pending.empty()) return;
    // A CR LF pair cut between two batches would show as two line breaks: keep the CR back.
    std::size_t length = m_pending.size();
    if (m_pending.back() == '\r') --length;
    if (length == 0) return;
    const QString batch = ToDisplayText(std::string_view(m_pending).substr(0, length));
    m_pending.erase(0, length);
    m_updating = true;
    QTextCursor cursor(m_editor.document());
    cursor.movePosition(QTextCursor::End);
    cursor.insertText(batch);
    m_updating = false;
}

void OutputTextBox::MoveCaretToStart() {
    Flush();
    QTextCursor cursor = m_editor.textCursor();
    cursor.movePosition(QTextCursor::Start);
    m_editor.setTextCursor(cursor);
    m_editor.ensureCursorVisible();
}

void OutputTextBox::MoveCaretToEnd() {
    Flush();
    QTextCursor cursor = m_editor.textCursor();
    cursor.movePosition(QTextCursor::End);
    m_editor.setTextCursor(cursor);
    m_editor.ensureCursorVisible();
}

}  // namespace tagsmith
