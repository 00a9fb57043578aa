#include "core/window/LargeWindowLayout.h"

#include <algorithm>
#include <cmath>

namespace tagsmith {

LargeWindowLayout LayOutLargeWindow(bool large, const TwipRect& window, int initialHeight,
                                    int screenHeight, const TwipRect& outputBox,
                                    const TwipRect& strip) {
    LargeWindowLayout layout{window, outputBox, strip};
    if (large) {
        layout.window.top = 300;
        layout.window.height = static_cast<int>(std::lround(0.9 * screenHeight));
    } else {
        layout.window.height = initialHeight;
        layout.window.top = (screenHeight - initialHeight) / 2;
    }
    layout.outputBox.height =
        std::max(0, layout.window.height - outputBox.top - strip.height - 550);
    layout.strip.top = outputBox.top + layout.outputBox.height + 100;
    return layout;
}

}  // namespace tagsmith
