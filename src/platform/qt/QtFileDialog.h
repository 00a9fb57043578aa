#pragma once

#include <QTemporaryDir>

#include "platform/FileDialog.h"

class QFileDialog;

namespace tagsmith {

// The platform's open-file dialog for one existing file. The filter's patterns (the last
// parenthesised part) select; the label before them is what the dialog shows.
// The dialog would keep its own state (QtProject.conf) in the user's configuration folder;
// while this object lives, Qt's per-user settings go to a private temporary folder instead, so
// that the program leaves nothing there but its state file.
class QtFileDialog : public FileDialog {
public:
    QtFileDialog();

    std::optional<std::string> GetOpenFileName(const std::string& title, const std::string& filter,
                                               const std::string& folder) override;

    // Prepares the dialog as GetOpenFileName shows it.
    static void Configure(QFileDialog& dialog, const std::string& title, const std::string& filter,
                          const std::string& folder);

private:
    QTemporaryDir m_settingsFolder;
};

}  // namespace tagsmith
