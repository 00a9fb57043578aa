#pragma once

#include <deque>
#include <optional>
#include <string>

#include "platform/FileDialog.h"

namespace tagsmith::test {

// Answers with the next queued file name, or as if cancelled when none is queued; records the
// request.
class FakeFileDialog : public FileDialog {
public:
    std::optional<std::string> GetOpenFileName(const std::string& dialogTitle,
                                               const std::string& dialogFilter,
                                               const std::string& dialogFolder) override {
        ++calls;
        title = dialogTitle;
        filter = dialogFilter;
        folder = dialogFolder;
        if (nextNames.empty()) return std::nullopt;
        std::optional<std::string> name = nextNames.front();
        nextNames.pop_front();
        return name;
    }

    std::deque<std::optional<std::string>> nextNames;
    int calls = 0;
    std::string title;
    std::string filter;
    std::string folder;
};

}  // namespace tagsmith::test
