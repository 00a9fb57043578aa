#pragma once

#include <string>
#include <vector>

#include "core/scanner/ScanView.h"

namespace tagsmith::test {

// Records what a scan does to the window: the label, the button caption, and enabling.
class FakeScanView : public ScanView {
public:
    void SetWordCountLabel(const std::string& text) override {
        wordCountLabel = text;
        labelHistory.push_back(text);
    }
    void SetListWordsCaption(const std::string& caption) override {
        listWordsCaption = caption;
        captionHistory.push_back(caption);
    }
    void EnableCommands(bool enabled) override { enableHistory.push_back(enabled); }

    std::string wordCountLabel;
    std::vector<std::string> labelHistory;
    std::string listWordsCaption = "List words";
    std::vector<std::string> captionHistory;
    std::vector<bool> enableHistory;
};

}  // namespace tagsmith::test
