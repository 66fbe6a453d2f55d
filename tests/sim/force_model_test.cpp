#include "sim/force_model.h"
#include "sim/scenarios.h"

#include <gtest/gtest.h>

#include <cmath>

namespace sim {
namespace {

TEST(ComputeForce, GivesThePowerLawForceOf28Cr4) {
    SimState s = StartedState();
    s.ChipTrace[313] = 0.07;
    ComputeForce(s);
    EXPECT_NEAR(s.ForceTrace[313], 1200 * 20 * std::pow(0.07, 0.64) * std::pow(60, -0.15), 1e-9);
    EXPECT_NEAR(s.ForceTrace[313], 2368, 1);
    s.ChipTrace[313] = 0;
    ComputeForce(s);
    EXPECT_EQ(s.ForceTrace[313], 0.0);
}

TEST(TakeChipSample, SumsTheSlotsOfTheLastSubStepOnly) {
    SimState s = StartedState();
    s.HelixLagTicks = 0;
    s.ToothChip = {0, 0.01, 0.02, 0.04, 0.08};
    s.ActiveTeethCount = 2;
    TakeChipSample(s);
    EXPECT_DOUBLE_EQ(s.ChipSumTrace[313], 0.03);
    EXPECT_EQ(s.ChipTrace[313], s.ChipSumTrace[313]); // a straight tooth averages nothing
    EXPECT_EQ(s.ChipSum, 0.0);
    s.ActiveTeethCount = 0;
    TakeChipSample(s);
    EXPECT_EQ(s.ChipSumTrace[313], 0.0);
}

TEST(TakeChipSample, TheAveragedChipFallsOffOverTheHelixWindow) {
    SimState s = StartedState();
    ASSERT_EQ(s.HelixLagTicks, 8);
    for (int i = 306; i <= 313; ++i) {
        s.ChipSumTrace[i] = 0.08;
    }
    s.ActiveTeethCount = 0; // the cutter has left the cut
    TakeChipSample(s);
    EXPECT_DOUBLE_EQ(s.ChipTrace[313], 0.07);
    EXPECT_EQ(s.WindowSum, 0.0);
}

TEST(UpdateRevolutionMean, WritesTheMeanOncePerRevolution) {
    SimState s = StartedState();
    s.MeanForceTrace[313] = -1;         // marks "not written"
    const int ticksPerRevolution = 210; // 0.3141666 s / 0.0015 s, rounded up
    for (int t = 1; t < ticksPerRevolution; ++t) {
        s.ForceTrace[313] = t % 2 == 0 ? 100.0 : 0.0;
        UpdateRevolutionMean(s);
        ASSERT_EQ(s.MeanForceTrace[313], -1) << t;
    }
    s.ForceTrace[313] = 100.0;
    UpdateRevolutionMean(s);
    // 105 forces of 100 N over 210 samples: the zero samples count too.
    EXPECT_DOUBLE_EQ(s.MeanForceTrace[313], 50.0);
    EXPECT_EQ(s.RevolutionSamples, 0);
    EXPECT_EQ(s.RevolutionForceSum, 0.0);
    EXPECT_EQ(s.RevolutionClock, 0.0);
}

TEST(HelixLagTicks, FollowsHelixWidthAndDiameter) {
    SimState s = StartupState();
    s.CutWidth = 100;
    EXPECT_EQ(HelixLagTicksWidthFirst(s), 38);
    EXPECT_EQ(HelixLagTicksLeftToRight(s), 38);
    s.HelixAngle = 0;
    EXPECT_EQ(HelixLagTicksLeftToRight(s), 0);
    s.HelixAngle = 50 * 3.141592 / 180;
    s.CutterDiameter = 50;
    EXPECT_EQ(HelixLagTicksWidthFirst(s), 159); // the longest window within the limits
}

} // namespace
} // namespace sim
