#pragma once

#include <optional>
#include <string>

namespace tagsmith {

class FileDialog {
public:
    virtual ~FileDialog() = default;
    // Asks for an existing file; nullopt when the user cancels. filter is "Label (patterns)".
    virtual std::optional<std::string> GetOpenFileName(const std::string& title,
                                                       const std::string& filter,
                                                       const std::string& folder) = 0;
};

}  // namespace tagsmith
