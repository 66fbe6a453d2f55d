#include "sim/chip.h"
#include "sim/scenarios.h"
#include "sim/workpiece.h"

#include <gtest/gtest.h>

#include <ostream>

#include <cmath>

namespace sim {
namespace {

TEST(FindActiveTeeth, NoToothBeforeTheWorkpieceReachesTheCutter) {
    SimState s = StartedState();
    for (double phase = 0; phase < s.ToothPitch; phase += 0.01) {
        s.Phase = phase;
        s.FeedTravel = 79;
        FindActiveTeeth(s);
        ASSERT_EQ(s.ActiveTeethCount, 0);
        ASSERT_GT(s.EdgeAngle, s.EngageAngle);
    }
}

TEST(FindActiveTeeth, PastTheCentreEveryToothUpToTheTopSurfaceIsActive) {
    SimState s = StartedState();
    s.FeedTravel = 250;
    s.DepthPixels = 200;
    UpdateContactGeometry(s);
    s.Phase = 0.1;
    FindActiveTeeth(s);
    EXPECT_EQ(s.EdgeAngle, 0.0);
    ASSERT_EQ(s.ActiveTeethCount, 2); // 0.1 and 0.885 below the right angle
    EXPECT_EQ(s.ActiveAngle[1], 0.1);
    EXPECT_EQ(s.ActiveAngle[2], s.ToothPitch + 0.1);
    EXPECT_EQ(s.ActiveTipX[1], std::sin(0.1) * 200 + 150);
    EXPECT_EQ(s.ActiveTipY[1], std::cos(0.1) * 200 + 83);
}

TEST(FindActiveTeeth, DownMillingStartsAtToothOne) {
    SimState s = StartedState(MillingDirection::Down);
    s.FeedTravel = 250;
    s.Phase = -0.2;
    FindActiveTeeth(s);
    ASSERT_EQ(s.ActiveTeethCount, 1);
    EXPECT_EQ(s.ActiveAngle[1], s.ToothPitch - 0.2);
}

TEST(FindActiveTeeth, NeverFillsMoreThanNineSlots) {
    // 80 teeth at full depth would put 21 teeth in the cut; the inputs never allow this.
    SimState s = StartedState();
    s.ToothCount = 80;
    s.ToothPitch = 6.283185 / 80;
    s.FeedTravel = 250;
    s.DepthPixels = 200;
    UpdateContactGeometry(s);
    FindActiveTeeth(s);
    EXPECT_EQ(s.ActiveTeethCount, kToothSlots);
}

TEST(CutUpMilling, TakesTheChipAndCutsThePointLeftOfTheTip) {
    SimState s = StartedState();
    s.FeedTravel = 100;
    RebuildWorkpiece(s); // left edge at x = 250, top edge at y = 243
    s.Phase = 0.62;
    FindActiveTeeth(s);
    ASSERT_EQ(s.ActiveTeethCount, 1);
    s.ActiveTooth = 1;
    CutUpMilling(s);
    const int j = s.ProfileIndex;
    // The first point beyond the tooth's angle of the previous sub-step: x = 264 of the top edge.
    const double before = 0.62 - s.AngleStep;
    EXPECT_EQ(j, 16);
    EXPECT_GT(s.PointAngle, before);
    EXPECT_LE(std::asin((s.ProfileX[j - 1] - 150) / std::hypot(s.ProfileX[j - 1] - 150, 160.0)),
              before);
    EXPECT_DOUBLE_EQ(s.ToothChip[1], (200 - s.PointRadius) / 52);
    EXPECT_EQ(s.ProfileX[j], s.ActiveTipX[1]);
    EXPECT_EQ(s.ProfileY[j], s.ActiveTipY[1]);
}

TEST(CutUpMilling, APointOutsideTheCircleKeepsTheSlotsChip) {
    SimState s = StartedState();
    s.FeedTravel = 100;
    RebuildWorkpiece(s);
    s.ActiveTooth = 1;
    s.ActiveTeethCount = 1;
    s.ActiveAngle[1] = 0.2; // the point found lies on the bottom face, outside the circle
    s.ActiveTipX[1] = 150 + 200 * std::sin(0.2);
    s.ActiveTipY[1] = 83 + 200 * std::cos(0.2);
    s.ToothChip[1] = 0.123;
    s.ProfileY[2] = 300; // lower the left corner below the cutter
    s.WorkpiecePoints[2].y = 300;
    CutUpMilling(s);
    EXPECT_EQ(s.ProfileIndex, 2);
    EXPECT_GE(s.PointRadius, 200);
    EXPECT_EQ(s.ToothChip[1], 0.123);
}

TEST(CutDownMilling, TakesTheChipAheadAndCutsThePointBehind) {
    SimState s = StartedState(MillingDirection::Down);
    s.FeedTravel = 100;
    RebuildWorkpiece(s);
    s.Phase = -0.2;
    FindActiveTeeth(s);
    ASSERT_EQ(s.ActiveTeethCount, 1);
    s.ActiveTooth = 1;
    CutDownMilling(s);
    const int j = s.ProfileIndex;
    EXPECT_LT(s.PointAngle, s.ActiveAngle[1]);
    EXPECT_DOUBLE_EQ(s.ToothChip[1], (200 - s.PointRadius) / 58);
    EXPECT_EQ(s.ProfileX[j + 1], s.ActiveTipX[1]);
    EXPECT_EQ(s.ProfileY[j + 1], s.ActiveTipY[1]);
}

struct SearchEndCase {
    ProfileSearch search;
    MillingDirection direction;
};

std::ostream& operator<<(std::ostream& os, const SearchEndCase& c) {
    return os << (c.search == ProfileSearch::Quick ? "quick " : "plain ")
              << (c.direction == MillingDirection::Down ? "down" : "up");
}

class SearchEndTest : public ::testing::TestWithParam<SearchEndCase> {};

// A profile that no tooth position can stop the search on: the search must end at the last
// point instead of running off the profile.
TEST_P(SearchEndTest, StopsAtTheEndOfTheProfile) {
    SimState s = StartedState(GetParam().direction);
    const bool down = GetParam().direction == MillingDirection::Down;
    for (int i = 1; i <= kProfileLast; ++i) {
        s.ProfileX[i] = down ? 400 : -100; // every point beyond (down) or before (up) the tooth
        s.ProfileY[i] = 100;
        s.WorkpiecePoints[i] = {static_cast<int32_t>(s.ProfileX[i]), 100};
    }
    s.ActiveTeethCount = 1;
    s.ActiveTooth = 1;
    s.ActiveAngle[1] = 0.3;
    s.ActiveTipX[1] = 150 + 200 * std::sin(0.3);
    s.ActiveTipY[1] = 83 + 200 * std::cos(0.3);
    if (down) {
        CutDownMilling(s, GetParam().search);
        EXPECT_EQ(s.ProfileIndex, 1);
        EXPECT_EQ(s.ProfileX[2], s.ActiveTipX[1]);
    } else {
        CutUpMilling(s, GetParam().search);
        EXPECT_EQ(s.ProfileIndex, kProfileLast);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Searches, SearchEndTest,
    ::testing::Values(SearchEndCase{ProfileSearch::Plain, MillingDirection::Up},
                      SearchEndCase{ProfileSearch::Quick, MillingDirection::Up},
                      SearchEndCase{ProfileSearch::Plain, MillingDirection::Down},
                      SearchEndCase{ProfileSearch::Quick, MillingDirection::Down}));

TEST(CutDownMilling, APointAtTheCentresHeightHasTheRightAngle) {
    SimState s = StartedState(MillingDirection::Down);
    s.DepthPixels = 200;
    UpdateContactGeometry(s);
    s.FeedTravel = 100;
    RebuildWorkpiece(s);
    s.ActiveTeethCount = 1;
    s.ActiveTooth = 1;
    s.ActiveAngle[1] = 1.5707;
    CutDownMilling(s);
    // Every top-edge point right of the edge reads 1.570796, above the tooth, so the search goes
    // on to the bottom left corner.
    EXPECT_EQ(s.ProfileIndex, 1);
    s.ActiveAngle[1] = 1.5708;
    CutDownMilling(s);
    EXPECT_EQ(s.ProfileIndex, kProfileLast - 1);
    EXPECT_EQ(s.PointAngle, 1.570796);
}

} // namespace
} // namespace sim
