#pragma once

#include <QPlainTextEdit>
#include <QPushButton>
#include <QWidget>
#include <string>

namespace tagsmith {

// frmHelp: the built-in guide in a resizable window. "Close" hides it (it keeps its size, place
// and scroll position for the next showing); the title-bar close box unloads it, so the next
// showing places it afresh.
class HelpWindow : public QWidget {
    Q_OBJECT

public:
    explicit HelpWindow(const std::string& guideText);

    // True once the user closed the window with its title-bar close box.
    bool IsUnloaded() const { return m_unloaded; }

protected:
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    // Escape hides the window as Close does; Return or Enter presses the focused Close button.
    void keyPressEvent(QKeyEvent* event) override;

private:
    void LayOut();

    // Children by value: they are destroyed before the window and leave it as they go.
    QPlainTextEdit m_guide{this};
    QPushButton m_close{this};
    bool m_unloaded = false;
};

}  // namespace tagsmith
