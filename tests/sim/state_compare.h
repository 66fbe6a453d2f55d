#pragma once

// Field-by-field, bit-for-bit comparison of two simulation states (a byte comparison of the
// whole record would also compare its padding).

#include "sim/sim_state.h"

#include <gtest/gtest.h>

#include <cstring>

namespace sim {

inline ::testing::AssertionResult StatesIdentical(const SimState& a, const SimState& b) {
#define GLODANJE_COMPARE_FIELD(field)                                                              \
    if (std::memcmp(&a.field, &b.field, sizeof a.field) != 0) {                                    \
        return ::testing::AssertionFailure() << "field " #field " differs";                        \
    }
    GLODANJE_COMPARE_FIELD(CutterDiameter)
    GLODANJE_COMPARE_FIELD(ToothCount)
    GLODANJE_COMPARE_FIELD(RakeAngle)
    GLODANJE_COMPARE_FIELD(ClearanceAngle)
    GLODANJE_COMPARE_FIELD(HelixAngle)
    GLODANJE_COMPARE_FIELD(CuttingSpeed)
    GLODANJE_COMPARE_FIELD(FeedSpeed)
    GLODANJE_COMPARE_FIELD(DepthMm)
    GLODANJE_COMPARE_FIELD(CutWidth)
    GLODANJE_COMPARE_FIELD(WorkpieceMaterial)
    GLODANJE_COMPARE_FIELD(ToolMaterial)
    GLODANJE_COMPARE_FIELD(MillingDirection)
    GLODANJE_COMPARE_FIELD(ForceAxisMax)
    GLODANJE_COMPARE_FIELD(ChipAxisMax)
    GLODANJE_COMPARE_FIELD(CentreX)
    GLODANJE_COMPARE_FIELD(CentreY)
    GLODANJE_COMPARE_FIELD(CutterRadius)
    GLODANJE_COMPARE_FIELD(PixelsPerMm)
    GLODANJE_COMPARE_FIELD(DepthPixels)
    GLODANJE_COMPARE_FIELD(DepthOffset)
    GLODANJE_COMPARE_FIELD(ContactHalfWidth)
    GLODANJE_COMPARE_FIELD(EngageAngle)
    GLODANJE_COMPARE_FIELD(ChipScaleUp)
    GLODANJE_COMPARE_FIELD(ChipScaleDown)
    GLODANJE_COMPARE_FIELD(AngleStep)
    GLODANJE_COMPARE_FIELD(ToothPitch)
    GLODANJE_COMPARE_FIELD(PhaseLimit)
    GLODANJE_COMPARE_FIELD(Phase)
    GLODANJE_COMPARE_FIELD(StepTime)
    GLODANJE_COMPARE_FIELD(FeedPerStep)
    GLODANJE_COMPARE_FIELD(FeedTravel)
    GLODANJE_COMPARE_FIELD(RevolutionTime)
    GLODANJE_COMPARE_FIELD(RevolutionClock)
    GLODANJE_COMPARE_FIELD(HelixLagTicks)
    GLODANJE_COMPARE_FIELD(SpecificForce)
    GLODANJE_COMPARE_FIELD(ChipExponent)
    GLODANJE_COMPARE_FIELD(ToolFactor)
    GLODANJE_COMPARE_FIELD(SpeedFactor)
    GLODANJE_COMPARE_FIELD(RevolutionForceSum)
    GLODANJE_COMPARE_FIELD(RevolutionSamples)
    GLODANJE_COMPARE_FIELD(EdgeOffset)
    GLODANJE_COMPARE_FIELD(EdgeAngle)
    GLODANJE_COMPARE_FIELD(CandidateAngle)
    GLODANJE_COMPARE_FIELD(ActiveTeethCount)
    GLODANJE_COMPARE_FIELD(ActiveTooth)
    GLODANJE_COMPARE_FIELD(ProfileIndex)
    GLODANJE_COMPARE_FIELD(PointRadius)
    GLODANJE_COMPARE_FIELD(PointAngle)
    GLODANJE_COMPARE_FIELD(ChipSum)
    GLODANJE_COMPARE_FIELD(WindowSum)
    GLODANJE_COMPARE_FIELD(WorkpiecePoints)
    GLODANJE_COMPARE_FIELD(ProfileX)
    GLODANJE_COMPARE_FIELD(ProfileY)
    GLODANJE_COMPARE_FIELD(ActiveTipX)
    GLODANJE_COMPARE_FIELD(ActiveTipY)
    GLODANJE_COMPARE_FIELD(ActiveAngle)
    GLODANJE_COMPARE_FIELD(ToothChip)
    GLODANJE_COMPARE_FIELD(TimeAxis)
    GLODANJE_COMPARE_FIELD(ForceTrace)
    GLODANJE_COMPARE_FIELD(ChipTrace)
    GLODANJE_COMPARE_FIELD(ChipSumTrace)
    GLODANJE_COMPARE_FIELD(MeanForceTrace)
    GLODANJE_COMPARE_FIELD(ToothAngle)
    GLODANJE_COMPARE_FIELD(GulletRadius)
    GLODANJE_COMPARE_FIELD(RakeFaceLength)
    GLODANJE_COMPARE_FIELD(FlankLength)
    GLODANJE_COMPARE_FIELD(TimerEnabled)
    GLODANJE_COMPARE_FIELD(DepthSpinMax)
#undef GLODANJE_COMPARE_FIELD
    return ::testing::AssertionSuccess();
}

} // namespace sim
