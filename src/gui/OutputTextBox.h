#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <string>

class QPlainTextEdit;

namespace tagsmith {

// The text of the output box as the program sees it (UTF-8, CR LF), kept beside the widget so
// that reading it costs nothing while a scan appends word after word. Appended text is shown in
// batches: it reaches the widget at Flush, which the window runs before it handles its events;
// a move of the caret to the end made meanwhile happens then too.
class OutputTextBox : public QObject {
    Q_OBJECT

public:
    explicit OutputTextBox(QPlainTextEdit& editor);

    void SetText(const std::string& text);
    void Append(const std::string& text);
    const std::string& Text();
    // Shows what was appended (and moves the caret) at once.
    void Flush();
    // The same during a scan, at most every BatchIntervalMs. The words of a scan form one long
    // paragraph whose layout costs more as it grows, so once the text is longer than
    // kShownDuringScan bytes the box shows only its last part (the caret is at the end, so that
    // is what would be in view) and is read-only until the whole text comes at the next Flush.
    void FlushBatch();
    static constexpr qint64 kBatchIntervalMs = 100;
    static constexpr std::size_t kShownDuringScan = 8192;
    void SetBatchInterval(qint64 milliseconds) { m_batchIntervalMs = milliseconds; }
    // How many batches FlushBatch has shown since the text was last set.
    int BatchesShown() const { return m_batchesShown; }
    void MoveCaretToStart();
    void MoveCaretToEnd();

private:
    void UserChanged();
    void ShowTail();
    void PaintNow();

    QPlainTextEdit& m_editor;
    std::string m_text;
    std::string m_pending;
    bool m_textValid = true;
    bool m_caretToEnd = false;
    QElapsedTimer m_sinceBatch;
    qint64 m_batchIntervalMs = kBatchIntervalMs;
    int m_batchesShown = 0;
    bool m_showingTail = false;  // the box shows only the end of the text
    bool m_wasReadOnly = false;
    bool m_updating = false;
};

}  // namespace tagsmith
