#include "sim/measurements.h"

#include "sim/arithmetic.h"
#include "sim/materials.h"

#include <algorithm>
#include <cassert>
#include <cmath>
#include <numbers>

namespace sim {
namespace {

constexpr double kDegreesPerRadian = 180 / std::numbers::pi;

// P = F v_c / 60000 in kW for F in N and v_c in m/min.
double PowerOf(double force, double cuttingSpeed) {
    return force * cuttingSpeed / 60000;
}

// M = F D / 2000 in N m for F in N and D in mm.
double TorqueOf(double force, int32_t cutterDiameter) {
    return force * cutterDiameter / 2000;
}

Comparison Compare(double simulated, std::optional<double> textbook) {
    return {simulated, textbook, DifferencePercent(simulated, textbook)};
}

} // namespace

std::optional<ForceLaw> CurrentForceLaw(const SimState& s) {
    if (s.SpecificForce > 0) {
        return ForceLaw{s.SpecificForce, s.ChipExponent, s.ToolFactor, s.SpeedFactor};
    }
    const int32_t workpiece = s.WorkpieceMaterial;
    const int32_t tool = s.ToolMaterial;
    if (workpiece < 1 || workpiece > static_cast<int32_t>(kWorkpieceMaterials.size()) || tool < 1 ||
        tool > static_cast<int32_t>(kToolMaterials.size())) {
        return std::nullopt;
    }
    const WorkpieceMaterialRow& row = kWorkpieceMaterials[workpiece - 1];
    return ForceLaw{row.specificForce, row.chipExponent,
                    IsMaterialMismatch(tool, workpiece) ? 1.05 : 1.0, s.SpeedFactor};
}

double ForceAtChip(const ForceLaw& law, int32_t cutWidth, double chip) {
    // The factors in the order the tick multiplies them, so a chip the tick met gives its force.
    return Power(chip, law.chipExponent) * law.specificForce * cutWidth * law.toolFactor *
           law.speedFactor;
}

CuttingConditions DeriveConditions(const SimState& s) {
    assert(s.CutterDiameter > 0 && s.ToothCount > 0 && s.CuttingSpeed > 0);
    CuttingConditions c;
    const double diameter = s.CutterDiameter;
    c.spindleSpeed = 1000 * s.CuttingSpeed / (std::numbers::pi * diameter);
    c.feedPerTooth = s.FeedSpeed / (s.ToothCount * c.spindleSpeed);
    // The depth never exceeds the radius; the clamp keeps arccos defined if it ever did.
    const double cosine = std::clamp(1 - 2 * s.DepthMm / diameter, -1.0, 1.0);
    c.engagementAngle = std::acos(cosine) * kDegreesPerRadian;
    c.teethInCut = s.ToothCount * c.engagementAngle / 360;
    c.removalRate = s.DepthMm * s.CutWidth * s.FeedSpeed / 1000;
    return c;
}

void RecordTick(RunFigures& figures, const SimState& s) {
    const int newest = kTraceLength;
    ++figures.ticks;
    for (int slot = 1; slot <= s.ActiveTeethCount; ++slot) {
        figures.largestToothChip = std::max(figures.largestToothChip, s.ToothChip[slot]);
    }
    figures.largestChipSum = std::max(figures.largestChipSum, s.ChipSumTrace[newest]);
    figures.largestChip = std::max(figures.largestChip, s.ChipTrace[newest]);
    const double force = s.ForceTrace[newest];
    if (force != 0) {
        if (figures.firstForceTick == 0) {
            figures.firstForceTick = figures.ticks;
        }
        figures.largestForce = std::max(figures.largestForce, force);
        figures.forceSum += force;
        ++figures.forceTicks;
    }
    figures.lastRevolutionMean = s.MeanForceTrace[newest];
}

SimulatedResults Simulated(const SimState& s, const RunFigures& figures) {
    const int newest = kTraceLength;
    SimulatedResults r;
    r.chipSumNow = s.ChipSumTrace[newest];
    r.chipNow = s.ChipTrace[newest];
    r.forceNow = s.ForceTrace[newest];
    r.teethNow = s.ActiveTeethCount;
    r.largestToothChip = figures.largestToothChip;
    r.largestChipSum = figures.largestChipSum;
    r.largestChip = figures.largestChip;
    r.largestForce = figures.largestForce;
    r.meanForce = figures.MeanForce();
    r.lastRevolutionMean = figures.lastRevolutionMean;
    r.power = PowerOf(r.lastRevolutionMean, s.CuttingSpeed);
    r.torque = TorqueOf(r.lastRevolutionMean, s.CutterDiameter);
    return r;
}

TextbookCheck Textbook(const SimState& s, const CuttingConditions& conditions) {
    TextbookCheck t;
    const double diameter = s.CutterDiameter;
    const double fz = conditions.feedPerTooth;
    // From half the diameter on, some tooth cuts straight across the feed: the full f_z.
    t.maxChip = 2 * s.DepthMm >= diameter
                    ? fz
                    : fz * std::sin(conditions.engagementAngle / kDegreesPerRadian);
    const double engagementRadians = conditions.engagementAngle / kDegreesPerRadian;
    t.meanChip = engagementRadians > 0 ? 2 * s.DepthMm * fz / (diameter * engagementRadians) : 0;
    if (const std::optional<ForceLaw> law = CurrentForceLaw(s)) {
        t.forceAtMaxChip = ForceAtChip(*law, s.CutWidth, t.maxChip);
        t.forceAtMeanChip = ForceAtChip(*law, s.CutWidth, t.meanChip);
        t.meanCutterForce = conditions.teethInCut * *t.forceAtMeanChip;
        t.power = PowerOf(*t.meanCutterForce, s.CuttingSpeed);
        t.torque = TorqueOf(*t.meanCutterForce, s.CutterDiameter);
    }
    return t;
}

std::optional<double> DifferencePercent(double simulated, std::optional<double> textbook) {
    if (!textbook || *textbook == 0) {
        return std::nullopt;
    }
    return (simulated - *textbook) / *textbook * 100;
}

Measurements Measure(const SimState& s, const RunFigures& figures) {
    Measurements m;
    m.conditions = DeriveConditions(s);
    m.simulated = Simulated(s, figures);
    m.textbook = Textbook(s, m.conditions);
    const SimulatedResults& sim = m.simulated;
    const TextbookCheck& book = m.textbook;
    m.compared.largestChip = Compare(sim.largestToothChip, book.maxChip);
    m.compared.largestForce = Compare(sim.largestForce, book.forceAtMaxChip);
    m.compared.meanForce = Compare(sim.lastRevolutionMean, book.meanCutterForce);
    m.compared.power = Compare(sim.power, book.power);
    m.compared.torque = Compare(sim.torque, book.torque);
    return m;
}

} // namespace sim
