#include "numeric/rounding.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <ostream>
#include <random>

namespace numeric {
namespace {

constexpr int32_t kIntMax = std::numeric_limits<int32_t>::max();
constexpr int32_t kIntMin = std::numeric_limits<int32_t>::min();

struct RoundCase {
    const char* name;
    double x;
    int32_t expected;
};

std::ostream& operator<<(std::ostream& os, const RoundCase& c) {
    return os << c.name << " (" << c.x << ")";
}

class RoundTest : public ::testing::TestWithParam<RoundCase> {};

TEST_P(RoundTest, GivesTheNearestEvenIntegerWithinInt32) {
    EXPECT_EQ(Round(GetParam().x), GetParam().expected);
}

// Both lanes of the pair rounding, next to an ordinary value and next to NaN.
TEST_P(RoundTest, PairGivesTheSameInBothLanes) {
    const double x = GetParam().x;
    const double nan = std::numeric_limits<double>::quiet_NaN();
    int32_t a = -7;
    int32_t b = -7;
    RoundPair(x, 3.5, a, b);
    EXPECT_EQ(a, GetParam().expected);
    EXPECT_EQ(b, 4);
    RoundPair(nan, x, a, b);
    EXPECT_EQ(a, 0);
    EXPECT_EQ(b, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Values, RoundTest,
    ::testing::Values(
        RoundCase{"HalfToZero", 0.5, 0}, RoundCase{"HalfUpToEven", 1.5, 2},
        RoundCase{"HalfDownToEven", 2.5, 2}, RoundCase{"ThreeAndHalf", 3.5, 4},
        RoundCase{"NegativeHalf", -0.5, 0}, RoundCase{"NegativeOneAndHalf", -1.5, -2},
        RoundCase{"NegativeTwoAndHalf", -2.5, -2},
        RoundCase{"JustBelowHalf", 2.4999999999999996, 2},
        RoundCase{"LargestBelowHalf", 0.49999999999999994, 0}, RoundCase{"Down", 100.4, 100},
        RoundCase{"NegativeDown", -100.6, -101}, RoundCase{"NegativeZero", -0.0, 0},
        RoundCase{"Maximum", 2147483647.0, kIntMax}, RoundCase{"Minimum", -2147483648.0, kIntMin},
        RoundCase{"AboveMaximumSaturates", 1e12, kIntMax},
        RoundCase{"BelowMinimumSaturates", -1e12, kIntMin},
        RoundCase{"InfinitySaturates", std::numeric_limits<double>::infinity(), kIntMax},
        RoundCase{"NegativeInfinitySaturates", -std::numeric_limits<double>::infinity(), kIntMin},
        RoundCase{"NaNGivesZero", std::numeric_limits<double>::quiet_NaN(), 0}),
    [](const ::testing::TestParamInfo<RoundCase>& info) { return std::string(info.param.name); });

// The addition trick must agree with the library's nearest-even rounding everywhere in range,
// on fractions near the halves and on large values.
TEST(RoundSweep, MatchesNearestEvenOverFractionsAndLargeValues) {
    for (int i = -40000; i <= 40000; ++i) {
        const double x = i / 16.0 + i * 1e-7;
        ASSERT_EQ(Round(x), static_cast<int32_t>(std::nearbyint(x))) << x;
        const double big = i * 53687.0911;
        ASSERT_EQ(Round(big), static_cast<int32_t>(std::nearbyint(big))) << big;
    }
}

// The pair rounding must give Round's result for every double: random bit patterns cover
// subnormals, huge values, infinities and NaNs with payloads; random pixel-sized values cover
// the halves the workpiece meets.
TEST(RoundSweep, PairMatchesRoundOnRandomBitPatterns) {
    std::mt19937_64 random(20261209);
    for (int i = 0; i < 200000; ++i) {
        const std::uint64_t bits = random();
        double any = 0.0;
        std::memcpy(&any, &bits, sizeof any);
        const double pixel =
            static_cast<double>(static_cast<std::int64_t>(random() % 4001) - 2000) / 4.0;
        int32_t a = 0;
        int32_t b = 0;
        RoundPair(any, pixel, a, b);
        ASSERT_EQ(a, Round(any)) << any;
        ASSERT_EQ(b, Round(pixel)) << pixel;
    }
}

} // namespace
} // namespace numeric
