#pragma once

#include "core/window/TwipRect.h"

namespace tagsmith {

// Where "Large window" puts the window, the output box and the bottom strip.
struct LargeWindowLayout {
    TwipRect window;
    TwipRect outputBox;
    TwipRect strip;
};

// On: the top edge 300 twips below the top of the screen and 0.9 of the screen's height. Off:
// the first height again, centred vertically. The left edge and the width never change; the
// output box takes the height the strip leaves, and the strip follows 100 twips below it.
LargeWindowLayout LayOutLargeWindow(bool large, const TwipRect& window, int initialHeight,
                                    int screenHeight, const TwipRect& outputBox,
                                    const TwipRect& strip);

}  // namespace tagsmith
