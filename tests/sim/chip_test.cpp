#include "sim/arithmetic.h"
#include "sim/chip.h"
#include "sim/cut_properties.h"
#include "sim/cutting_inputs.h"
#include "sim/run.h"
#include "sim/scenarios.h"
#include "sim/state_compare.h"
#include "sim/tool_inputs.h"
#include "sim/workpiece.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <ostream>
#include <random>
#include <string>
#include <vector>

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
        EXPECT_EQ(s.ProfileX[2], 400); // far outside the cutter circle: not cut
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

// The tooth at a quarter turn (two pitches of eight teeth) lies above the fixed angle of the
// top edge at the centre's height, so the search stops at once. The far end of the profile, far
// outside the cutter, keeps its place; the stretch of the top edge inside the circle, which the
// tooth has just swept at the quarter turn, moves onto the circle (the corner straight down along
// the left edge), so that no point is left inside it.
TEST(CutDownMilling, AtFullDepthTheFirstSweepClearsTheTopEdgeInsideTheCircle) {
    SimState s = StartedState(MillingDirection::Down);
    s.DepthPixels = 200;
    UpdateContactGeometry(s);
    s.FeedTravel = 6;
    RebuildWorkpiece(s); // top edge at y = 83 from x = 344
    s.Phase = 0;
    FindActiveTeeth(s);
    ASSERT_EQ(s.ActiveTeethCount, 1);
    ASSERT_GT(s.ActiveAngle[1], kRightAngle);
    s.ActiveTooth = 1;
    const SimState before = s;
    CutDownMilling(s);
    EXPECT_EQ(s.ProfileIndex, kProfileLast - 1);
    EXPECT_EQ(s.ProfileX[kProfileLast], before.ProfileX[kProfileLast]);
    EXPECT_EQ(s.ProfileY[kProfileLast], before.ProfileY[kProfileLast]);
    EXPECT_EQ(s.ProfileX[2], 344);
    EXPECT_NEAR(s.ProfileY[2], kCentreY + std::sqrt(200.0 * 200 - 194 * 194), 1e-9);
    for (int i = 2; i < kProfileLast; ++i) {
        const double r = std::hypot(s.ProfileX[i] - kCentreX, s.ProfileY[i] - kCentreY);
        ASSERT_GE(r, 199) << "point " << i; // within a pixel of the circle
        // Points outside the circle keep their place.
        if (std::hypot(before.ProfileX[i] - kCentreX, before.ProfileY[i] - kCentreY) > 200) {
            ASSERT_EQ(s.ProfileX[i], before.ProfileX[i]) << "point " << i;
        }
    }
}

// Places profile point j at the given angle (rad) and distance (px) from the cutter centre.
void PlacePoint(SimState& s, int j, double angle, double radius) {
    s.ProfileX[j] = kCentreX + radius * std::sin(angle);
    s.ProfileY[j] = kCentreY + radius * std::cos(angle);
    s.WorkpiecePoints[j] = {Round(s.ProfileX[j]), Round(s.ProfileY[j])};
}

void PlaceTooth(SimState& s, double angle) {
    s.ActiveTeethCount = 1;
    s.ActiveTooth = 1;
    s.ActiveAngle[1] = angle;
    s.ActiveTipX[1] = kCentreX + 200 * std::sin(angle);
    s.ActiveTipY[1] = kCentreY + 200 * std::cos(angle);
}

