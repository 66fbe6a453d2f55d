// What a cut can physically do, checked over a grid of whole runs rather than one recorded run:
// a recording copies a wrong cut as faithfully as a right one.

#include "sim/cut_properties.h"
#include "sim/run.h"
#include "sim/scenarios.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <string>
#include <vector>

namespace sim {
namespace {

// The designed up-milling cut, kept exactly as it is, has two known limits with 20 teeth: it
// leans the workpiece's left edge a few pixels below the cutter once the edge passes the centre,
// and with a feed per tooth of a third of a pixel (diameter 50, 40 mm/min) it leaves the top edge
// uncut. Such runs are held to the chip limit and a simple profile only.
bool UpMillingWithTwentyTeeth(const CutRunCase& c) {
    return c.direction == MillingDirection::Up && c.teeth == 20;
}

class CutPropertyTest : public ::testing::TestWithParam<CutRunCase> {};

TEST_P(CutPropertyTest, ChipMaterialAndOutlineStayWithinWhatACutCanDo) {
    const CutRunCase& c = GetParam();
    const CutProperties p = MeasureCutRun(c);
    // One tooth's chip never exceeds the feed per tooth (up to the model's own scale) by more
    // than one profile pixel.
    EXPECT_TRUE(p.ChipWithinLimit())
        << "largest chip of one tooth " << p.largestToothChip / p.feedPerTooth << " f_z at tick "
        << p.largestToothChipTick;
    EXPECT_EQ(p.firstCrossing, "");
    if (!UpMillingWithTwentyTeeth(c)) {
        EXPECT_LE(p.deepestBehind, kInsideAllowance)
            << "point " << p.deepestBehindPoint << " at tick " << p.deepestBehindTick;
        EXPECT_EQ(p.firstLostMaterial, "");
    }
    // Over whole tooth pitches of the steady cut the profile loses a_e x f_z per tooth, as far as
    // the pixel profile can tell.
    if (p.removalRatio > 0) {
        EXPECT_NEAR(p.removalRatio, 1.0, kRemovalTolerance);
    }
}

std::vector<CutRunCase> PropertyCases() {
    CutGrid grid;
    grid.teeth = {4, 8, 20};
    grid.depthFractions = {0.1, 0.25, 0.4, 0.5};
    grid.feeds = {150, 600};
    grid.helixes = {0}; // the helix changes the force, not the profile
    return GridCases(grid);
}

INSTANTIATE_TEST_SUITE_P(Grid, CutPropertyTest, ::testing::ValuesIn(PropertyCases()),
                         [](const auto& info) { return CutRunName(info.param); });

// The force and the revolution mean, tick by tick over whole runs: the force is zero exactly in
// the ticks whose chip window holds no tooth in the cut, and each revolution mean is the mean of
// that revolution's samples (non-zero forces summed over every sample of the revolution).
class ForceSampleTest : public ::testing::TestWithParam<CutRunCase> {};

TEST_P(ForceSampleTest, ZeroExactlyWithoutAToothAndTheMeanIsTheRevolutionsMean) {
    SimState s = CutRunState(GetParam());
    std::vector<int> teethHistory;
    double sum = 0;
    int samples = 0;
    int means = 0;
    bool firstForce = false;
    while (s.TimerEnabled) {
        const double previousMean = s.MeanForceTrace[kTraceLength];
        RunTick(s, nullptr);
        // The tick's samples sit at kTraceLength - 1 after the scroll.
        const double force = s.ForceTrace[kTraceLength - 1];
        teethHistory.push_back(s.ActiveTeethCount);
        const int window = std::max(1, s.HelixLagTicks);
        bool toothInWindow = false;
        for (int j = 0; j < window && j < static_cast<int>(teethHistory.size()); ++j) {
            toothInWindow = toothInWindow || teethHistory[teethHistory.size() - 1 - j] > 0;
        }
        firstForce = firstForce || force > 0;
        if (firstForce) {
            ASSERT_EQ(force > 0, toothInWindow) << "tick " << teethHistory.size();
        } else {
            ASSERT_EQ(force, 0.0);
        }
        sum += force;
        ++samples;
        const double mean = s.MeanForceTrace[kTraceLength - 1];
        if (s.RevolutionSamples == 0) {
            // A revolution ended with this tick.
            ASSERT_NEAR(mean, sum / samples, 1e-9 * (1 + mean)) << "tick " << teethHistory.size();
            sum = 0;
            samples = 0;
            ++means;
        } else {
            ASSERT_EQ(mean, previousMean);
        }
    }
    EXPECT_GE(means, 3);
}

INSTANTIATE_TEST_SUITE_P(Runs, ForceSampleTest,
                         ::testing::Values(CutRunCase{100, 8, 100, 150, 0, MillingDirection::Up},
                                           CutRunCase{100, 8, 250, 150, 0, MillingDirection::Down},
                                           CutRunCase{50, 4, 50, 600, 30, MillingDirection::Down},
                                           CutRunCase{180, 20, 900, 150, 45, MillingDirection::Up}),
                         [](const auto& info) { return CutRunName(info.param); });

// The profile check pairs only edges whose boxes overlap. Over profiles with points thrown
// across the picture it reports the pair a search of every pair in order finds first.
TEST(FirstCrossingTest, ReportsTheFirstPairThatASearchOfEveryPairFinds) {
    const SimState cut = MidRunState(MillingDirection::Down, 600);
    EXPECT_EQ(FirstCrossing(cut), "");
    std::mt19937 random(7);
    std::uniform_int_distribution<int> point(1, kProfileLast);
    std::uniform_real_distribution<double> x(0, kViewWidth), y(0, kViewHeight);
    int crossed = 0;
    for (int round = 0; round < 24; ++round) {
        SimState s = cut;
        for (int moved = 0; moved < 1 + round % 3; ++moved) {
            const int i = point(random);
            s.ProfileX[i] = x(random);
            s.ProfileY[i] = y(random);
        }
        std::string first;
        for (int i = 0; i <= kProfileLast && first.empty(); ++i) {
            for (int j = i + 2; j <= kProfileLast && first.empty(); ++j) {
                if (!(i == 0 && j == kProfileLast) && ProfileEdgesCross(s, i, j)) {
                    first = std::to_string(i) + "/" + std::to_string(j);
                }
            }
        }
        crossed += !first.empty();
        EXPECT_EQ(FirstCrossing(s), first) << "round " << round;
    }
    EXPECT_GT(crossed, 5);
}

} // namespace
} // namespace sim
