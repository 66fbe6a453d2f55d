#include "arithmetic.h"

#include <cassert>

namespace sim {

int32_t Round(double x) {
    assert(x > INT32_MIN - 0.5 && x < INT32_MAX + 0.5);
    // Next to 2^52 a double has no fraction bits, so the addition itself rounds x to the nearest
    // integer with ties to even (the default rounding mode, never changed). This is what
    // nearbyint does, without its library call, and the tick runs it 16800 times.
    constexpr double kNoFractionBits = 4503599627370496.0; // 2^52
    const double r =
        x >= 0 ? (x + kNoFractionBits) - kNoFractionBits : (x - kNoFractionBits) + kNoFractionBits;
    return static_cast<int32_t>(r);
}

double ArcSin(double x) {
    return std::atan2(x, std::sqrt(1 - x * x));
}

double ArcCos(double x) {
    return std::atan2(std::sqrt(1 - x * x), x);
}

double Power(double base, double exponent) {
    if (exponent == 0.0) {
        return 1.0;
    }
    if (base == 0.0 && exponent > 0.0) {
        return 0.0;
    }
    if (exponent == std::trunc(exponent) && std::fabs(exponent) <= INT32_MAX) {
        const auto n = static_cast<int64_t>(std::fabs(exponent));
        double result = 1.0;
        for (int64_t i = 0; i < n; ++i) {
            result = result * base;
        }
        return exponent < 0 ? 1.0 / result : result;
    }
    return std::exp(exponent * std::log(base));
}

} // namespace sim
