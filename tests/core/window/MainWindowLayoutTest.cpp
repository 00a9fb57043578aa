#include <gtest/gtest.h>

#include <set>

#include "core/window/MainWindowLayout.h"

namespace tagsmith {
namespace {

TEST(MainWindowLayoutTest, EveryControlHasOnePlaceInsideItsParent) {
    std::set<Control> seen;
    const TwipRect frame = LayoutOf(Control::Frame1).rect;
    for (const ControlLayout& entry : MainWindowLayout()) {
        const std::string_view name = ControlName(entry.control);
        EXPECT_TRUE(seen.insert(entry.control).second) << name;
        EXPECT_EQ(ControlByName(name), entry.control) << name;
        const bool inFrame = IsInFrame(entry.control);
        EXPECT_GE(entry.rect.left, 0) << name;
        EXPECT_LE(entry.rect.left + entry.rect.width,
                  inFrame ? frame.width : kMainWindowClientWidth)
            << name;
        EXPECT_LE(entry.rect.Bottom(), inFrame ? frame.height : kMainWindowClientHeight) << name;
    }
    for (int i = 1; ControlName(static_cast<Control>(i)) != ""; ++i) {
        EXPECT_TRUE(seen.contains(static_cast<Control>(i))) << ControlName(static_cast<Control>(i));
    }
    EXPECT_EQ(ControlByName("nothing"), Control::None);
}

}  // namespace
}  // namespace tagsmith
