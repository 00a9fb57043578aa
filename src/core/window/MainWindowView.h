#pragma once

#include <string>
#include <vector>

#include "core/window/Control.h"
#include "core/window/TwipRect.h"

namespace tagsmith {

// The main window as the window logic sees it. Every setter changes what the window shows and
// nothing else: it never reports back to the logic as a user's change would. Texts are UTF-8;
// line breaks in the output box are CR LF. Geometry is in twips.
class MainWindowView {
public:
    virtual ~MainWindowView() = default;

    // Drop-down lists.
    virtual void SetListItems(Control list, const std::vector<std::string>& items) = 0;
    virtual void SetListIndex(Control list, int index) = 0;
    // Check boxes and options (an option set to true deselects its partner).
    virtual void SetChecked(Control control, bool checked) = 0;
    // Text boxes.
    virtual void SetText(Control box, const std::string& text) = 0;
    virtual std::string Text(Control box) const = 0;
    virtual void AppendText(Control box, const std::string& text) = 0;
    virtual void MoveCaretToStart(Control box) = 0;
    virtual void MoveCaretToEnd(Control box) = 0;
    // Captions of buttons, options, check boxes and labels; tooltips.
    virtual void SetCaption(Control control, const std::string& caption) = 0;
    virtual void SetToolTip(Control control, const std::string& text) = 0;
    virtual void SetEnabled(Control control, bool enabled) = 0;
    virtual void SetVisible(Control control, bool visible) = 0;
    virtual void SetFocus(Control control) = 0;

    // The window itself.
    virtual void ShowWindow() = 0;
    virtual bool IsWindowVisible() const = 0;
    // Paints what has changed at once (also shows output appended in batches).
    virtual void Repaint() = 0;
    // The window's outer rectangle (frame included) and the screen's height.
    virtual TwipRect WindowRect() const = 0;
    virtual void SetWindowRect(const TwipRect& rect) = 0;
    virtual int ScreenHeight() const = 0;
    // A control's rectangle in its parent (the window, or Frame1 for the controls of the strip).
    virtual TwipRect ControlRect(Control control) const = 0;
    virtual void SetControlRect(Control control, const TwipRect& rect) = 0;

    // The help window: restored when minimised, else shown (created with the guide on first use).
    virtual void ShowHelp(const std::string& guideText) = 0;
    // Closes every window of the program and ends it.
    virtual void EndProgram() = 0;
};

}  // namespace tagsmith
