#pragma once

#include <QLabel>

namespace tagsmith {

// A label that works as a link (the window's link labels): a click with the left button, or
// Enter or Space while it has the keyboard focus, reports `clicked`. It takes the focus by Tab
// and by click, and shows it with a focus frame around its caption.
class ClickableLabel : public QLabel {
    Q_OBJECT

public:
    explicit ClickableLabel(QWidget* parent = nullptr);

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace tagsmith
