#pragma once

#include <QObject>
#include <string>

class QPlainTextEdit;

namespace tagsmith {

// The text of the output box as the program sees it (UTF-8, CR LF), kept beside the widget so
// that reading it costs nothing while a scan appends word after word. Appended text is shown in
// batches: it reaches the widget at Flush, which the window runs before it handles its events.
class OutputTextBox : public QObject {
    Q_OBJECT

public:
    explicit OutputTextBox(QPlainTextEdit& editor);

    void SetText(const std::string& text);
    void Append(const std::string& text);
    const std::string& Text();
    void Flush();
    void MoveCaretToStart();
    void MoveCaretToEnd();

private:
    void UserChanged();

    QPlainTextEdit& m_editor;
    std::string m_text;
    std::string m_pending;
    bool m_textValid = true;
    bool m_updating = false;
};

}  // namespace tagsmith
