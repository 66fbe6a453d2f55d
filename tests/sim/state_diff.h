#pragma once

// The names of the simulation-state fields in which two states differ (bit for bit), for
// tests that check that a handler touched exactly the fields it owns.

#include "sim/sim_state.h"

#include <cstring>
#include <set>
#include <string>

namespace sim {

inline std::set<std::string> FieldsThatDiffer(const SimState& a, const SimState& b) {
    std::set<std::string> names;
#define GLODANJE_DIFF_FIELD(field)                                                                 \
    if (std::memcmp(&a.field, &b.field, sizeof a.field) != 0) {                                    \
        names.insert(#field);                                                                      \
    }
    GLODANJE_DIFF_FIELD(CutterDiameter)
    GLODANJE_DIFF_FIELD(ToothCount)
    GLODANJE_DIFF_FIELD(RakeAngle)
    GLODANJE_DIFF_FIELD(ClearanceAngle)
    GLODANJE_DIFF_FIELD(HelixAngle)
    GLODANJE_DIFF_FIELD(CuttingSpeed)
    GLODANJE_DIFF_FIELD(FeedSpeed)
    GLODANJE_DIFF_FIELD(DepthMm)
    GLODANJE_DIFF_FIELD(CutWidth)
    GLODANJE_DIFF_FIELD(WorkpieceMaterial)
    GLODANJE_DIFF_FIELD(ToolMaterial)
    GLODANJE_DIFF_FIELD(MillingDirection)
    GLODANJE_DIFF_FIELD(ForceAxisMax)
    GLODANJE_DIFF_FIELD(ChipAxisMax)
    GLODANJE_DIFF_FIELD(CentreX)
    GLODANJE_DIFF_FIELD(CentreY)
    GLODANJE_DIFF_FIELD(CutterRadius)
    GLODANJE_DIFF_FIELD(PixelsPerMm)
    GLODANJE_DIFF_FIELD(DepthPixels)
    GLODANJE_DIFF_FIELD(DepthOffset)
    GLODANJE_DIFF_FIELD(ContactHalfWidth)
    GLODANJE_DIFF_FIELD(EngageAngle)
    GLODANJE_DIFF_FIELD(ChipScaleUp)
    GLODANJE_DIFF_FIELD(ChipScaleDown)
    GLODANJE_DIFF_FIELD(AngleStep)
    GLODANJE_DIFF_FIELD(ToothPitch)
    GLODANJE_DIFF_FIELD(PhaseLimit)
    GLODANJE_DIFF_FIELD(Phase)
    GLODANJE_DIFF_FIELD(StepTime)
    GLODANJE_DIFF_FIELD(FeedPerStep)
    GLODANJE_DIFF_FIELD(FeedTravel)
    GLODANJE_DIFF_FIELD(RevolutionTime)
    GLODANJE_DIFF_FIELD(RevolutionClock)
    GLODANJE_DIFF_FIELD(HelixLagTicks)
    GLODANJE_DIFF_FIELD(SpecificForce)
    GLODANJE_DIFF_FIELD(ChipExponent)
    GLODANJE_DIFF_FIELD(ToolFactor)
    GLODANJE_DIFF_FIELD(SpeedFactor)
    GLODANJE_DIFF_FIELD(RevolutionForceSum)
    GLODANJE_DIFF_FIELD(RevolutionSamples)
    GLODANJE_DIFF_FIELD(EdgeOffset)
    GLODANJE_DIFF_FIELD(EdgeAngle)
    GLODANJE_DIFF_FIELD(CandidateAngle)
    GLODANJE_DIFF_FIELD(ActiveTeethCount)
    GLODANJE_DIFF_FIELD(ActiveTooth)
    GLODANJE_DIFF_FIELD(ProfileIndex)
    GLODANJE_DIFF_FIELD(PointRadius)
    GLODANJE_DIFF_FIELD(PointAngle)
    GLODANJE_DIFF_FIELD(ChipSum)
    GLODANJE_DIFF_FIELD(WindowSum)
    GLODANJE_DIFF_FIELD(WorkpiecePoints)
    GLODANJE_DIFF_FIELD(ProfileX)
    GLODANJE_DIFF_FIELD(ProfileY)
    GLODANJE_DIFF_FIELD(ActiveTipX)
    GLODANJE_DIFF_FIELD(ActiveTipY)
    GLODANJE_DIFF_FIELD(ActiveAngle)
    GLODANJE_DIFF_FIELD(ToothChip)
    GLODANJE_DIFF_FIELD(TimeAxis)
    GLODANJE_DIFF_FIELD(ForceTrace)
    GLODANJE_DIFF_FIELD(ChipTrace)
    GLODANJE_DIFF_FIELD(ChipSumTrace)
    GLODANJE_DIFF_FIELD(MeanForceTrace)
    GLODANJE_DIFF_FIELD(ToothAngle)
    GLODANJE_DIFF_FIELD(GulletRadius)
    GLODANJE_DIFF_FIELD(RakeFaceLength)
    GLODANJE_DIFF_FIELD(FlankLength)
    GLODANJE_DIFF_FIELD(TimerEnabled)
    GLODANJE_DIFF_FIELD(DepthSpinMax)
#undef GLODANJE_DIFF_FIELD
    return names;
}

} // namespace sim
