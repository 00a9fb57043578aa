#include "core/window/HelpWindowLayout.h"

#include <algorithm>

namespace tagsmith {

TwipRect HelpWindowPlacement(const TwipRect& mainWindow) {
    return {mainWindow.left + 200, mainWindow.top + 480, mainWindow.width - 400,
            mainWindow.height - 680};
}

HelpControlsLayout LayOutHelpControls(int windowWidth, int windowHeight) {
    HelpControlsLayout layout;
    layout.guideBox = {kHelpGuideBoxMargin, kHelpGuideBoxMargin, std::max(0, windowWidth - 350),
                       std::max(0, windowHeight - 1300)};
    layout.closeButton = {(windowWidth - kHelpCloseButtonWidth) / 2, windowHeight - 1020,
                          kHelpCloseButtonWidth, kHelpCloseButtonHeight};
    return layout;
}

}  // namespace tagsmith
