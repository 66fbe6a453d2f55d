#include "sim/measurements.h"

#include "sim/force_model.h"
#include "sim/materials.h"
#include "sim/scenarios.h"

#include <gtest/gtest.h>

#include <cmath>
#include <ostream>
#include <string>

namespace sim {
namespace {

TEST(Measure, StartValuesGiveTheTextbookFiguresOf28Cr4WithP30) {
    const Measurements m = Measure(StartedState(), RunFigures{});
    EXPECT_NEAR(m.conditions.spindleSpeed, 190.99, 0.005);
    EXPECT_NEAR(m.conditions.feedPerTooth, 0.09817, 0.000005);
    EXPECT_NEAR(m.conditions.engagementAngle, 36.87, 0.005);
    EXPECT_NEAR(m.conditions.teethInCut, 0.8193, 0.00005);
    EXPECT_NEAR(m.conditions.removalRate, 30, 1e-12);
    EXPECT_NEAR(m.textbook.maxChip, 0.05890, 0.000005);
    EXPECT_NEAR(m.textbook.meanChip, 0.03051, 0.000005);
    ASSERT_TRUE(m.textbook.forceAtMaxChip && m.textbook.meanCutterForce);
    EXPECT_NEAR(*m.textbook.forceAtMaxChip, 2120.2, 0.05);
    EXPECT_NEAR(*m.textbook.meanCutterForce, 1140.3, 0.05);
    EXPECT_NEAR(*m.textbook.power, 1.140, 0.0005);
    EXPECT_NEAR(*m.textbook.torque, 57.0, 0.05);
}

TEST(Measure, TheTextbookForceIsTheForceTheTickComputesForTheSameChip) {
    SimState s = StartedState();
    const double chip = Textbook(s, DeriveConditions(s)).maxChip;
    s.ChipTrace[kTraceLength] = chip;
    ComputeForce(s);
    EXPECT_EQ(*Textbook(s, DeriveConditions(s)).forceAtMaxChip, s.ForceTrace[kTraceLength]);
}

// A whole run of the start values: the figures gathered tick by tick, against the batch runner's
// summary of the same run (written in its reference output).
struct WholeRun {
    const char* name;
    MillingDirection direction;
    int firstForceTick;
    double largestForce;
    double meanForce;
    double lastRevolutionMean;
    double largestChipSum; // to 4 decimals
};

std::ostream& operator<<(std::ostream& out, const WholeRun& row) {
    return out << row.name;
}

class WholeRunFigures : public testing::TestWithParam<WholeRun> {};

TEST_P(WholeRunFigures, MatchTheRunnersSummary) {
    const WholeRun& row = GetParam();
    SimState s = StartedState(row.direction);
    const SimState before = s;
    RunFigures figures;
    while (s.TimerEnabled) {
        RunTick(s, nullptr);
        RecordTick(figures, s);
    }
    EXPECT_EQ(figures.ticks, 1556);
    EXPECT_EQ(figures.firstForceTick, row.firstForceTick);
    EXPECT_EQ(figures.largestForce, row.largestForce);
    EXPECT_DOUBLE_EQ(figures.MeanForce(), row.meanForce);
    EXPECT_EQ(figures.lastRevolutionMean, row.lastRevolutionMean);
    EXPECT_NEAR(figures.largestChipSum, row.largestChipSum, 0.00005);
    // Mostly one tooth is in the cut, so its chip is the largest sum as well.
    EXPECT_EQ(figures.largestToothChip, figures.largestChipSum);
    EXPECT_LE(figures.largestChip, figures.largestChipSum); // the helix average only lowers it

    // The recording only reads: the same run without it ends in the same state.
    SimState again = before;
    RunTicks(again, 2000);
    EXPECT_EQ(again.ForceTrace, s.ForceTrace);
    EXPECT_EQ(again.MeanForceTrace, s.MeanForceTrace);

    const Measurements m = Measure(s, figures);
    EXPECT_EQ(m.simulated.lastRevolutionMean, row.lastRevolutionMean);
    EXPECT_DOUBLE_EQ(m.simulated.power, row.lastRevolutionMean * 60 / 60000);
    EXPECT_DOUBLE_EQ(m.simulated.torque, row.lastRevolutionMean * 100 / 2000);
    ASSERT_TRUE(m.compared.meanForce.differencePercent);
    EXPECT_NEAR(*m.compared.meanForce.differencePercent,
                (row.lastRevolutionMean - 1140.29) / 1140.29 * 100, 0.01);
}

INSTANTIATE_TEST_SUITE_P(
    StartValues, WholeRunFigures,
    testing::Values(WholeRun{"up", MillingDirection::Up, 388, 1996.828186270998, 1227.5541959873224,
                             1239.9036389401344, 0.0634},
                    WholeRun{"down", MillingDirection::Down, 373, 1971.7107257779196,
                             1211.1531984790681, 1222.2554023892926, 0.0618}),
    [](const testing::TestParamInfo<WholeRun>& info) { return std::string(info.param.name); });

// Hand-computed cases at the limits of the inputs. The materials are chosen but no "Proces" was
// pressed, so the force law comes from the chosen materials.
struct LimitCase {
    const char* name;
    int32_t diameter, teeth, width, workpiece, tool;
    double cuttingSpeed, feedSpeed, depth;
    double spindleSpeed, feedPerTooth, engagementAngle, teethInCut, removalRate;
    double maxChip, meanChip, forceAtMaxChip, meanCutterForce, power, torque;
};

std::ostream& operator<<(std::ostream& out, const LimitCase& row) {
    return out << row.name;
}

class TextbookAtTheLimits : public testing::TestWithParam<LimitCase> {};

TEST_P(TextbookAtTheLimits, MatchTheHandComputedValues) {
    const LimitCase& c = GetParam();
    SimState s = StartupState();
    s.CutterDiameter = c.diameter;
    s.ToothCount = c.teeth;
    s.CutWidth = c.width;
    s.CuttingSpeed = c.cuttingSpeed;
    s.SpeedFactor = std::pow(c.cuttingSpeed, -0.15);
    s.FeedSpeed = c.feedSpeed;
    s.DepthMm = c.depth;
    SelectWorkpieceMaterial(s, c.workpiece - 1);
    SelectToolMaterial(s, c.tool - 1);
    const Measurements m = Measure(s, RunFigures{});
    const auto near = [](double actual, double expected) {
        EXPECT_NEAR(actual, expected, std::abs(expected) * 1e-5) << expected;
    };
    near(m.conditions.spindleSpeed, c.spindleSpeed);
    near(m.conditions.feedPerTooth, c.feedPerTooth);
    near(m.conditions.engagementAngle, c.engagementAngle);
    near(m.conditions.teethInCut, c.teethInCut);
    near(m.conditions.removalRate, c.removalRate);
    near(m.textbook.maxChip, c.maxChip);
    near(m.textbook.meanChip, c.meanChip);
    ASSERT_TRUE(m.textbook.forceAtMaxChip);
    near(*m.textbook.forceAtMaxChip, c.forceAtMaxChip);
    near(*m.textbook.meanCutterForce, c.meanCutterForce);
    near(*m.textbook.power, c.power);
    near(*m.textbook.torque, c.torque);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Limits, TextbookAtTheLimits,
    testing::Values(
        // name, D, z, b, workpiece, tool, v_c, v_f, a_e;
        // n, f_z, phi_s, z_e, Q; h_max, h_m, F(h_max), z_e F(h_m), P, M
        // a_e = D/2: phi_s = 90 deg, z_e = z / 4, h_max = f_z, h_m = 2 f_z / pi.
        LimitCase{"HalfDiameter", 100, 8, 20, 1, 3, 60, 150, 50,
                  190.986, 0.0981748, 90, 2, 150,
                  0.0981748, 0.0625, 2940.14, 4404.35, 4.40435, 220.217},
        // The smallest depth, 0.5 mm: phi_s = arccos(0.99).
        LimitCase{"SmallestDepth", 100, 8, 20, 1, 3, 60, 150, 0.5,
                  190.986, 0.0981748, 8.10961, 0.180214, 1.5,
                  0.0138493, 0.00693621, 839.463, 97.1839, 0.0971839, 4.8592},
        // Largest cutter, teeth, width and speeds at half its diameter, with a tool that does
        // not suit C4130 (factor 1.05).
        LimitCase{"LargestCutterMismatchedTool", 180, 20, 100, 8, 1, 120, 600, 90,
                  212.207, 0.141372, 90, 5, 5400,
                  0.141372, 0.09, 21067.8, 75415.3, 150.831, 6787.38},
        // Smallest cutter, teeth, width and speeds at the smallest depth, AlSi8.
        LimitCase{"SmallestCutter", 50, 4, 10, 10, 3, 30, 40, 0.5,
                  190.986, 0.0523599, 11.4783, 0.127537, 0.2,
                  0.0104195, 0.00522724, 111.877, 9.96781, 0.00498391, 0.249195}),
    [](const testing::TestParamInfo<LimitCase>& info) { return std::string(info.param.name); });
// clang-format on

TEST(CurrentForceLaw, PrefersTheConstantsOfTheLastProcesToANewChoice) {
    SimState s = StartedState(); // 28Cr4 with P30 loaded
    SelectWorkpieceMaterial(s, FindWorkpieceMaterial("AlSi8") - 1);
    const std::optional<ForceLaw> law = CurrentForceLaw(s);
    ASSERT_TRUE(law);
    EXPECT_EQ(law->specificForce, 1200);
    EXPECT_EQ(law->chipExponent, 0.64);
    EXPECT_EQ(law->toolFactor, 1.0);
    EXPECT_EQ(law->speedFactor, s.SpeedFactor);
}

TEST(CurrentForceLaw, WithAMaterialMissingThereIsNoTextbookForce) {
    SimState s = StartupState();
    SelectWorkpieceMaterial(s, 0);
    EXPECT_FALSE(CurrentForceLaw(s));
    const Measurements m = Measure(s, RunFigures{});
    EXPECT_GT(m.textbook.maxChip, 0); // the chip needs no material
    EXPECT_FALSE(m.textbook.forceAtMaxChip);
    EXPECT_FALSE(m.textbook.meanCutterForce);
    EXPECT_FALSE(m.compared.largestForce.differencePercent);
    EXPECT_FALSE(m.compared.power.textbook);
    EXPECT_TRUE(m.compared.largestChip.differencePercent);
}

TEST(DifferencePercent, IsRelativeToTheTextbookAndAbsentForZero) {
    EXPECT_DOUBLE_EQ(*DifferencePercent(110, 100.0), 10);
    EXPECT_DOUBLE_EQ(*DifferencePercent(0, 50.0), -100);
    EXPECT_FALSE(DifferencePercent(5, 0.0));
    EXPECT_FALSE(DifferencePercent(5, std::nullopt));
}

TEST(RecordTick, CountsOnlyNonZeroForcesInTheMeanAndKeepsTheLargest) {
    SimState s = StartedState();
    RunFigures figures;
    const double forces[] = {0, 300, 0, 100};
    for (const double force : forces) {
        s.ForceTrace[kTraceLength] = force;
        RecordTick(figures, s);
    }
    EXPECT_EQ(figures.ticks, 4);
    EXPECT_EQ(figures.forceTicks, 2);
    EXPECT_EQ(figures.firstForceTick, 2);
    EXPECT_EQ(figures.largestForce, 300);
    EXPECT_EQ(figures.MeanForce(), 200);
    EXPECT_EQ(RunFigures{}.MeanForce(), 0); // no force yet: no division by zero
}

TEST(RecordTick, TheLargestToothChipReadsOnlyTheSlotsInTheCut) {
    SimState s = StartedState();
    s.ToothChip = {0, 0.02, 0.05, 0.09}; // slot 3 keeps a value from an earlier sub-step
    s.ActiveTeethCount = 2;
    s.ChipSumTrace[kTraceLength] = 0.07;
    RunFigures figures;
    RecordTick(figures, s);
    EXPECT_EQ(figures.largestToothChip, 0.05);
    EXPECT_EQ(figures.largestChipSum, 0.07);
    // The textbook's h_max is set against the chip of one tooth, not the sum.
    EXPECT_EQ(Measure(s, figures).compared.largestChip.simulated, 0.05);
}

} // namespace
} // namespace sim
