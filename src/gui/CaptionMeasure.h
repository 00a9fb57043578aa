#pragma once

#include <QWidget>
#include <functional>
#include <vector>

#include "core/window/Control.h"
#include "gui/CaptionFit.h"

namespace tagsmith {

// What every control of the main window needs for each caption it may show (the one it has now,
// or the program's other captions for it: "Stop", "with backup", the longest word count), in
// the control's own font and style, against the designed layout.
std::vector<CaptionExtent> MeasureLayoutCaptions(const std::function<QWidget*(Control)>& widgetOf);

}  // namespace tagsmith
