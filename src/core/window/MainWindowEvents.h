#pragma once

#include <string>

#include "core/window/Control.h"

namespace tagsmith {

// What the user does in the main window, as the view reports it to the window logic. Changes
// made by the logic through MainWindowView are never reported here.
class MainWindowEvents {
public:
    virtual ~MainWindowEvents() = default;

    // A button or a link label was clicked.
    virtual void OnClick(Control control) = 0;
    // The user chose another item of a drop-down list.
    virtual void OnListChanged(Control list, int index) = 0;
    // A check box changed, or an option was selected (checked is then true).
    virtual void OnCheckChanged(Control control, bool checked) = 0;
    // The user changed the text of a text box (every keystroke).
    virtual void OnTextEdited(Control box, const std::string& text) = 0;
    // The focus moved from the text box to another control of the main window.
    virtual void OnLostFocus(Control box) = 0;
    // F1 was pressed and released; focused is the control holding the focus.
    virtual void OnKeyF1(Control focused) = 0;
    // The window is being closed by the user or the system.
    virtual void OnClose() = 0;
};

}  // namespace tagsmith
