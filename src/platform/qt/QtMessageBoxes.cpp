#include "platform/qt/QtMessageBoxes.h"

#include <QApplication>
#include <QMessageBox>

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

}  // namespace

void QtMessageBoxes::Configure(QMessageBox& box, const std::string& prompt,
                               const std::string& title, MessageIcon icon, MessageButtons buttons) {
    box.setIcon(ToQtIcon(icon));
    box.setWindowTitle(ToQString(title));
    box.setText(ToDisplayText(prompt));
    box.setTextFormat(Qt::PlainText);
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
