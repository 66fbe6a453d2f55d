#pragma once

// What a student writes down about a run: the cutting conditions derived from the inputs, the
// figures the simulation produced, and the textbook estimate of the same figures from the
// classical slab-milling formulas, side by side. Nothing here changes the simulation: the run
// figures are gathered from the traces after each tick.

#include "sim/force_model.h"
#include "sim/ideal_forces.h"
#include "sim/sim_state.h"

#include <optional>

namespace sim {

// The constants the next tick would use: those loaded by the last "Proces", or, before any
// "Proces", those the chosen materials would load. None when no constants are loaded and a
// material is still missing.
std::optional<ForceLaw> CurrentForceLaw(const SimState& s);

// Cutting conditions that follow from the inputs alone.
struct CuttingConditions {
    double spindleSpeed = 0;    // rev/min, n = 1000 v_c / (pi D)
    double feedPerTooth = 0;    // mm, f_z = v_f / (z n)
    double engagementAngle = 0; // deg, phi_s = arccos(1 - 2 a_e / D), 0..90
    double teethInCut = 0;      // mean number of teeth in the cut, z_e = z phi_s / 360 deg
    double removalRate = 0;     // cm^3/min, Q = a_e b v_f / 1000
};

CuttingConditions DeriveConditions(const SimState& s);

// Figures gathered over a run, one RecordTick per tick, from the newest samples the tick left
// at index 313 of the traces.
struct RunFigures {
    int ticks = 0;                 // ticks recorded since the run started
    int forceTicks = 0;            // of those, ticks with a non-zero force
    int firstForceTick = 0;        // 1-based tick of the first non-zero force; 0: none yet
    double largestToothChip = 0;   // mm, largest chip of one tooth (last sub-step of a tick)
    double largestChipSum = 0;     // mm, largest chip summed over the teeth in the cut
    double largestChip = 0;        // mm, largest chip averaged over the helix window
    double largestForce = 0;       // N
    double forceSum = 0;           // N, sum of the non-zero forces
    double lastRevolutionMean = 0; // N, the newest per-revolution mean force
    int revolutions = 0;           // revolution means taken since the run started
    double peakNormalForce = 0;    // N, the per-tooth normal force of largest magnitude, signed

    // Mean force over the ticks with a force, 0 before the first.
    double MeanForce() const { return forceTicks > 0 ? forceSum / forceTicks : 0; }
};

// Adds the tick just run (its samples at index 313) to the figures.
void RecordTick(RunFigures& figures, const SimState& s);

// The simulated side of the comparison: the newest sample and the figures of the run so far.
struct SimulatedResults {
    double chipSumNow = 0;         // mm, newest chip summed over the teeth
    double chipNow = 0;            // mm, newest chip averaged over the helix window
    double forceNow = 0;           // N, newest force
    int32_t teethNow = 0;          // teeth in the cut in the last sub-step
    double largestToothChip = 0;   // mm
    double largestChipSum = 0;     // mm
    double largestChip = 0;        // mm
    double largestForce = 0;       // N
    double meanForce = 0;          // N, over the ticks with a force
    double lastRevolutionMean = 0; // N
    double power = 0;              // kW, P = F v_c / 60000 with F the last revolution mean
    double torque = 0;             // N m, M = F D / 2000 with F the last revolution mean
};

SimulatedResults Simulated(const SimState& s, const RunFigures& figures);

// The textbook estimate. The forces are absent when no force constants are known.
struct TextbookCheck {
    double maxChip = 0;                    // mm, h_max = f_z sin(phi_s), f_z for a_e >= D/2
    double meanChip = 0;                   // mm, h_m = 2 a_e f_z / (D phi_s), phi_s in rad
    std::optional<double> forceAtMaxChip;  // N, F(h_max)
    std::optional<double> forceAtMeanChip; // N, F(h_m), one tooth
    std::optional<double> meanCutterForce; // N, z_e F(h_m)
    std::optional<double> power;           // kW, from z_e F(h_m)
    std::optional<double> torque;          // N m, from z_e F(h_m)
};

TextbookCheck Textbook(const SimState& s, const CuttingConditions& conditions);

// (simulated - textbook) / textbook in percent; none for an absent or zero textbook value.
std::optional<double> DifferencePercent(double simulated, std::optional<double> textbook);

// One figure of the simulation next to its textbook counterpart.
struct Comparison {
    double simulated = 0;
    std::optional<double> textbook;
    std::optional<double> differencePercent;
};

struct ComparedResults {
    Comparison largestChip;  // largest chip of one tooth against h_max, mm
    Comparison largestForce; // largest force against F(h_max), N
    Comparison meanForce;    // last revolution mean against z_e F(h_m), N
    Comparison power;        // kW
    Comparison torque;       // N m
};

// A figure of the per-tooth model (sim/tooth_forces.h) next to its textbook value
// (sim/ideal_forces.h). None: not known yet (no whole revolution, no force constants).
struct ToothForceComparison {
    std::optional<double> simulated;
    std::optional<double> textbook;
    std::optional<double> difference; // percent (the angle: degrees, -180..180)
};

// The per-tooth model's figures. Feed: along the feed, positive pulls the workpiece on; normal:
// across it, positive presses the workpiece onto the table.
struct ToothForceResults {
    double radialRatio = 0;              // K_r the figures were taken with
    ToothForceComparison meanTangential; // N, the last whole revolution's mean
    ToothForceComparison meanFeed;       // N, the same
    ToothForceComparison meanNormal;     // N, the same
    ToothForceComparison resultant;      // N, length of (mean feed, mean normal)
    ToothForceComparison resultantAngle; // deg, atan2(normal, feed): 90 presses, -90 lifts
    ToothForceComparison peakNormal;     // N, the normal force of largest magnitude, signed
    ToothForceComparison torque;         // N m, M = F_t D / 2000 from the mean tangential force
    ToothForceComparison power;          // kW, P = F_t v / 60000 from the same
};

// The textbook's per-tooth forces for the state's inputs: the ideal chip over the zone 0..phi_s
// with the state's K_r, helix and force law; none when no force constants are known.
std::optional<IdealCut> IdealCutOf(const SimState& s, const CuttingConditions& conditions);

ToothForceResults CompareToothForces(const SimState& s, const RunFigures& figures,
                                     const CuttingConditions& conditions);

// Everything the measurements show, from one state and the figures of its run.
struct Measurements {
    CuttingConditions conditions;
    SimulatedResults simulated;
    TextbookCheck textbook;
    ComparedResults compared;
    ToothForceResults toothForces;
};

Measurements Measure(const SimState& s, const RunFigures& figures);

} // namespace sim
