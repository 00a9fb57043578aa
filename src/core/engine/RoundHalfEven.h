#pragma once

#include <cmath>
#include <cstdint>

namespace tagsmith {

// The nearest whole number, a half going to the even neighbour (2.5 gives 2, 3.5 gives 4).
inline std::int64_t RoundHalfEven(double value) {
    const double lower = std::floor(value);
    const double fraction = value - lower;
    double rounded = lower;
    if (fraction > 0.5 || (fraction == 0.5 && std::fmod(lower, 2.0) != 0.0)) rounded += 1.0;
    return static_cast<std::int64_t>(rounded);
}

}  // namespace tagsmith
