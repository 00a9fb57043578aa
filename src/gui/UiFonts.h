#pragma once

#include <QFont>

#include "core/window/MainWindowLayout.h"

namespace tagsmith {

// The font of a control: a sans-serif typeface for captions, a monospaced one for the boxes of
// paths and tags. Sizes in points become pixel sizes at 96 dots per inch, so that text keeps its
// proportion to the layout, which is in logical pixels.
// A non-empty sansFamily replaces the list of sans-serif typefaces the window prefers.
QFont UiFont(const ControlFont& font, const QString& sansFamily = {});

}  // namespace tagsmith
