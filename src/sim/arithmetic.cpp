#include "arithmetic.h"

#include <cassert>
#include <cfenv>

namespace sim {

int32_t Round(double x) {
    // nearbyint rounds in the current mode, which the program never changes from
    // round-to-nearest-even.
    const double r = std::nearbyint(x);
    assert(r >= INT32_MIN && r <= INT32_MAX);
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
