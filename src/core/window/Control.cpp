#include "core/window/Control.h"

#include <array>

namespace tagsmith {

namespace {

constexpr std::array kControlNames = {std::string_view{},
#define TAGSMITH_CONTROL_NAME(name) std::string_view{#name},
                                      TAGSMITH_MAIN_WINDOW_CONTROLS(TAGSMITH_CONTROL_NAME)
#undef TAGSMITH_CONTROL_NAME
};

}  // namespace

std::string_view ControlName(Control control) {
    const auto index = static_cast<std::size_t>(control);
    return index < kControlNames.size() ? kControlNames[index] : std::string_view{};
}

Control ControlByName(std::string_view name) {
    for (std::size_t i = 1; i < kControlNames.size(); ++i) {
        if (kControlNames[i] == name) return static_cast<Control>(i);
    }
    return Control::None;
}

}  // namespace tagsmith
