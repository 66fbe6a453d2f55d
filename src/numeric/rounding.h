#pragma once

// Rounding of reals to integers, shared by the simulation, the cutter view and the chart
// engine. Pixel positions and traces depend on it bit for bit.

#include <cmath>
#include <cstdint>
#include <limits>

namespace numeric {

// Nearest integer, halves to the even neighbour (2.5 -> 2, 3.5 -> 4, -2.5 -> -2). Results beyond
// the range of int32_t saturate at its ends instead of wrapping; NaN gives 0.
inline int32_t Round(double x) {
    if (!(x == x)) {
        return 0;
    }
    if (x >= 2147483647.0) {
        return std::numeric_limits<int32_t>::max();
    }
    if (x <= -2147483648.0) {
        return std::numeric_limits<int32_t>::min();
    }
    // Next to 2^52 a double has no fraction bits, so adding 2^52 (with x's sign) rounds x to the
    // nearest integer with ties to even, in the default rounding mode that is never changed.
    // This is nearbyint without its library call; the simulation's tick runs it 16800 times.
    const double shift = std::copysign(4503599627370496.0, x); // 2^52
    return static_cast<int32_t>((x + shift) - shift);
}

} // namespace numeric
