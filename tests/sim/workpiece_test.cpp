#include "sim/scenarios.h"
#include "sim/workpiece.h"

#include <gtest/gtest.h>

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
