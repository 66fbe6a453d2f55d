#include "sim/tooth_forces.h"

#include "sim/force_model.h"

#include <algorithm>
#include <cmath>

namespace sim {
namespace {

// Mean of the newest HelixLagTicks samples of a whole-width trace (the helix slices), or the
// newest sample itself for a straight tooth; the same window as the chip sample's.
double OverHelixSlices(const SimState& s, const Trace& wholeWidth) {
    if (s.HelixLagTicks <= 0) {
        return wholeWidth[kTraceLength];
    }
    const int window = std::min(s.HelixLagTicks, kTraceLength);
    double sum = 0;
    for (int j = 0; j < window; ++j) {
        sum = sum + wholeWidth[kTraceLength - j];
    }
    return sum / s.HelixLagTicks;
}

} // namespace

ForceDirection ToothForceDirection(MillingDirection direction, double toothAngle,
                                   double radialRatio) {
    const double c = std::cos(toothAngle);
    const double n = std::sin(toothAngle);
    if (direction == MillingDirection::Down) {
        return {c - radialRatio * n, radialRatio * c + n};
    }
    return {-(c + radialRatio * n), radialRatio * c - n};
}

double ToothTangentialForce(const SimState& s, double chip, double width) {
    if (!(chip > 0)) {
        return 0;
    }
    return ForceAtChip(LoadedForceLaw(s), width, chip);
}

void TakeToothForceSample(SimState& s) {
    double tangential = 0;
    double feed = 0;
    double normal = 0;
    for (int i = 1; i <= kToothSlots; ++i) {
        if (i > s.ActiveTeethCount) {
            s.ToothTangentialForce[i] = 0;
            continue;
        }
        const double force = ToothTangentialForce(s, s.ToothChip[i], s.CutWidth);
        const ForceDirection d =
            ToothForceDirection(s.MillingDirection, s.ActiveAngle[i], s.RadialForceRatio);
        s.ToothTangentialForce[i] = force;
        tangential = tangential + force;
        feed = feed + force * d.feed;
        normal = normal + force * d.normal;
    }
    s.TangentialSumTrace[kTraceLength] = tangential;
    s.FeedSumTrace[kTraceLength] = feed;
    s.NormalSumTrace[kTraceLength] = normal;
    s.TeethInCutTrace[kTraceLength] = s.ActiveTeethCount;
    s.TangentialTrace[kTraceLength] = OverHelixSlices(s, s.TangentialSumTrace);
    s.FeedForceTrace[kTraceLength] = OverHelixSlices(s, s.FeedSumTrace);
    s.NormalForceTrace[kTraceLength] = OverHelixSlices(s, s.NormalSumTrace);
    s.EngagedWidthTrace[kTraceLength] = s.CutWidth * OverHelixSlices(s, s.TeethInCutTrace);
}

void SetForceModel(SimState& s, ForceModel model) {
    s.ForceModel = model;
}

bool SetRadialForceRatio(SimState& s, double ratio) {
    if (!RadialForceRatioInRange(ratio)) {
        return false;
    }
    s.RadialForceRatio = ratio;
    return true;
}

double CuttingTorque(double tangentialForce, double diameterMm) {
    return tangentialForce * diameterMm / 2 / 1000;
}

double CuttingPower(double tangentialForce, double cuttingSpeed) {
    return tangentialForce * cuttingSpeed / 60;
}

} // namespace sim
