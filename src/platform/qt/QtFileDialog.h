#pragma once

#include "platform/FileDialog.h"

namespace tagsmith {

// The platform's open-file dialog for one existing file. The filter's patterns (the last
// parenthesised part) select; the label before them is what the dialog shows.
class QtFileDialog : public FileDialog {
public:
    std::optional<std::string> GetOpenFileName(const std::string& title, const std::string& filter,
                                               const std::string& folder) override;
};

}  // namespace tagsmith
