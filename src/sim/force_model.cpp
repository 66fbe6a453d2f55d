#include "sim/force_model.h"

#include "sim/arithmetic.h"

#include <algorithm>
#include <cmath>

namespace sim {

void TakeChipSample(SimState& s) {
    if (s.ActiveTeethCount == 0) {
        s.ChipSumTrace[kTraceLength] = 0;
    } else {
        for (int i = 1; i <= s.ActiveTeethCount; ++i) {
            s.ChipSum = s.ChipSum + s.ToothChip[i];
        }
        s.ChipSumTrace[kTraceLength] = s.ChipSum;
        s.ChipSum = 0;
    }
    if (s.HelixLagTicks > 0) {
        // The window never reaches past the oldest sample (the inputs keep it below 160).
        const int window = std::min(s.HelixLagTicks, kTraceLength);
        for (int j = 0; j < window; ++j) {
            s.WindowSum = s.WindowSum + s.ChipSumTrace[kTraceLength - j];
        }
        s.ChipTrace[kTraceLength] = s.WindowSum / s.HelixLagTicks;
        s.WindowSum = 0;
    } else {
        s.ChipTrace[kTraceLength] = s.ChipSumTrace[kTraceLength];
    }
}

void ComputeForce(SimState& s) {
    if (s.ForceModel == ForceModel::PerTooth) {
        s.ForceTrace[kTraceLength] = s.TangentialTrace[kTraceLength];
        return;
    }
    s.ForceTrace[kTraceLength] = Power(s.ChipTrace[kTraceLength], s.ChipExponent) *
                                 s.SpecificForce * s.CutWidth * s.ToolFactor * s.SpeedFactor;
}

void UpdateRevolutionMean(SimState& s) {
    if (s.ForceTrace[kTraceLength] > 0) {
        s.RevolutionForceSum = s.RevolutionForceSum + s.ForceTrace[kTraceLength];
    }
    s.RevolutionTangentialSum = s.RevolutionTangentialSum + s.TangentialTrace[kTraceLength];
    s.RevolutionFeedSum = s.RevolutionFeedSum + s.FeedForceTrace[kTraceLength];
    s.RevolutionNormalSum = s.RevolutionNormalSum + s.NormalForceTrace[kTraceLength];
    s.RevolutionSamples = s.RevolutionSamples + 1;
    s.RevolutionClock = s.RevolutionClock + kSubStepsPerTick * s.StepTime;
    if (s.RevolutionClock >= s.RevolutionTime) {
        s.RevolutionClock = 0;
        s.MeanForceTrace[kTraceLength] = s.RevolutionForceSum / s.RevolutionSamples;
        s.MeanTangentialTrace[kTraceLength] = s.RevolutionTangentialSum / s.RevolutionSamples;
        s.MeanFeedTrace[kTraceLength] = s.RevolutionFeedSum / s.RevolutionSamples;
        s.MeanNormalTrace[kTraceLength] = s.RevolutionNormalSum / s.RevolutionSamples;
        s.RevolutionSamples = 0;
        s.RevolutionForceSum = 0;
        s.RevolutionTangentialSum = 0;
        s.RevolutionFeedSum = 0;
        s.RevolutionNormalSum = 0;
    }
}

ForceLaw LoadedForceLaw(const SimState& s) {
    return {s.SpecificForce, s.ChipExponent, s.ToolFactor, s.SpeedFactor};
}

double ForceAtChip(const ForceLaw& law, double cutWidth, double chip) {
    return Power(chip, law.chipExponent) * law.specificForce * cutWidth * law.toolFactor *
           law.speedFactor;
}

int32_t HelixLagTicksWidthFirst(const SimState& s) {
    return Round(std::tan(s.HelixAngle) * (s.CutWidth * 66.67) / s.CutterDiameter);
}

int32_t HelixLagTicksLeftToRight(const SimState& s) {
    return Round(std::tan(s.HelixAngle) * s.CutWidth * 66.67 / s.CutterDiameter);
}

} // namespace sim
