#pragma once

#include "platform/FileDialog.h"

class QFileDialog;

namespace tagsmith {

// The platform's open-file dialog for one existing file. The filter's patterns (the last
// parenthesised part) select; the label before them is what the dialog shows.
class QtFileDialog : public FileDialog {
public:
    std::optional<std::string> GetOpenFileName(const std::string& title, const std::string& filter,
                                               const std::string& folder) override;

    // Prepares the dialog as GetOpenFileName shows it.
    static void Configure(QFileDialog& dialog, const std::string& title, const std::string& filter,
                          const std::string& folder);
};

}  // namespace tagsmith