// Two points deep inside the circle that the tooth passes in one sub-step: the first goes onto
// the tip, the other onto the circle at its own angle; the point beyond the tooth's previous
// angle stays.
TEST(CutDownMilling, LiftsEveryPointTheToothPassesOntoTheCircle) {
    SimState s = StartedState(MillingDirection::Down);
    s.FeedTravel = 100;
    RebuildWorkpiece(s); // top edge at y = 243 from x = 250; points up to x = 284 lie below 0.7
    const double tooth = 0.7;
    PlaceTooth(s, tooth);
    PlacePoint(s, 36, tooth - 0.002, 190);
    PlacePoint(s, 37, tooth + 0.0005, 190);
    PlacePoint(s, 38, tooth + 0.0015, 185);
    const double beyondX = s.ProfileX[39];
    CutDownMilling(s);
    EXPECT_EQ(s.ProfileIndex, 36);
    EXPECT_EQ(s.ProfileX[37], s.ActiveTipX[1]);
    EXPECT_EQ(s.ProfileY[37], s.ActiveTipY[1]);
    EXPECT_NEAR(s.ProfileX[38], kCentreX + 200 * std::sin(tooth + 0.0015), 1e-9);
    EXPECT_NEAR(s.ProfileY[38], kCentreY + 200 * std::cos(tooth + 0.0015), 1e-9);
    EXPECT_EQ(s.ProfileX[39], beyondX);
    EXPECT_EQ(s.ProfileY[39], 243);
}

// The top left corner in the tooth's path while the tip lies well right of the left edge: cutting
// it onto the tip would lean the left edge over the material below the cutter, so it drops straight
// down along the edge onto the circle.
TEST(CutDownMilling, DropsTheTopLeftCornerAlongTheLeftEdgeWhileTheTipIsRightOfIt) {
    SimState s = StartedState(MillingDirection::Down);
    s.FeedTravel = 100;
    RebuildWorkpiece(s);  // corner (250, 243) at 0.5593 rad
    PlaceTooth(s, 0.557); // tip at x = 255.7
    CutDownMilling(s);
    EXPECT_EQ(s.ProfileIndex, 1);
    EXPECT_EQ(s.ProfileX[2], 250);
    EXPECT_NEAR(s.ProfileY[2], kCentreY + std::sqrt(200.0 * 200 - 100 * 100), 1e-9);
    EXPECT_EQ(s.ProfileX[1], 250); // the bottom left corner never moves
    EXPECT_EQ(s.ProfileY[1], 313);
}

// A corner the tooth does not reach in this sub-step stays where it is.
TEST(CutDownMilling, KeepsTheTopLeftCornerOutsideTheSweptSector) {
    SimState s = StartedState(MillingDirection::Down);
    s.FeedTravel = 100;
    RebuildWorkpiece(s); // corner (250, 243) at 0.5593 rad
    PlaceTooth(s, 0.6);
    CutDownMilling(s);
    EXPECT_EQ(s.ProfileX[2], 250);
    EXPECT_EQ(s.ProfileY[2], 243);
}

// Whole runs over the tooth counts, both directions and depths up to half the diameter, checked
// sub-step by sub-step against what a cut may do to the profile.
struct ProfileRunCase {
    int teeth;
    const char* diameter;    // mm
    const char* depthTenths; // tenths of a millimetre
    MillingDirection direction;
};

std::ostream& operator<<(std::ostream& os, const ProfileRunCase& c) {
    return os << c.teeth << " teeth, diameter " << c.diameter << ", depth " << c.depthTenths
              << (c.direction == MillingDirection::Down ? " tenths, down" : " tenths, up");
}

// px: how far a cut point may lie outside the swept sector (or the circle) it is cut from.
constexpr double kSectorTolerance = 1.0;

SimState ProfileRunState(const ProfileRunCase& c) {
    SimState s = StartedState(c.direction);
    EXPECT_TRUE(SetCutterDiameter(s, c.diameter).input.applied());
    EXPECT_TRUE(SetToothCount(s, std::to_string(c.teeth)).applied());
    // A first depth raises the depth field's maximum to half the diameter, as stepping does.
    EXPECT_TRUE(SetDepth(s, "50").input.applied());
    EXPECT_TRUE(SetDepth(s, c.depthTenths).input.applied());
    EXPECT_TRUE(SetFeedSpeed(s, "600").applied()); // the fastest feed: the shortest run
    return s;
}

// Whether (x, y) lies within kSectorTolerance of the sector from `from` to `to` (rad) inside the
// cutter circle.
bool NearSweptSector(const SimState& s, double x, double y, double from, double to) {
    const double r = std::hypot(x - kCentreX, y - kCentreY);
    if (r > s.CutterRadius + kSectorTolerance) {
        return false;
    }
    const double angle = std::atan2(x - kCentreX, y - kCentreY);
    const double outside = std::max(from - angle, angle - to);
    return outside <= 0 || (outside < 1.5 && r * std::sin(outside) <= kSectorTolerance);
}

