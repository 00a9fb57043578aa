#pragma once

#include <QRect>
#include <span>

#include "core/window/Control.h"
#include "core/window/TwipRect.h"

namespace tagsmith {

// How a control's caption sits in it.
enum class CaptionPlace {
    Whole,     // the control fills its rectangle (buttons, boxes, lists)
    Left,      // the caption starts at the left edge (check boxes, options, labels)
    Right,     // the caption ends at the right edge
    Indented,  // starts at `indent` when it fits, else ends at the right edge
};

// What one control (with one of the captions it may show) needs, measured in its own font: the
// extent to which its caption may run and the width that must fit inside the control.
struct CaptionExtent {
    Control control = Control::None;
    TwipRect rect;  // in the window, in twips of the designed layout
    CaptionPlace place = CaptionPlace::Whole;
    int indent = 0;                      // twips, for CaptionPlace::Indented
    int inkWidth = 0;                    // pixels the drawn caption covers (indicator included)
    int neededWidth = 0;                 // pixels the control must be wide so nothing is clipped
    Control hiddenWith = Control::None;  // shown only while this control is hidden
};

// A rectangle of the designed layout at a scale, in pixels (scale 1: 15 twips per pixel).
QRect ScaledRect(const TwipRect& rect, double scale);

// The pixel extent of a caption at a scale.
QRect InkRect(const CaptionExtent& extent, double scale);

// True when every caption fits its control and no two drawn extents overlap at that scale.
bool FitsAt(std::span<const CaptionExtent> extents, double scale);

// The smallest scale of the whole layout, from 1 up in steps of 1/100, at which every caption
// fits (the designed layout when the font is as wide as the one it was drawn for); at most 2.
double FitScale(std::span<const CaptionExtent> extents);

}  // namespace tagsmith
