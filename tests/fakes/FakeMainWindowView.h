#pragma once

#include <map>
#include <string>
#include <vector>

#include "core/window/MainWindowLayout.h"
#include "core/window/MainWindowView.h"

namespace tagsmith::test {

// The main window in memory: records what the logic shows, with the layout's geometry.
class FakeMainWindowView : public MainWindowView {
public:
    FakeMainWindowView() {
        for (const ControlLayout& entry : MainWindowLayout()) rects[entry.control] = entry.rect;
    }

    void SetListItems(Control list, const std::vector<std::string>& items) override {
        listItems[list] = items;
    }
    void SetListIndex(Control list, int index) override { listIndex[list] = index; }
    void SetChecked(Control control, bool isChecked) override {
        checked[control] = isChecked;
        // The two options form one group.
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
    std::string Text(Control box) const override { return Get(texts, box, std::string()); }
    void AppendText(Control box, const std::string& text) override { texts[box] += text; }
    void MoveCaretToStart(Control box) override { caretAtEnd[box] = false; }
    void MoveCaretToEnd(Control box) override { caretAtEnd[box] = true; }
    void SetCaption(Control control, const std::string& caption) override {
        captions[control] = caption;
    }
    void SetToolTip(Control, const std::string&) override {}
    void SetEnabled(Control control, bool isEnabled) override { enabled[control] = isEnabled; }
    void SetVisible(Control control, bool isVisible) override { visible[control] = isVisible; }
    void SetFocus(Control control) override { focus = control; }
    void ShowWindow() override { windowVisible = true; }
    bool IsWindowVisible() const override { return windowVisible; }
    void Repaint() override {}
    TwipRect WindowRect() const override { return window; }
    void SetWindowRect(const TwipRect& rect) override { window = rect; }
    int ScreenHeight() const override { return screenHeight; }
    TwipRect ControlRect(Control control) const override { return Get(rects, control, TwipRect{}); }
    void SetControlRect(Control control, const TwipRect& rect) override { rects[control] = rect; }
    void ShowHelp(const std::string& guideText) override { helpTexts.push_back(guideText); }
    void EndProgram() override { ++endCalls; }

    // Enabled and visible unless switched off; unchecked unless checked.
    bool IsEnabled(Control control) const { return Get(enabled, control, true); }
    bool IsVisible(Control control) const { return Get(visible, control, true); }
    bool IsChecked(Control control) const { return Get(checked, control, false); }
    int ListIndex(Control list) const { return Get(listIndex, list, -1); }
    std::string Caption(Control control) const { return Get(captions, control, std::string()); }

    std::map<Control, std::vector<std::string>> listItems;
    std::map<Control, int> listIndex;
    std::map<Control, bool> checked;
    std::map<Control, std::string> texts;
    std::vector<std::string> outputHistory;  // every text the output box was set to
    std::map<Control, bool> caretAtEnd;
    std::map<Control, std::string> captions;
    std::map<Control, bool> enabled;
    std::map<Control, bool> visible;
    std::map<Control, TwipRect> rects;
    Control focus = Control::None;
    bool windowVisible = false;
    // A window as it opens: the client area and a caption bar of 25 pixels.
    TwipRect window{3000, 1500, kMainWindowClientWidth, kMainWindowClientHeight + 375};
    int screenHeight = 16200;
    std::vector<std::string> helpTexts;
    int endCalls = 0;

private:
    template <class V>
    static V Get(const std::map<Control, V>& values, Control control, V fallback) {
        const auto it = values.find(control);
        return it == values.end() ? fallback : it->second;
    }
};

}  // namespace tagsmith::test
