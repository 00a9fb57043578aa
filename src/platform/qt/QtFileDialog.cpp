#include "platform/qt/QtFileDialog.h"

#include <QApplication>
#include <QFileDialog>

#include "platform/qt/QtText.h"

namespace tagsmith {

std::optional<std::string> QtFileDialog::GetOpenFileName(const std::string& title,
                                                         const std::string& filter,
                                                         const std::string& folder) {
    const QString name = QFileDialog::getOpenFileName(
        QApplication::activeWindow(), ToQString(title), ToQString(folder), ToQString(filter),
        nullptr, QFileDialog::HideNameFilterDetails);
    if (name.isEmpty()) return std::nullopt;
    return FromQString(name);
}

}  // namespace tagsmith
