#include "gui/DisplayAvailability.h"

namespace tagsmith {
namespace {

bool PlatformHasDisplay(std::string_view platform, std::string_view x11Display,
                        std::string_view waylandDisplay) {
    const std::string_view name = platform.substr(0, platform.find(':'));
    if (name == "xcb") return !x11Display.empty();
    if (name.starts_with("wayland")) return !waylandDisplay.empty();
    return true;
}

}  // namespace

bool DisplayAvailable(std::string_view platforms, std::string_view x11Display,
                      std::string_view waylandDisplay) {
    bool anyNamed = false;
    while (!platforms.empty()) {
        const std::size_t end = platforms.find(';');
        const std::string_view platform = platforms.substr(0, end);
        platforms = end == std::string_view::npos ? std::string_view() : platforms.substr(end + 1);
        if (platform.empty()) continue;
        anyNamed = true;
        if (PlatformHasDisplay(platform, x11Display, waylandDisplay)) return true;
    }
    // Qt's own choice on this system is X or Wayland, whichever the session names.
    return !anyNamed && (!x11Display.empty() || !waylandDisplay.empty());
}

}  // namespace tagsmith
