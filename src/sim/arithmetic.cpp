#include "sim/arithmetic.h"

#include <cmath>
#include <cstdint>

namespace sim {

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
