#include "gui/CaptionFit.h"

#include <algorithm>
#include <cmath>

namespace tagsmith {

namespace {

int ToPixels(int twips, double scale) {
    // Whole pixels towards zero, as the designed layout has always been converted.
    return static_cast<int>(std::floor(twips * scale / kTwipsPerPixel + 1e-9));
}

}  // namespace

QRect ScaledRect(const TwipRect& rect, double scale) {
    const int left = ToPixels(rect.left, scale);
    const int top = ToPixels(rect.top, scale);
    return {left, top, ToPixels(rect.width, scale), ToPixels(rect.height, scale)};
}

QRect InkRect(const CaptionExtent& extent, double scale) {
    const QRect box = ScaledRect(extent.rect, scale);
    const int right = box.x() + box.width();
    switch (extent.place) {
        case CaptionPlace::Whole:
            return box;
        case CaptionPlace::Left:
            return {box.x(), box.y(), extent.inkWidth, box.height()};
        case CaptionPlace::Right:
            return {right - extent.inkWidth, box.y(), extent.inkWidth, box.height()};
        case CaptionPlace::Indented: {
            const int start =
                std::min(box.x() + ToPixels(extent.indent, scale), right - extent.inkWidth);
            return {start, box.y(), extent.inkWidth, box.height()};
        }
    }
    return box;
}

bool FitsAt(std::span<const CaptionExtent> extents, double scale) {
    for (const CaptionExtent& extent : extents) {
        const QRect box = ScaledRect(extent.rect, scale);
        if (extent.neededWidth > box.width()) return false;
        const QRect ink = InkRect(extent, scale);
        if (ink.left() < box.left()) return false;
    }
    for (std::size_t i = 0; i < extents.size(); ++i) {
        for (std::size_t j = i + 1; j < extents.size(); ++j) {
            const CaptionExtent& a = extents[i];
            const CaptionExtent& b = extents[j];
            if (a.control == b.control || a.hiddenWith == b.control || b.hiddenWith == a.control) {
                continue;
            }
            if (InkRect(a, scale).intersects(InkRect(b, scale))) return false;
        }
    }
    return true;
}

double FitScale(std::span<const CaptionExtent> extents) {
    for (int hundredths = 100; hundredths < 200; ++hundredths) {
        if (FitsAt(extents, hundredths / 100.0)) return hundredths / 100.0;
    }
    return 2.0;
}

}  // namespace tagsmith
