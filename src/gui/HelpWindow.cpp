#include "gui/HelpWindow.h"

#include <QCloseEvent>
#include <QKeyEvent>

#include "core/window/HelpGuide.h"
#include "core/window/HelpWindowLayout.h"
#include "core/window/MainWindowLayout.h"
#include "gui/UiFonts.h"
#include "platform/qt/QtText.h"

namespace tagsmith {

HelpWindow::HelpWindow(const std::string& guideText) {
    setObjectName(QStringLiteral("frmHelp"));
    setWindowTitle(QString::fromLatin1(kHelpWindowCaption));
    m_guide.setObjectName(QStringLiteral("txbHelpScreen"));
    m_guide.setReadOnly(true);
    m_guide.setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_guide.setFont(UiFont(kSans975));
    m_guide.setPlainText(ToDisplayText(guideText));
    m_close.setObjectName(QStringLiteral("cmdClose"));
    m_close.setText(QString::fromLatin1(kHelpCloseCaption));
    m_close.setFont(UiFont(kSans975));
    connect(&m_close, &QPushButton::clicked, this, &QWidget::hide);
}

void HelpWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (!isMinimized()) LayOut();
}

void HelpWindow::LayOut() {
    const QRect outer = frameGeometry();
    const HelpControlsLayout layout =
        LayOutHelpControls(outer.width() * kTwipsPerPixel, outer.height() * kTwipsPerPixel);
    const auto toPixels = [](const TwipRect& r) {
        return QRect(r.left / kTwipsPerPixel, r.top / kTwipsPerPixel, r.width / kTwipsPerPixel,
                     r.height / kTwipsPerPixel);
    };
    m_guide.setGeometry(toPixels(layout.guideBox));
    m_close.setGeometry(toPixels(layout.closeButton));
}

void HelpWindow::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    const bool onlyKeypad = (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    if (key == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        m_close.click();
    } else if ((key == Qt::Key_Return || key == Qt::Key_Enter) && onlyKeypad &&
               focusWidget() == &m_close) {
        m_close.click();
    } else {
        QWidget::keyPressEvent(event);
    }
}

void HelpWindow::closeEvent(QCloseEvent* event) {
    m_unloaded = true;
    event->accept();
}

}  // namespace tagsmith
