#pragma once

namespace tagsmith {

// What the settings' change handlers need from the main window.
class SettingsHost {
public:
    virtual ~SettingsHost() = default;
    // Moves the focus to the next useful button (nothing while the window is hidden).
    virtual void PlaceFocus() = 0;
    // A setting the scan depends on changed: the next command scans again.
    virtual void InvalidateScan() = 0;
    virtual bool IsStartupComplete() const = 0;
    // True when the common words of the language could not be read; false for every language
    // before the lists have been read at start-up.
    virtual bool CommonWordsMissing(int language) const = 0;
    // The message about the language's missing common words (the box is shown by the caller).
    virtual void ShowCommonWordsMissing(int language) = 0;
};

}  // namespace tagsmith