class ProfileRunTest : public ::testing::TestWithParam<ProfileRunCase> {};

TEST_P(ProfileRunTest, CutsOnlyWhatAToothSweepsAndKeepsTheProfileSimple) {
    SimState s = ProfileRunState(GetParam());
    const bool down = GetParam().direction == MillingDirection::Down;
    ProfileCoords beforeX{};
    ProfileCoords beforeY{};
    // Past tick 240 the left edge has passed the centre (every angle from 0 up is open) and the
    // rest of the run repeats what came before.
    for (int tick = 1; tick <= 240; ++tick) {
        bool stopped = false;
        for (int step = 0; step < kSubStepsPerTick; ++step) {
            beforeX = s.ProfileX;
            beforeY = s.ProfileY;
            stopped = AdvanceSubStep(s) || stopped;
            for (int i = 1; i <= kProfileLast; ++i) {
                const double fedX = beforeX[i] - s.FeedPerStep;
                if (s.ProfileX[i] == fedX && s.ProfileY[i] == beforeY[i]) {
                    continue;
                }
                // A cut point lands on the cutter circle ...
                ASSERT_NEAR(std::hypot(s.ProfileX[i] - kCentreX, s.ProfileY[i] - kCentreY),
                            s.CutterRadius, 1e-9)
                    << "tick " << tick << " point " << i;
                // ... from inside the circle: in down milling from the sector one of the teeth in
                // the cut has just swept; in up milling the tooth also takes the point just
                // ahead of it that lies left of its tip, which its face covers.
                bool swept = false;
                for (int k = 1; k <= s.ActiveTeethCount && !swept; ++k) {
                    const double from = s.ActiveAngle[k];
                    // In its last sub-step in the zone a tooth sweeps on to the zone's end.
                    const double end = from - s.AngleStep < s.EdgeAngle ? s.EdgeAngle : from;
                    swept = down ? NearSweptSector(s, fedX, beforeY[i], end, from + s.AngleStep)
                                 : NearSweptSector(s, fedX, beforeY[i], from - s.AngleStep,
                                                   kRightAngle);
                }
                ASSERT_TRUE(swept) << "tick " << tick << " point " << i << " from (" << fedX << ", "
                                   << beforeY[i] << ")";
            }
        }
        if (tick % 20 == 0 || stopped) {
            ASSERT_EQ(FirstCrossing(s), "") << "tick " << tick;
            ASSERT_EQ(FirstLostMaterial(s), "") << "tick " << tick;
        }
        if (stopped) {
            break;
        }
    }
}

std::vector<ProfileRunCase> ProfileRunCases() {
    std::vector<ProfileRunCase> cases;
    for (const MillingDirection direction : {MillingDirection::Up, MillingDirection::Down}) {
        for (int teeth = 4; teeth <= 20; ++teeth) {
            // Half the diameter, where the top edge runs through the centre's height.
            cases.push_back({teeth, "100", "500", direction});
        }
        // A deep cut short of it.
        for (const int teeth : {4, 7, 12, 16, 20}) {
            cases.push_back({teeth, "100", "250", direction});
        }
        cases.push_back({8, "50", "250", direction});
        cases.push_back({20, "180", "900", direction});
    }
    return cases;
}

std::string ProfileRunName(const ::testing::TestParamInfo<ProfileRunCase>& info) {
    const ProfileRunCase& c = info.param;
    char text[64];
    std::snprintf(text, sizeof text, "%sTeeth%dDiameter%sDepth%s",
                  c.direction == MillingDirection::Down ? "Down" : "Up", c.teeth, c.diameter,
                  c.depthTenths);
    return text;
}

INSTANTIATE_TEST_SUITE_P(ToothCountsDirectionsDepths, ProfileRunTest,
                         ::testing::ValuesIn(ProfileRunCases()), ProfileRunName);

