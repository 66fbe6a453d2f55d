#include "sim/arithmetic.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

namespace sim {
namespace {

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
