#include "sim/arithmetic.h"

#include <gtest/gtest.h>

#include <ostream>

#include <cmath>
#include <cstring>

namespace sim {
namespace {

struct RoundCase {
    double x;
    int32_t expected;
};

std::ostream& operator<<(std::ostream& os, const RoundCase& c) {
    return os << c.x;
}

class RoundTest : public ::testing::TestWithParam<RoundCase> {};

TEST_P(RoundTest, HalvesGoToTheEvenNeighbour) {
    EXPECT_EQ(Round(GetParam().x), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Values, RoundTest,
                         ::testing::Values(RoundCase{0.5, 0}, RoundCase{1.5, 2}, RoundCase{2.5, 2},
                                           RoundCase{3.5, 4}, RoundCase{-0.5, 0},
                                           RoundCase{-1.5, -2}, RoundCase{-2.5, -2},
                                           RoundCase{2.4999999999999996, 2}, RoundCase{100.4, 100},
                                           RoundCase{-100.6, -101},
                                           RoundCase{0.49999999999999994, 0},
                                           RoundCase{2147483647.0, 2147483647},
                                           RoundCase{-2147483648.0, -2147483647 - 1}));

TEST(RoundSweep, MatchesNearestEvenOverFractionsAndLargeValues) {
    for (int i = -40000; i <= 40000; ++i) {
        const double x = i / 16.0 + i * 1e-7;
        ASSERT_EQ(Round(x), static_cast<int32_t>(std::nearbyint(x))) << x;
        const double big = i * 53687.0911;
        ASSERT_EQ(Round(big), static_cast<int32_t>(std::nearbyint(big))) << big;
    }
}

TEST(ArcSinArcCos, AgreeWithTheLibraryAndReachTheEnds) {
    for (int i = -100; i <= 100; ++i) {
        const double x = i / 100.0;
        EXPECT_NEAR(ArcSin(x), std::asin(x), 1e-15);
        EXPECT_NEAR(ArcCos(x), std::acos(x), 1e-15);
    }
    EXPECT_EQ(ArcSin(1.0), std::atan2(1.0, 0.0));
    EXPECT_EQ(ArcCos(-1.0), std::atan2(0.0, -1.0));
    EXPECT_DOUBLE_EQ(ArcSin(0.6), 0.6435011087932844);
}

bool SameBits(double a, double b) {
    return std::memcmp(&a, &b, sizeof a) == 0;
}

TEST(Power, FollowsItsRuleCaseByCase) {
    EXPECT_EQ(Power(0.0, 0.0), 1.0);
    EXPECT_EQ(Power(5.0, 0.0), 1.0);
    EXPECT_EQ(Power(0.0, 0.64), 0.0);
    EXPECT_EQ(Power(3.0, 4.0), 81.0);
    EXPECT_EQ(Power(2.0, -2.0), 0.25);
    EXPECT_EQ(Power(1.1, 3.0), 1.1 * 1.1 * 1.1);
    // A fractional exponent goes through exp and ln, not pow.
    for (double b : {0.07, 0.0123, 60.0, 120.0}) {
        for (double e : {0.64, 0.52, -0.15}) {
            EXPECT_TRUE(SameBits(Power(b, e), std::exp(e * std::log(b)))) << b << " " << e;
        }
    }
    EXPECT_NEAR(Power(60.0, -0.15), 0.541099724039142, 1e-15);
}

} // namespace
} // namespace sim
