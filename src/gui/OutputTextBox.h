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
    // The same during a scan, when the cost allows. Showing the text takes longer as it grows
    // (the words of a scan form one long paragraph): a batch that took t ms waits 4t before the
    // next, and once a batch would hold the window up for more than kMaxBatchMs the rest waits
    // for the end of the scan, so that the window keeps handling its events in time.
    void FlushBatch();
    static constexpr qint64 kMaxBatchMs = 30;
    void MoveCaretToStart();
    void MoveCaretToEnd();

private:
    void UserChanged();

    QPlainTextEdit& m_editor;
    std::string m_text;
    std::string m_pending;
    bool m_textValid = true;
    bool m_caretToEnd = false;
    QElapsedTimer m_sinceBatch;
    qint64 m_batchCostMs = 0;
    std::size_t m_batchTextSize = 0;  // the size of the text after the last batch
    bool m_updating = false;
};

}  // namespace tagsmith
