#include "gui/OutputTextBox.h"

#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextCursor>
#include <QTextDocument>
#include <algorithm>

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
    m_sinceBatch.invalidate();
    m_batchesShown = 0;
    m_caretToEnd = false;
    if (m_showingTail) {
        m_showingTail = false;
        m_editor.setReadOnly(m_wasReadOnly);
    }
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
    if (m_showingTail) {
        m_showingTail = false;
        m_pending.clear();
        m_updating = true;
        m_editor.setPlainText(ToDisplayText(m_text));
        m_updating = false;
        m_editor.setReadOnly(m_wasReadOnly);
    }
    if (m_pending.empty() && !m_caretToEnd) return;
    // A CR LF pair cut between two batches would show as two line breaks: keep the CR back.
    std::size_t length = m_pending.size();
    if (length > 0 && m_pending.back() == '\r') --length;
    if (length > 0) {
        const QString batch = ToDisplayText(std::string_view(m_pending).substr(0, length));
        m_pending.erase(0, length);
        m_updating = true;
        QTextCursor cursor(m_editor.document());
        cursor.movePosition(QTextCursor::End);
        cursor.insertText(batch);
        m_updating = false;
    }
    if (m_caretToEnd) {
        m_caretToEnd = false;
        QTextCursor cursor = m_editor.textCursor();
        cursor.movePosition(QTextCursor::End);
        m_editor.setTextCursor(cursor);
        m_editor.ensureCursorVisible();
    }
}

void OutputTextBox::FlushBatch() {
    if (m_pending.empty() && !m_caretToEnd) return;
    if (m_sinceBatch.isValid() && m_sinceBatch.elapsed() < m_batchIntervalMs) return;
    m_sinceBatch.restart();
    ++m_batchesShown;
    if (m_showingTail || m_text.size() > kShownDuringScan) {
        ShowTail();
    } else {
        Flush();
    }
    PaintNow();
}

void OutputTextBox::ShowTail() {
    if (!m_showingTail) {
        m_showingTail = true;
        m_wasReadOnly = m_editor.isReadOnly();
        m_editor.setReadOnly(true);
    }
    m_pending.clear();
    m_caretToEnd = false;
    // From the first whole word of the last part.
    std::size_t start = m_text.size() - std::min(m_text.size(), kShownDuringScan);
    if (start > 0) {
        const std::size_t space = m_text.find(' ', start);
        if (space != std::string::npos) start = space + 1;
    }
    m_updating = true;
    m_editor.setPlainText(ToDisplayText(std::string_view(m_text).substr(start)));
    m_updating = false;
    QTextCursor cursor = m_editor.textCursor();
    cursor.movePosition(QTextCursor::End);
    m_editor.setTextCursor(cursor);
    m_editor.ensureCursorVisible();
}

void OutputTextBox::PaintNow() {
    if (m_editor.isVisible()) m_editor.viewport()->repaint();
}

void OutputTextBox::MoveCaretToStart() {
    m_caretToEnd = false;
    Flush();
    QTextCursor cursor = m_editor.textCursor();
    cursor.movePosition(QTextCursor::Start);
    m_editor.setTextCursor(cursor);
    m_editor.ensureCursorVisible();
}

void OutputTextBox::MoveCaretToEnd() {
    // While words are being appended the caret follows them at the next batch.
    m_caretToEnd = true;
    if (m_pending.empty()) Flush();
}

}  // namespace tagsmith
