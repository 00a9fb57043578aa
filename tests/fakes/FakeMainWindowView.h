#pragma once

#include <map>
#include <string>
#include <vector>

#include "core/settings/MainWindowLayout.h"
#include "core/settings/MainWindowView.h"

namespace tagsmith::test {

// The main window in memory: records what the logic shows, with the layout's geometry.
class FakeMainWindowView : public MainWindowView {
public:
    FakeMainWindowView() {
        for (const ControlLayout& entry : MainWindowLayout()) {
            rects[entry.control] = entry.rect;
            captions[entry.control] = std::string(entry.caption);
        }
    }

    void SetListItems(Control list, const std::vector<std::string>& items) override {
        listItems[list] = items;
    }
    void SetListIndex(Control list, int index) override { listIndex[list] = index; }
    void SetChecked(Control control, bool isChecked) override {
        checked[control] = isChecked;
        if (isChecked && control == Control::optInsertionWithBackup) {
            checked[Control::optInsertionWithoutBackup] = false;
        } else if (isChecked && control == Control::optInsertionWithoutBackup) {
            checked[Control::optInsertionWithBackup] = false;
        }
    }
    void SetText(Control box, const std::string& text) override {
        texts[box] = text;
        if (box == Control::txbMetaTag) outputHistory.push_back(text);
    }
    std::string Text(Control box) const override {
        const auto it = texts.find(box);
        return it == texts.end() ? std::string() : it->second;
    }
    void AppendText(Control box, const std::string& text) override { texts[box] += text; }
    void MoveCaretToStart(Control box) override { caretAtEnd[box] = false; }
    void MoveCaretToEnd(Control box) override { caretAtEnd[box] = true; }
    void SetCaption(Control control, const std::string& caption) override {
        captions[control] = caption;
    }
    void SetToolTip(Control control, const std::string& text) override { toolTips[control] = text; }
    void SetEnabled(Control control, bool isEnabled) override { enabled[control] = isEnabled; }
    void SetVisible(Control control, bool isVisible) override { visible[control] = isVisible; }
    void SetFocus(Control control) override {
        focus = control;
        ++focusChanges;
    }

    void ShowWindow() override { windowVisible = true; }
    bool IsWindowVisible() const override { return windowVisible; }
    void Repaint() override { ++repaints; }
    TwipRect WindowRect() const override { return window; }
    void SetWindowRect(const TwipRect& rect) override { window = rect; }
    int ScreenHeight() const override { return screenHeight; }
    TwipRect ControlRect(Control control) const override {
        const auto it = rects.find(control);
        return it == rects.end() ? TwipRect{} : it->second;
    }
    void SetControlRect(Control control, const TwipRect& rect) override { rects[control] = rect; }
    void ShowHelp(const std::string& guideText) override {
        ++helpShown;
        helpText = guideText;
    }
    void EndProgram() override { ++endCalls; }

    // Enabled unless disabled; visible unless hidden.
    bool IsEnabled(Control control) const {
        const auto it = enabled.find(control);
        return it == enabled.end() || it->second;
    }
    bool IsVisible(Control control) const {
        const auto it = visible.find(control);
        return it == visible.end() || it->second;
    }
    bool IsChecked(Control control) const {
        const auto it = checked.find(control);
        return it != checked.end() && it->second;
    }
    int ListIndex(Control list) const {
        const auto it = listIndex.find(list);
        return it == listIndex.end() ? -1 : it->second;
    }
    std::string Caption(Control control) const {
        const auto it = captions.find(control);
        return it == captions.end() ? std::string() : it->second;
    }

    std::map<Control, std::vector<std::string>> listItems;
    std::map<Control, int> listIndex;
    std::map<Control, bool> checked;
    std::map<Control, std::string> texts;
    std::vector<std::string> outputHistory;
    std::map<Control, bool> caretAtEnd;
    std::map<Control, std::string> captions;
    std::map<Control, std::string> toolTips;
    std::map<Control, bool> enabled;
    std::map<Control, bool> visible;
    std::map<Control, TwipRect> rects;
    Control focus = Control::None;
    int focusChanges = 0;
    bool windowVisible = false;
    int repaints = 0;
    // A window as it opens: the client area and a caption bar of 25 pixels.
    TwipRect window{3000, 1500, kMainWindowClientWidth, kMainWindowClientHeight + 375};
    int screenHeight = 16200;
    int helpShown = 0;
    std::string helpText;
    int endCalls = 0;
};

}  // namespace tagsmith::test
