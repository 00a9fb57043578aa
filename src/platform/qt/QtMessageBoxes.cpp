#include "platform/qt/QtMessageBoxes.h"

#include <QApplication>
#include <QFontMetrics>
#include <QGridLayout>
#include <QMessageBox>
#include <QSpacerItem>
#include <memory>

#include "platform/qt/QtText.h"

namespace tagsmith {

namespace {

QMessageBox::Icon ToQtIcon(MessageIcon icon) {
    switch (icon) {
        case MessageIcon::Information:
            return QMessageBox::Information;
        case MessageIcon::Exclamation:
            return QMessageBox::Warning;
        case MessageIcon::Critical:
            return QMessageBox::Critical;
        case MessageIcon::None:
            break;
    }
    return QMessageBox::NoIcon;
}

// The room a title bar needs for its buttons and edges beside the title.
constexpr int kTitleBarExtra = 140;

}  // namespace

int QtMessageBoxes::TitleWidth(const QString& title) {
    // Title bars use a bold font a little larger than the dialog's text.
    QFont font = QApplication::font();
    font.setBold(true);
    font.setPointSizeF(font.pointSizeF() * 1.2);
    return QFontMetrics(font).horizontalAdvance(title) + kTitleBarExtra;
}

void QtMessageBoxes::Configure(QMessageBox& box, const std::string& prompt,
                               const std::string& title, MessageIcon icon, MessageButtons buttons) {
    box.setIcon(ToQtIcon(icon));
    box.setWindowTitle(ToQString(title));
    box.setText(ToDisplayText(prompt));
    box.setTextFormat(Qt::PlainText);
    // A message box is as wide as its text; a long title would be cut in the title bar. An
    // empty row across the whole grid holds the box open to the title's width.
    if (auto* grid = qobject_cast<QGridLayout*>(box.layout())) {
        grid->addItem(std::make_unique<QSpacerItem>(TitleWidth(box.windowTitle()), 0,
                                                    QSizePolicy::Minimum, QSizePolicy::Fixed)
                          .release(),
                      grid->rowCount(), 0, 1, grid->columnCount());
    }
    switch (buttons) {
        case MessageButtons::Ok:
            box.setStandardButtons(QMessageBox::Ok);
            break;
        case MessageButtons::YesNo:
            box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
            box.setDefaultButton(QMessageBox::No);
            box.setEscapeButton(QMessageBox::No);
            break;
        case MessageButtons::YesNoCancel:
            box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
            box.setDefaultButton(QMessageBox::Yes);
            box.setEscapeButton(QMessageBox::Cancel);
            break;
    }
}

MessageResult QtMessageBoxes::Show(const std::string& prompt, const std::string& title,
                                   MessageIcon icon, MessageButtons buttons) {
    QMessageBox box(QApplication::activeWindow());
    Configure(box, prompt, title, icon, buttons);
    switch (box.exec()) {
        case QMessageBox::Yes:
            return MessageResult::Yes;
        case QMessageBox::No:
            return MessageResult::No;
        case QMessageBox::Cancel:
            return MessageResult::Cancel;
        default:
            return MessageResult::Ok;
    }
}

}  // namespace tagsmith
