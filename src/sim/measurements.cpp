#include "sim/measurements.h"

#include "sim/arithmetic.h"
#include "sim/materials.h"
#include "sim/tooth_forces.h"

#include <algorithm>
#include <cassert>
#include <cmath>
#include <numbers>
#include <optional>
#include <utility>

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
        return LoadedForceLaw(s);
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
    // The revolution's sums start again in the tick that takes their mean.
    if (s.RevolutionSamples == 0) {
        ++figures.revolutions;
    }
    const double normal = s.NormalForceTrace[newest];
    if (std::abs(normal) > std::abs(figures.peakNormalForce)) {
        figures.peakNormalForce = normal;
    }
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

std::optional<IdealCut> IdealCutOf(const SimState& s, const CuttingConditions& conditions) {
    const std::optional<ForceLaw> law = CurrentForceLaw(s);
    if (!law) {
        return std::nullopt;
    }
    IdealCut cut;
    cut.direction = s.MillingDirection;
    cut.entryAngle = 0;
    cut.exitAngle = conditions.engagementAngle / kDegreesPerRadian;
    cut.teeth = s.ToothCount;
    cut.feedPerTooth = conditions.feedPerTooth;
    cut.radialRatio = s.RadialForceRatio;
    cut.chipExponent = law->chipExponent;
    cut.forceCoefficient = law->specificForce * s.CutWidth * law->toolFactor * law->speedFactor;
    cut.helixLag = s.CutWidth * std::tan(s.HelixAngle) / (s.CutterDiameter / 2.0);
    return cut;
}

namespace {

// The mean forces of a revolution and what follows from them, as the per-tooth figures give them.
struct ToothForceFigures {
    double tangential = 0;
    double feed = 0;
    double normal = 0;
    double peakNormal = 0;
};

ToothForceComparison CompareTooth(std::optional<double> simulated, std::optional<double> textbook) {
    ToothForceComparison c{simulated, textbook, std::nullopt};
    if (simulated) {
        c.difference = DifferencePercent(*simulated, textbook);
    }
    return c;
}

// The difference of two angles in degrees, -180..180.
std::optional<double> AngleDifference(std::optional<double> simulated,
                                      std::optional<double> textbook) {
    if (!simulated || !textbook) {
        return std::nullopt;
    }
    return std::remainder(*simulated - *textbook, 360.0);
}

void CompareToothFigures(ToothForceResults& r, const SimState& s,
                         const std::optional<ToothForceFigures>& simulated,
                         const std::optional<ToothForceFigures>& textbook) {
    const auto pick = [](const std::optional<ToothForceFigures>& f, auto value) {
        return f ? std::optional<double>(value(*f)) : std::nullopt;
    };
    const auto compare = [&](auto value) {
        return CompareTooth(pick(simulated, value), pick(textbook, value));
    };
    r.meanTangential = compare([](const ToothForceFigures& f) { return f.tangential; });
    r.meanFeed = compare([](const ToothForceFigures& f) { return f.feed; });
    r.meanNormal = compare([](const ToothForceFigures& f) { return f.normal; });
    r.resultant = compare([](const ToothForceFigures& f) { return std::hypot(f.feed, f.normal); });
    r.resultantAngle = compare([](const ToothForceFigures& f) {
        return std::atan2(f.normal, f.feed) * kDegreesPerRadian;
    });
    r.resultantAngle.difference =
        AngleDifference(r.resultantAngle.simulated, r.resultantAngle.textbook);
    r.peakNormal = compare([](const ToothForceFigures& f) { return f.peakNormal; });
    const double diameter = s.CutterDiameter;
    const double speed = s.CuttingSpeed;
    r.torque = compare(
        [diameter](const ToothForceFigures& f) { return CuttingTorque(f.tangential, diameter); });
    r.power = compare(
        [speed](const ToothForceFigures& f) { return CuttingPower(f.tangential, speed) / 1000; });
}

// The textbook figures of a cut. The last cut asked about on this thread is kept with them: the
// measurements window asks ten times a second about a cut that changes only with the inputs, and
// one integral costs up to 1.4 ms (20 teeth).
ToothForceFigures IdealFigures(const IdealCut& cut) {
    thread_local std::optional<std::pair<IdealCut, ToothForceFigures>> last;
    if (!last || !(last->first == cut)) {
        const IdealForces means = IdealRevolutionMeans(cut);
        last.emplace(cut, ToothForceFigures{means.tangential, means.feed, means.normal,
                                            IdealPeakNormalForce(cut)});
    }
    return last->second;
}

} // namespace

ToothForceResults CompareToothForces(const SimState& s, const RunFigures& figures,
                                     const CuttingConditions& conditions) {
    std::optional<ToothForceFigures> simulated;
    if (figures.revolutions > 0) {
        const int newest = kTraceLength;
        simulated = ToothForceFigures{s.MeanTangentialTrace[newest], s.MeanFeedTrace[newest],
                                      s.MeanNormalTrace[newest], figures.peakNormalForce};
    }
    std::optional<ToothForceFigures> textbook;
    if (const std::optional<IdealCut> cut = IdealCutOf(s, conditions)) {
        textbook = IdealFigures(*cut);
    }
    ToothForceResults r;
    r.radialRatio = s.RadialForceRatio;
    CompareToothFigures(r, s, simulated, textbook);
    return r;
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
    m.toothForces = CompareToothForces(s, figures, m.conditions);
    return m;
}

} // namespace sim
