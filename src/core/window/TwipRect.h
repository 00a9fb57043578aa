#pragma once

namespace tagsmith {

// A rectangle in twips (1/1440 inch; 15 twips are one logical pixel at 96 dots per inch).
struct TwipRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;

    int Bottom() const { return top + height; }
    bool operator==(const TwipRect&) const = default;
};

inline constexpr int kTwipsPerPixel = 15;

}  // namespace tagsmith
