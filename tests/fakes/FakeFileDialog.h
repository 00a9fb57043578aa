#pragma once

#include <deque>
#include <optional>
#include <string>

#include "platform/FileDialog.h"

namespace tagsmith::test {

// Answers with the next queued file name, or as if cancelled when none is queued; records the
// filter and the folder it was asked for.
class FakeFileDialog : public FileDialog {
public:
    std::optional<std::string> GetOpenFileName(const std::string&, const std::string& dialogFilter,
                                               const std::string& dialogFolder) override {
        filter = dialogFilter;
        folder = dialogFolder;
        if (nextNames.empty()) return std::nullopt;
        std::optional<std::string> name = nextNames.front();
        nextNames.pop_front();
        return name;
    }

    std::deque<std::optional<std::string>> nextNames;
    std::string filter;
    std::string folder;
};

}  // namespace tagsmith::test
