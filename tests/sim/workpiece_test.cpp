#include "sim/arithmetic.h"
#include "sim/scenarios.h"
#include "sim/workpiece.h"

#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
#include <limits>
#include <random>

namespace sim {
namespace {

TEST(InitWorkpiece, LaysOutTheStartPolygon) {
    const SimState s = StartupState();
    EXPECT_EQ(s.WorkpiecePoints[0], (IntPoint{385, 313}));
    EXPECT_EQ(s.WorkpiecePoints[1], (IntPoint{350, 313}));
    EXPECT_EQ(s.WorkpiecePoints[2], (IntPoint{350, 243}));
    EXPECT_EQ(s.WorkpiecePoints[700], (IntPoint{1048, 243}));
    for (int i = 1; i <= kProfileLast; ++i) {
        ASSERT_EQ(s.ProfileX[i], s.WorkpiecePoints[i].x);
        ASSERT_EQ(s.ProfileY[i], s.WorkpiecePoints[i].y);
    }
    EXPECT_EQ(s.ProfileX[0], 0.0);
}

TEST(RebuildWorkpiece, StraightensTheTopEdgeAtTheRoundedTravel) {
    SimState s = MidRunState(MillingDirection::Up, 500);
    ASSERT_NE(s.ProfileY[10], 243.0); // machined
    s.FeedTravel = 100.4;
    RebuildWorkpiece(s);
    EXPECT_EQ(s.WorkpiecePoints[0], (IntPoint{385, 313}));
    EXPECT_EQ(s.WorkpiecePoints[1], (IntPoint{250, 313}));
    EXPECT_EQ(s.WorkpiecePoints[2], (IntPoint{250, 243}));
    EXPECT_EQ(s.WorkpiecePoints[700], (IntPoint{948, 243}));
    for (int i = 2; i <= kProfileLast; ++i) {
        ASSERT_EQ(s.ProfileY[i], 243.0);
    }
}

TEST(ShiftWorkpiece, MovesTheRealPointsAndRoundsTheCopies) {
    SimState s = StartupState();
    s.FeedPerStep = 0.5;
    ShiftWorkpiece(s);
    EXPECT_EQ(s.ProfileX[1], 349.5);
    EXPECT_EQ(s.WorkpiecePoints[1].x, 350); // 349.5 rounds to the even 350
    ShiftWorkpiece(s);
    EXPECT_EQ(s.WorkpiecePoints[1].x, 349);
    EXPECT_EQ(s.WorkpiecePoints[3].x, 350);
    EXPECT_EQ(s.WorkpiecePoints[0], (IntPoint{385, 313}));
}

// Every point moves by the feed and its copy is its rounding, also for halves, for values that
// saturate and for NaN, in any place of the two points moved together and in the last point.
TEST(ShiftWorkpiece, EveryPointGetsItsOwnFeedAndRounding) {
    SimState s = MidRunState(MillingDirection::Down, 600);
    std::mt19937_64 random(700);
    for (int i = 1; i <= kProfileLast; ++i) {
        s.ProfileX[i] = static_cast<double>(static_cast<int>(random() % 8000) - 4000) / 8.0;
        s.ProfileY[i] = static_cast<double>(static_cast<int>(random() % 8000) - 4000) / 8.0;
    }
    s.ProfileX[5] = std::numeric_limits<double>::quiet_NaN();
    s.ProfileY[8] = std::numeric_limits<double>::quiet_NaN();
    s.ProfileX[9] = 1e12;
    s.ProfileY[10] = -1e12;
    s.ProfileX[kProfileLast] = 1000.5;
    s.ProfileY[kProfileLast] = 243.5;
    s.FeedPerStep = 0.125;
    const SimState before = s;
    ShiftWorkpiece(s);
    EXPECT_EQ(s.WorkpiecePoints[0], before.WorkpiecePoints[0]);
    EXPECT_EQ(s.ProfileX[0], before.ProfileX[0]);
    for (int i = 1; i <= kProfileLast; ++i) {
        const double x = before.ProfileX[i] - 0.125;
        ASSERT_EQ(std::bit_cast<std::uint64_t>(s.ProfileX[i]), std::bit_cast<std::uint64_t>(x))
            << i;
        ASSERT_EQ(std::bit_cast<std::uint64_t>(s.ProfileY[i]),
                  std::bit_cast<std::uint64_t>(before.ProfileY[i]))
            << i;
        ASSERT_EQ(s.WorkpiecePoints[i], (IntPoint{Round(x), Round(s.ProfileY[i])})) << i;
    }
    EXPECT_EQ(s.WorkpiecePoints[kProfileLast], (IntPoint{1000, 244}));
}

TEST(UpdateContactGeometry, DepthEqualToTheRadiusGivesARightAngle) {
    SimState s = StartupState();
    s.DepthPixels = 200;
    UpdateContactGeometry(s);
    EXPECT_EQ(s.DepthOffset, 0.0);
    EXPECT_EQ(s.ContactHalfWidth, 200.0);
    EXPECT_NEAR(s.EngageAngle, 1.5707963, 1e-7);
}

} // namespace
} // namespace sim
