#pragma once

#include <string_view>

namespace tagsmith {

// Whether Qt can hope to reach a screen, judged before it is started (Qt aborts the program
// when no platform plugin finds a display). `platforms` is what -platform or QT_QPA_PLATFORM
// asks for: "" for Qt's choice, or platform names separated by ";", each maybe followed by
// ":arguments". The X and Wayland platforms need their display named in the environment
// (DISPLAY, or -display, and WAYLAND_DISPLAY); any other platform (offscreen, vnc, eglfs, ...)
// brings its own.
bool DisplayAvailable(std::string_view platforms, std::string_view x11Display,
                      std::string_view waylandDisplay);

}  // namespace tagsmith