// The quick search screens several points per step. Profiles where every point passes the
// screen except chosen blockers, at every position along the profile, must stop the quick search
// exactly where the plain search stops, with identical states; a pair of blockers in one step
// must stop it at the first one the search meets.
enum class Blocker {
    Single,         // one blocker at point k
    PairGapOne,     // blockers at k and one point further along the search
    PairGapTwo,     // ... two points further
    PairGapThree,   // ... three points further
    AtCentreHeight, // one blocker at k at the centre's height (left of the centre), up milling
    PassThrough     // a point at k at the centre's height that the screen leaves to the exact
                    // test and the search passes: the search goes on from k to the end
};

struct ScreenCase {
    const char* name;
    MillingDirection direction;
    double toothAngle; // rad, ActiveAngle[1]
    Blocker blocker;
};

std::ostream& operator<<(std::ostream& os, const ScreenCase& c) {
    return os << c.name;
}

// A state whose profile points all lie far on the searched side: left of the centre for up
// milling (the search passes them rightward), right of it for down milling (leftward).
SimState ScreenedState(const ScreenCase& c) {
    SimState s = StartedState(c.direction);
    const bool down = c.direction == MillingDirection::Down;
    for (int i = 1; i <= kProfileLast; ++i) {
        s.ProfileX[i] = down ? 600.25 : -100.25;
        s.ProfileY[i] = 100.5;
        s.WorkpiecePoints[i] = {Round(s.ProfileX[i]), Round(s.ProfileY[i])};
    }
    s.ActiveTeethCount = 1;
    s.ActiveTooth = 1;
    s.ActiveAngle[1] = c.toothAngle;
    s.ActiveTipX[1] = kCentreX + s.CutterRadius * std::sin(c.toothAngle);
    s.ActiveTipY[1] = kCentreY + s.CutterRadius * std::cos(c.toothAngle);
    return s;
}

// Puts a point at i that stops the search: on the far side of the tooth, or at the centre's
// height left of the centre, where the searches take the fixed right angle (which stops up
// milling's search unless the tooth has passed a quarter turn, and never stops down milling's).
void PlaceBlocker(SimState& s, int i, bool down, bool atCentreHeight) {
    if (atCentreHeight) {
        s.ProfileX[i] = 100.0;
        s.ProfileY[i] = 83.25;
    } else {
        s.ProfileX[i] = down ? -100.25 : 600.25;
        s.ProfileY[i] = 100.5;
    }
    s.WorkpiecePoints[i] = {Round(s.ProfileX[i]), Round(s.ProfileY[i])};
}

// The active tooth's cut in `quick` with the quick search and in `plain` with the plain one.
void CutQuickAndPlain(SimState& quick, SimState& plain, bool down) {
    if (down) {
        CutDownMilling(quick, ProfileSearch::Quick);
        CutDownMilling(plain, ProfileSearch::Plain);
    } else {
        CutUpMilling(quick, ProfileSearch::Quick);
        CutUpMilling(plain, ProfileSearch::Plain);
    }
}

class ScreenTest : public ::testing::TestWithParam<ScreenCase> {};

TEST_P(ScreenTest, StopsWhereThePlainSearchStopsAtEveryPosition) {
    const ScreenCase& c = GetParam();
    const bool down = c.direction == MillingDirection::Down;
    const int gap = c.blocker == Blocker::PairGapOne     ? 1
                    : c.blocker == Blocker::PairGapTwo   ? 2
                    : c.blocker == Blocker::PairGapThree ? 3
                                                         : 0;
    // The search runs from 699 down to 1, or from 2 up to 700.
    const int first = down ? 1 : 2;
    const int last = down ? kProfileLast - 1 : kProfileLast;
    for (int k = first; k <= last; ++k) {
        SimState quick = ScreenedState(c);
        PlaceBlocker(quick, k, down,
                     c.blocker == Blocker::AtCentreHeight || c.blocker == Blocker::PassThrough);
        const int second = down ? k - gap : k + gap;
        if (gap > 0 && second >= first && second <= last) {
            PlaceBlocker(quick, second, down, false);
        }
        SimState plain = quick;
        CutQuickAndPlain(quick, plain, down);
        const int stop = c.blocker != Blocker::PassThrough ? k : down ? 1 : kProfileLast;
        ASSERT_EQ(plain.ProfileIndex, stop) << "blocker at " << k;
        ASSERT_EQ(quick.ProfileIndex, stop) << "blocker at " << k;
        ASSERT_TRUE(StatesIdentical(quick, plain)) << "blocker at " << k;
    }
}

