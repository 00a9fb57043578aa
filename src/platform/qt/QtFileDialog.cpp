#include "platform/qt/QtFileDialog.h"

#include <QApplication>
#include <QFileDialog>
#include <QSettings>

#include "platform/qt/QtText.h"

namespace tagsmith {

QtFileDialog::QtFileDialog() {
    // Without a temporary folder the settings go nowhere: a path that cannot be a folder.
    const QString folder =
        m_settingsFolder.isValid() ? m_settingsFolder.path() : QStringLiteral("/dev/null");
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, folder);
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, folder);
}

void QtFileDialog::Configure(QFileDialog& dialog, const std::string& title,
                             const std::string& filter, const std::string& folder) {
    dialog.setWindowTitle(ToQString(title));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setOption(QFileDialog::HideNameFilterDetails, true);
    dialog.setNameFilter(ToQString(filter));
    dialog.setDirectory(ToQString(folder));
}

std::optional<std::string> QtFileDialog::GetOpenFileName(const std::string& title,
                                                         const std::string& filter,
                                                         const std::string& folder) {
    QFileDialog dialog(QApplication::activeWindow());
    Configure(dialog, title, filter, folder);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return FromQString(dialog.selectedFiles().constFirst());
}

}  // namespace tagsmith
