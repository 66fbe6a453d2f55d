#pragma once

// Real arithmetic shared by the simulation and the cutter view. Every result must match the
// reference arithmetic bit for bit, so these are used instead of the library's asin, acos,
// pow and lround.

#include <cassert>
#include <cmath>
#include <cstdint>

namespace sim {

// Nearest integer, halves to the even neighbour (2.5 -> 2, 3.5 -> 4, -2.5 -> -2).
// The argument must lie within the range of int32_t.
inline int32_t Round(double x) {
    assert(x > INT32_MIN - 0.5 && x < INT32_MAX + 0.5);
    // Next to 2^52 a double has no fraction bits, so adding 2^52 (with x's sign) rounds x to the
    // nearest integer with ties to even, in the default rounding mode that is never changed.
    // This is nearbyint without its library call; the tick runs it 16800 times.
    const double shift = std::copysign(4503599627370496.0, x); // 2^52
    return static_cast<int32_t>((x + shift) - shift);
}

// arcsin through the two-argument arctangent: atan2(x, sqrt(1 - x^2)), in [-pi/2, pi/2].
double ArcSin(double x);

// arccos through the two-argument arctangent: atan2(sqrt(1 - x^2), x), in [0, pi].
double ArcCos(double x);

// b^e: 1 for e = 0; 0 for b = 0 and e > 0; repeated multiplication for a whole e;
// exp(e x ln b) otherwise (which differs from pow in the last bit).
double Power(double base, double exponent);

} // namespace sim