// Positive tooth angles give the screen's narrow test (side and limit), negative ones in down
// milling and small ones in up milling (the previous sub-step's angle below zero) its wide one
// (side or limit).
INSTANTIATE_TEST_SUITE_P(
    Blockers, ScreenTest,
    ::testing::Values(
        ScreenCase{"DownSingle", MillingDirection::Down, 0.3, Blocker::Single},
        ScreenCase{"DownGapOne", MillingDirection::Down, 0.3, Blocker::PairGapOne},
        ScreenCase{"DownGapTwo", MillingDirection::Down, 0.3, Blocker::PairGapTwo},
        ScreenCase{"DownGapThree", MillingDirection::Down, 0.3, Blocker::PairGapThree},
        ScreenCase{"DownNegativeAngle", MillingDirection::Down, -0.4, Blocker::PairGapTwo},
        ScreenCase{"UpSingle", MillingDirection::Up, 0.6, Blocker::Single},
        ScreenCase{"UpGapOne", MillingDirection::Up, 0.6, Blocker::PairGapOne},
        ScreenCase{"UpGapTwo", MillingDirection::Up, 0.6, Blocker::PairGapTwo},
        ScreenCase{"UpGapThree", MillingDirection::Up, 0.6, Blocker::PairGapThree},
        ScreenCase{"UpBelowZero", MillingDirection::Up, 0.001, Blocker::PairGapThree},
        ScreenCase{"UpAtCentreHeight", MillingDirection::Up, 0.6, Blocker::AtCentreHeight},
        ScreenCase{"UpPastCentreHeight", MillingDirection::Up, 1.6, Blocker::PassThrough},
        ScreenCase{"DownPastCentreHeight", MillingDirection::Down, 0.3, Blocker::PassThrough}),
    [](const auto& info) { return std::string(info.param.name); });

class RandomProfileScreenTest : public ::testing::TestWithParam<MillingDirection> {};

// Scattered profiles around the cutter, a fifth of the points at the centre's height and some
// straight above or below the centre, against tooth angles over the whole circle: the quick
// search must leave the state the plain search leaves.
TEST_P(RandomProfileScreenTest, LeavesThePlainSearchsState) {
    const bool down = GetParam() == MillingDirection::Down;
    std::mt19937_64 random(down ? 16 : 61);
    std::uniform_real_distribution<double> xs(-150.0, 450.0);
    std::uniform_real_distribution<double> ys(-120.0, 300.0);
    std::uniform_real_distribution<double> angles(-1.6, 1.6);
    for (int trial = 0; trial < 400; ++trial) {
        SimState quick = ScreenedState({"", GetParam(), angles(random), Blocker::Single});
        // Mostly points on the searched side with a few strays, so that searches run long.
        const int strays = static_cast<int>(random() % 40);
        for (int i = 1; i <= kProfileLast; ++i) {
            if (static_cast<int>(random() % 1000) >= strays) {
                continue;
            }
            quick.ProfileX[i] = random() % 8 == 0 ? 150.0 : xs(random);
            quick.ProfileY[i] = random() % 5 == 0 ? 83.0 : ys(random);
            quick.WorkpiecePoints[i] = {Round(quick.ProfileX[i]), Round(quick.ProfileY[i])};
        }
        SimState plain = quick;
        CutQuickAndPlain(quick, plain, down);
        ASSERT_TRUE(StatesIdentical(quick, plain)) << "trial " << trial;
    }
}

INSTANTIATE_TEST_SUITE_P(Directions, RandomProfileScreenTest,
                         ::testing::Values(MillingDirection::Up, MillingDirection::Down),
                         [](const auto& info) {
                             return std::string(info.param == MillingDirection::Down ? "Down"
                                                                                     : "Up");
                         });

} // namespace
} // namespace sim
