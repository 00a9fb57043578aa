#include <gtest/gtest.h>

#include <set>

#include "core/window/MainWindowLayout.h"

namespace tagsmith {
namespace {

TEST(MainWindowLayoutTest, EveryControlHasOnePlaceInsideItsParent) {
    std::set<Control> seen;
    const TwipRect frame = LayoutOf(Control::Frame1).rect;
    for (const ControlLayout& entry : MainWindowLayout()) {
        SCOPED_TRACE(ControlName(entry.control));
        EXPECT_TRUE(seen.insert(entry.control).second);
        EXPECT_EQ(ControlByName(ControlName(entry.control)), entry.control);
        const bool inFrame = IsInFrame(entry.control);
        EXPECT_GE(entry.rect.left, 0);
        EXPECT_LE(entry.rect.left + entry.rect.width,
                  inFrame ? frame.width : kMainWindowClientWidth);
        EXPECT_LE(entry.rect.Bottom(), inFrame ? frame.height : kMainWindowClientHeight);
    }
    for (int i = 1; ControlName(static_cast<Control>(i)) != ""; ++i) {
        EXPECT_TRUE(seen.contains(static_cast<Control>(i))) << ControlName(static_cast<Control>(i));
    }
    EXPECT_EQ(ControlByName("nothing"), Control::None);
}

}  // namespace
}  // namespace tagsmith
