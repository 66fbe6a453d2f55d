// The textbook's per-tooth forces: the integrator against the closed forms of the linear law, the
// figures of the start values, where up milling's mean normal force changes sign, and the peak.
#include "sim/ideal_forces.h"

#include "sim/measurements.h"
#include "sim/scenarios.h"
#include "sim/tooth_forces.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <string>

namespace sim {
namespace {

constexpr double kPi = std::numbers::pi;

// The linear law F_t = K_tc a h, F_r = K_rc a h with h = c sin(phi): closed forms of the
// revolution means in our frame. Integrating F_t (feed, normal direction of ToothForceDirection)
// with sin cos = -(cos 2phi)'/4 and sin^2 = (2 phi - sin 2phi)'/4 gives, times N / (2 pi):
//   up:   feed = N a c / (8 pi) [ K_tc cos 2phi - K_rc (2phi - sin 2phi)]
//         normal = N a c / (8 pi) [-K_rc cos 2phi - K_tc (2phi - sin 2phi)]
//   down: feed = N a c / (8 pi) [-K_tc cos 2phi - K_rc (2phi - sin 2phi)]
//         normal = N a c / (8 pi) [-K_rc cos 2phi + K_tc (2phi - sin 2phi)]
// from entry to exit. The usual frame measures the feed along x and the normal force along y
// away from the table for up milling: up milling's feed is its F_x and its normal -F_y; for
// down milling phi runs from the other side (psi = pi - phi), where feed = F_x and normal = F_y.
struct LinearCase {
    const char* name;
    MillingDirection direction;
    double entry; // rad
    double exit;  // rad
    double radialRatio;
};

struct LinearMeans {
    double tangential, feed, normal;
};

LinearMeans ClosedForm(const LinearCase& row, int teeth, double ktcA, double c) {
    const double krcA = row.radialRatio * ktcA;
    const auto cos2 = [](double phi) { return std::cos(2 * phi); };
    const auto sweep = [](double phi) { return 2 * phi - std::sin(2 * phi); };
    const double dCos2 = cos2(row.exit) - cos2(row.entry);
    const double dSweep = sweep(row.exit) - sweep(row.entry);
    const double scale = teeth * c / (8 * kPi);
    const bool up = row.direction == MillingDirection::Up;
    return {teeth * ktcA * c / (2 * kPi) * (std::cos(row.entry) - std::cos(row.exit)),
            scale * ((up ? ktcA : -ktcA) * dCos2 - krcA * dSweep),
            scale * (-krcA * dCos2 + (up ? -ktcA : ktcA) * dSweep)};
}

class LinearLaw : public ::testing::TestWithParam<LinearCase> {};

TEST_P(LinearLaw, TheIntegratorGivesTheClosedForms) {
    const LinearCase& row = GetParam();
    IdealCut cut;
    cut.direction = row.direction;
    cut.entryAngle = row.entry;
    cut.exitAngle = row.exit;
    cut.teeth = 6;
    cut.feedPerTooth = 0.1;
    cut.radialRatio = row.radialRatio;
    cut.chipExponent = 1;
    cut.forceCoefficient = 2000 * 5; // K_tc = 2000 N/mm^2 over a = 5 mm
    const IdealForces got = IdealRevolutionMeans(cut);
    const LinearMeans want = ClosedForm(row, 6, 2000 * 5, 0.1);
    const double scale = std::abs(want.tangential);
    EXPECT_NEAR(got.tangential, want.tangential, 1e-7 * scale);
    EXPECT_NEAR(got.feed, want.feed, 1e-7 * scale);
    EXPECT_NEAR(got.normal, want.normal, 1e-7 * scale);
}

INSTANTIATE_TEST_SUITE_P(
    Arcs, LinearLaw,
    ::testing::Values(LinearCase{"FullSlotUp", MillingDirection::Up, 0, kPi, 0.3},
                      LinearCase{"FullSlotDown", MillingDirection::Down, 0, kPi, 0.3},
                      LinearCase{"HalfImmersionUp", MillingDirection::Up, 0, kPi / 2, 0.4},
                      LinearCase{"HalfImmersionDown", MillingDirection::Down, 0, kPi / 2, 0.4},
                      LinearCase{"ShallowUp", MillingDirection::Up, 0, 0.3, 0.6},
                      LinearCase{"InnerArcDown", MillingDirection::Down, 0.2, 1.1, 0.2}),
    [](const auto& info) { return std::string(info.param.name); });

// The full slot as it is usually quoted, mean F_x = -N a c K_rc / 4 and F_y = N a c K_tc / 4,
// read in our frame: the feed force is F_x in both directions, the normal force -F_y in up
// milling (it lifts) and F_y in down milling (it presses).
TEST(LinearLaw, AFullSlotGivesTheQuotedMeans) {
    const double ktcA = 2000 * 5;
    const double c = 0.1;
    for (MillingDirection direction : {MillingDirection::Up, MillingDirection::Down}) {
        IdealCut cut{direction, 0, kPi, 4, c, 0.3, 1, ktcA, 0};
        const IdealForces got = IdealRevolutionMeans(cut);
        EXPECT_NEAR(got.feed, -4 * c * 0.3 * ktcA / 4, 1e-6);
        EXPECT_NEAR(got.normal, (direction == MillingDirection::Up ? -1 : 1) * 4 * c * ktcA / 4,
                    1e-6);
    }
}

// The start values with a straight tooth and the given depth.
SimState StraightStartValues(const char* depthTenths = "100") {
    return StartedCut(MillingDirection::Up, depthTenths, "0");
}

TEST(IdealRevolutionMeans, TheStartValuesGiveLessThanTheMeanChipsForce) {
    const SimState s = StraightStartValues();
    const Measurements m = Measure(s, RunFigures{});
    const IdealForces means = IdealRevolutionMeans(*IdealCutOf(s, m.conditions));
    EXPECT_NEAR(means.tangential, 1085.857, 0.001);
    EXPECT_NEAR(*m.textbook.meanCutterForce, 1140.291, 0.001);
    // The chip's mean power is below the power of its mean for x < 1.
    EXPECT_NEAR(means.tangential / *m.textbook.meanCutterForce, 0.9523, 0.00005);
    EXPECT_EQ(m.toothForces.meanTangential.textbook, means.tangential);
}

// The measurements keep the last cut's textbook figures: asked about cuts in turn, each answer
// is still its own cut's integral, peak included.
TEST(IdealRevolutionMeans, TheMeasurementsAnswerForTheCutTheyAreAskedAbout) {
    const SimState cuts[] = {StraightStartValues("20"), StraightStartValues("250"),
                             StartedCut(MillingDirection::Down, "100", "30")};
    for (int round = 0; round < 2; ++round) {
        for (const SimState& s : cuts) {
            const Measurements m = Measure(s, RunFigures{});
            const IdealCut cut = *IdealCutOf(s, m.conditions);
            EXPECT_EQ(m.toothForces.meanTangential.textbook, IdealRevolutionMeans(cut).tangential);
            EXPECT_EQ(m.toothForces.meanNormal.textbook, IdealRevolutionMeans(cut).normal);
            EXPECT_EQ(m.toothForces.peakNormal.textbook, IdealPeakNormalForce(cut));
        }
    }
}

// The ratio of the integral to z_e F(h_m) over the depths of cut, 28Cr4 (x = 0.64).
struct DepthRatio {
    const char* name;
    const char* depthTenths;
    double ratio;
};

class IdealToMeanChip : public ::testing::TestWithParam<DepthRatio> {};

TEST_P(IdealToMeanChip, StaysJustBelowOne) {
    const SimState s = StraightStartValues(GetParam().depthTenths);
    const Measurements m = Measure(s, RunFigures{});
    const double ideal = IdealRevolutionMeans(*IdealCutOf(s, m.conditions)).tangential;
    EXPECT_NEAR(ideal / *m.textbook.meanCutterForce, GetParam().ratio, 0.00005);
}

INSTANTIATE_TEST_SUITE_P(
    Depths, IdealToMeanChip,
    ::testing::Values(DepthRatio{"Depth2", "20", 0.9506}, DepthRatio{"Depth5", "50", 0.9512},
                      DepthRatio{"Depth10", "100", 0.9523}, DepthRatio{"Depth20", "200", 0.9544},
                      DepthRatio{"Depth30", "300", 0.9568}, DepthRatio{"Depth40", "400", 0.9593},
                      DepthRatio{"Depth50", "500", 0.9619}),
    [](const auto& info) { return std::string(info.param.name); });

// Up milling's mean normal force is K_r A - B with A, B > 0: it lifts the workpiece below
// K_r = B / A and presses it above. Where that happens for the ideal chip of 28Cr4, and in the
// simulation of the same cut.
struct SignChange {
    const char* name;
    const char* depthTenths; // a_e on the 100 mm cutter
    double radialRatio;      // K_r where the ideal mean normal force is 0, to 2 decimals
};

class UpMillingNormalSign : public ::testing::TestWithParam<SignChange> {
protected:
    // K_r at which the ideal mean normal force of the row's cut is 0, by bisection.
    static double IdealZero() {
        const SimState s = StraightStartValues(GetParam().depthTenths);
        IdealCut cut = *IdealCutOf(s, DeriveConditions(s));
        double below = 0.01;
        double above = 2;
        for (int i = 0; i < 50; ++i) {
            cut.radialRatio = (below + above) / 2;
            (IdealRevolutionMeans(cut).normal < 0 ? below : above) = cut.radialRatio;
        }
        return (below + above) / 2;
    }
};

TEST_P(UpMillingNormalSign, ChangesWhereTheIntegralsBalance) {
    const SimState s = StraightStartValues(GetParam().depthTenths);
    IdealCut cut = *IdealCutOf(s, DeriveConditions(s));
    const double zero = IdealZero();
    EXPECT_NEAR(zero, GetParam().radialRatio, 0.005);
    cut.radialRatio = zero - 0.001;
    EXPECT_LT(IdealRevolutionMeans(cut).normal, 0) << "lifts below";
    cut.radialRatio = zero + 0.001;
    EXPECT_GT(IdealRevolutionMeans(cut).normal, 0) << "presses above";
}

// The simulated mean normal force is linear in K_r too (the chips do not depend on it), so two
// runs at the ends of K_r's range give where it changes sign. The pixel chips put that K_r 3 to
// 8 % below the ideal chip's (measured); the test allows 10 %.
TEST_P(UpMillingNormalSign, ChangesInTheSimulationWithinThePixelsTolerance) {
    const char* depth = GetParam().depthTenths;
    const double ideal = IdealZero();
    const double low = kRadialForceRatioMin;
    const double high = kRadialForceRatioMax;
    const double atLow = SteadyCut(MillingDirection::Up, depth, "0", "8", low).MeanNormalTrace[313];
    const double atHigh =
        SteadyCut(MillingDirection::Up, depth, "0", "8", high).MeanNormalTrace[313];
    ASSERT_GT(atHigh, atLow) << "more radial force presses more";
    EXPECT_NEAR(low - atLow * (high - low) / (atHigh - atLow), ideal, 0.10 * ideal);
    // The same from the direction function on each tooth in the cut, as the traces sum it.
    SimState s = StartedCut(MillingDirection::Up, depth, "0");
    double pressing = 0; // the sum of F_t cos(phi), the K_r part of the normal force
    double lifting = 0;  // the sum of F_t sin(phi)
    for (int tick = 1; s.TimerEnabled; ++tick) {
        RunTick(s, nullptr);
        for (int i = 1; tick > 700 && i <= s.ActiveTeethCount; ++i) {
            const double phi = s.ActiveAngle[i];
            const double none = ToothForceDirection(MillingDirection::Up, phi, 0).normal;
            const double unit = ToothForceDirection(MillingDirection::Up, phi, 1).normal;
            pressing += s.ToothTangentialForce[i] * (unit - none);
            lifting -= s.ToothTangentialForce[i] * none;
        }
    }
    EXPECT_NEAR(lifting / pressing, ideal, 0.10 * ideal);
}

INSTANTIATE_TEST_SUITE_P(Depths, UpMillingNormalSign,
                         ::testing::Values(SignChange{"TwoPercent", "20", 0.18},
                                           SignChange{"FivePercent", "50", 0.29},
                                           SignChange{"TenPercent", "100", 0.42},
                                           SignChange{"TwentyPercent", "200", 0.64},
                                           SignChange{"ThirtyPercent", "300", 0.86}),
                         [](const auto& info) { return std::string(info.param.name); });

IdealCut PeakCut(MillingDirection direction, int teeth, double lag) {
    // 28Cr4 at the start values: a = 10 mm, phi_s = 36.87 degrees.
    return IdealCut{direction, 0, std::acos(0.8), teeth, 0.1, 0.4, 0.64, 1200 * 20 * 0.54, lag};
}

TEST(IdealPeakNormalForce, OneStraightToothPeaksAtTheThickestChip) {
    // Four teeth 90 degrees apart: at most one in a 36.87 degree zone.
    for (MillingDirection direction : {MillingDirection::Up, MillingDirection::Down}) {
        const IdealCut cut = PeakCut(direction, 4, 0);
        const double exit = cut.exitAngle;
        const double atExit = cut.forceCoefficient * std::pow(0.1 * std::sin(exit), 0.64) *
                              ToothForceDirection(direction, exit, 0.4).normal;
        EXPECT_NEAR(IdealPeakNormalForce(cut), atExit, 1e-6 * std::abs(atExit));
    }
    // Up milling lifts there (K_r < tan phi_s); down milling presses.
    EXPECT_LT(IdealPeakNormalForce(PeakCut(MillingDirection::Up, 4, 0)), 0);
    EXPECT_GT(IdealPeakNormalForce(PeakCut(MillingDirection::Down, 4, 0)), 0);
}

TEST(IdealPeakNormalForce, AnEdgeSpanningOnePitchGivesASteadyForce) {
    // Each edge over exactly one pitch: every angle of the turn is cut by one edge slice at
    // every rotation, so the force never changes and its peak is its mean.
    for (MillingDirection direction : {MillingDirection::Up, MillingDirection::Down}) {
        const IdealCut cut = PeakCut(direction, 8, 2 * kPi / 8);
        const double mean = IdealRevolutionMeans(cut).normal;
        EXPECT_NEAR(IdealPeakNormalForce(cut), mean, 1e-4 * std::abs(mean));
        const double straight = IdealPeakNormalForce(PeakCut(direction, 8, 0));
        EXPECT_GT(std::abs(straight), 1.5 * std::abs(mean));
    }
}

} // namespace
} // namespace sim
