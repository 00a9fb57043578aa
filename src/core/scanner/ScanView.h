#pragma once

#include <string>

namespace tagsmith {

// The parts of the main window that a scan drives, besides message boxes and the output box.
class ScanView {
public:
    virtual ~ScanView() = default;
    // The word-count label under the settings.
    virtual void SetWordCountLabel(const std::string& /*text*/) {}
    // The caption of the "List words" button ("Stop" while a scan runs).
    virtual void SetListWordsCaption(const std::string& /*caption*/) {}
    // Enables or disables the commands that must not run during a scan.
    virtual void EnableCommands(bool /*enabled*/) {}
};

}  // namespace tagsmith
