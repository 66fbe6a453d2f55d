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

// Each of the four places of the two-point rounding, the other three holding other values.
TEST_P(RoundTest, TwoPointsGiveTheSameInEveryPlace) {
    const double x = GetParam().x;
    const int32_t e = GetParam().expected;
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const struct {
        double x0, y0, x1, y1;
        int32_t expected[4];
    } rows[] = {{x, 1.5, -2.5, nan, {e, 2, -2, 0}},
                {nan, x, 1.5, -2.5, {0, e, 2, -2}},
                {-2.5, nan, x, 1.5, {-2, 0, e, 2}},
                {1.5, -2.5, nan, x, {2, -2, 0, e}}};
    for (const auto& row : rows) {
        int32_t out[4] = {-7, -7, -7, -7};
        RoundTwoPoints(row.x0, row.y0, row.x1, row.y1, out);
        for (int i = 0; i < 4; ++i) {
            EXPECT_EQ(out[i], row.expected[i]) << "place " << i;
        }
    }
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

// The two-point rounding must give Round's result in every place for every double.
TEST(RoundSweep, TwoPointsMatchRoundOnRandomBitPatterns) {
    std::mt19937_64 random(16);
    for (int i = 0; i < 100000; ++i) {
        double v[4];
        for (double& d : v) {
            const std::uint64_t bits = random();
            if (bits % 2 == 0) {
                std::memcpy(&d, &bits, sizeof d);
            } else {
                d = static_cast<double>(static_cast<std::int64_t>(bits % 4001) - 2000) / 4.0;
            }
        }
        int32_t out[4] = {};
        RoundTwoPoints(v[0], v[1], v[2], v[3], out);
        for (int k = 0; k < 4; ++k) {
            ASSERT_EQ(out[k], Round(v[k])) << v[k] << " in place " << k;
        }
    }
}

} // namespace
} // namespace numeric
