#pragma once

#include <span>
#include <string_view>

#include "core/window/Control.h"
#include "core/window/TwipRect.h"

namespace tagsmith {

enum class ControlKind {
    Button,
    TextBox,
    MultiLineTextBox,
    DropDownList,
    CheckBox,
    Option,
    Label,
    LinkLabel,
    Strip,
};

// The window's two typefaces: a sans-serif one for captions and a monospaced one for the boxes
// that show paths and tags; sizes in points.
struct ControlFont {
    bool monospaced = false;
    double points = 0.0;
};

inline constexpr ControlFont kSans975{false, 9.75};
inline constexpr ControlFont kSans825{false, 8.25};
inline constexpr ControlFont kCourier825{true, 8.25};

// One control of the main window: its kind, its caption at creation, its place (inside Frame1
// for the controls of the bottom strip, else inside the window) and its font.
struct ControlLayout {
    Control control = Control::None;
    ControlKind kind = ControlKind::Label;
    std::string_view caption;
    TwipRect rect;
    ControlFont font;
    int maxLength = 0;          // text boxes: most characters the user may type, 0 for no limit
    bool rightAligned = false;  // labels: the caption ends at the right edge
    // Labels: where the caption starts, in twips from the left edge, when it fits from there;
    // a longer caption ends at the right edge instead (0: at the left edge).
    int captionIndent = 0;
};

inline constexpr std::string_view kMainWindowCaption = "QN Tagsmith";
// The client area of the main window.
inline constexpr int kMainWindowClientWidth = 9645;
inline constexpr int kMainWindowClientHeight = 8190;
inline constexpr int kLimitBoxMaxLength = 4;

// Every control, top to bottom, in the keyboard tab order.
std::span<const ControlLayout> MainWindowLayout();
// The layout entry of a control (the entry of Control::None when it has none).
const ControlLayout& LayoutOf(Control control);
// True for the controls that lie inside the bottom strip Frame1.
bool IsInFrame(Control control);

}  // namespace tagsmith
