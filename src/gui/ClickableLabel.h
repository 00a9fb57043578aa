#pragma once

#include <QLabel>

namespace tagsmith {

// A label that reports a click with the left button (the window's link labels).
class ClickableLabel : public QLabel {
    Q_OBJECT

public:
    explicit ClickableLabel(QWidget* parent = nullptr);

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};

}  // namespace tagsmith
