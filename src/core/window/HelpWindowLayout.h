#pragma once

#include "core/window/TwipRect.h"

namespace tagsmith {

// The help window's place when it is loaded: inside the main window's outer rectangle, 200
// twips in from the sides and 480 down from the top.
TwipRect HelpWindowPlacement(const TwipRect& mainWindow);

// The help window's two controls for a window of the given outer size: the guide box and the
// centred Close button.
struct HelpControlsLayout {
    TwipRect guideBox;
    TwipRect closeButton;
};

inline constexpr int kHelpCloseButtonWidth = 1215;
inline constexpr int kHelpCloseButtonHeight = 375;
inline constexpr int kHelpGuideBoxMargin = 105;

HelpControlsLayout LayOutHelpControls(int windowWidth, int windowHeight);

}  // namespace tagsmith
