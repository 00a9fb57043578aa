#pragma once

#include <QFont>

#include "core/window/MainWindowLayout.h"

namespace tagsmith {

// The font of a control: a sans-serif typeface for captions, a monospaced one for the boxes of
// paths and tags. Sizes in points become pixel sizes at 96 dots per inch, so that text keeps its
// proportion to the layout, which is in logical pixels.
// A non-empty sansFamily replaces the list of sans-serif typefaces the window prefers.
QFont UiFont(const ControlFont& font, const QString& sansFamily = {});

// The last of the monospaced typefaces: the Latin ones before it hold no Chinese, Japanese or
// Korean, and Qt takes a character none of them holds from the next family of the list before
// it asks the system. Debian's fonts-noto-cjk, which the package recommends, provides it.
inline constexpr const char* kCjkMonoFamily = "Noto Sans Mono CJK SC";

}  // namespace tagsmith
