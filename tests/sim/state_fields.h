#pragma once

// Every field of the simulation state, once, for the tests that go through all of them (the
// comparison, the field differences, the fuzz target's finiteness check). The list is checked
// against the record at compile time: a field added to SimState without being listed here, or a
// list out of the record's order, stops the build.

#include "sim/sim_state.h"

#include <array>
#include <cstddef>
#include <utility>

namespace sim {

// Every field of SimState, in the order of its declaration.
#define GLODANJE_SIM_STATE_FIELDS(X)                                                               \
    X(CutterDiameter)                                                                              \
    X(ToothCount)                                                                                  \
    X(RakeAngle)                                                                                   \
    X(ClearanceAngle)                                                                              \
    X(HelixAngle)                                                                                  \
    X(CuttingSpeed)                                                                                \
    X(FeedSpeed)                                                                                   \
    X(DepthMm)                                                                                     \
    X(CutWidth)                                                                                    \
    X(WorkpieceMaterial)                                                                           \
    X(ToolMaterial)                                                                                \
    X(MillingDirection)                                                                            \
    X(ForceAxisMax)                                                                                \
    X(ChipAxisMax)                                                                                 \
    X(CentreX)                                                                                     \
    X(CentreY)                                                                                     \
    X(CutterRadius)                                                                                \
    X(PixelsPerMm)                                                                                 \
    X(DepthPixels)                                                                                 \
    X(DepthOffset)                                                                                 \
    X(ContactHalfWidth)                                                                            \
    X(EngageAngle)                                                                                 \
    X(ChipScaleUp)                                                                                 \
    X(ChipScaleDown)                                                                               \
    X(AngleStep)                                                                                   \
    X(ToothPitch)                                                                                  \
    X(PhaseLimit)                                                                                  \
    X(Phase)                                                                                       \
    X(StepTime)                                                                                    \
    X(FeedPerStep)                                                                                 \
    X(FeedTravel)                                                                                  \
    X(RevolutionTime)                                                                              \
    X(RevolutionClock)                                                                             \
    X(HelixLagTicks)                                                                               \
    X(SpecificForce)                                                                               \
    X(ChipExponent)                                                                                \
    X(ToolFactor)                                                                                  \
    X(SpeedFactor)                                                                                 \
    X(RevolutionForceSum)                                                                          \
    X(RevolutionSamples)                                                                           \
    X(EdgeOffset)                                                                                  \
    X(EdgeAngle)                                                                                   \
    X(CandidateAngle)                                                                              \
    X(ActiveTeethCount)                                                                            \
    X(ActiveTooth)                                                                                 \
    X(ProfileIndex)                                                                                \
    X(PointRadius)                                                                                 \
    X(PointAngle)                                                                                  \
    X(ChipSum)                                                                                     \
    X(WindowSum)                                                                                   \
    X(WorkpiecePoints)                                                                             \
    X(ProfileX)                                                                                    \
    X(ProfileY)                                                                                    \
    X(ActiveTipX)                                                                                  \
    X(ActiveTipY)                                                                                  \
    X(ActiveAngle)                                                                                 \
    X(ToothChip)                                                                                   \
    X(TimeAxis)                                                                                    \
    X(ForceTrace)                                                                                  \
    X(ChipTrace)                                                                                   \
    X(ChipSumTrace)                                                                                \
    X(MeanForceTrace)                                                                              \
    X(ToothAngle)                                                                                  \
    X(GulletRadius)                                                                                \
    X(RakeFaceLength)                                                                              \
    X(FlankLength)                                                                                 \
    X(TimerEnabled)                                                                                \
    X(DepthSpinMax)                                                                                \
    X(ForceModel)                                                                                  \
    X(RadialForceRatio)                                                                            \
    X(ToothTangentialForce)                                                                        \
    X(RevolutionTangentialSum)                                                                     \
    X(RevolutionFeedSum)                                                                           \
    X(RevolutionNormalSum)                                                                         \
    X(TangentialSumTrace)                                                                          \
    X(FeedSumTrace)                                                                                \
    X(NormalSumTrace)                                                                              \
    X(TeethInCutTrace)                                                                             \
    X(TangentialTrace)                                                                             \
    X(FeedForceTrace)                                                                              \
    X(NormalForceTrace)                                                                            \
    X(EngagedWidthTrace)                                                                           \
    X(MeanTangentialTrace)                                                                         \
    X(MeanFeedTrace)                                                                               \
    X(MeanNormalTrace)

namespace state_compare_detail {

// Converts to any member type; only used unevaluated, to count the members of an aggregate.
template <std::size_t> struct AnyField { template <class T> operator T() const; };

template <class T, std::size_t... I> constexpr bool InitialisableWith(std::index_sequence<I...>) {
    return requires {
        T{AnyField<I>{}...};
    };
}

// Number of members of the aggregate T: the most initialisers a braced initialisation takes.
template <class T, std::size_t N = 0> constexpr std::size_t MemberCount() {
    if constexpr (InitialisableWith<T>(std::make_index_sequence<N + 1>{})) {
        return MemberCount<T, N + 1>();
    } else {
        return N;
    }
}

#define GLODANJE_FIELD_OFFSET(field) offsetof(SimState, field),
inline constexpr std::array kListedOffsets{GLODANJE_SIM_STATE_FIELDS(GLODANJE_FIELD_OFFSET)};
#undef GLODANJE_FIELD_OFFSET

constexpr bool StrictlyIncreasing(const auto& values) {
    for (std::size_t i = 1; i < values.size(); ++i) {
        if (values[i] <= values[i - 1]) {
            return false;
        }
    }
    return true;
}

static_assert(kListedOffsets.size() == MemberCount<SimState>(),
              "SimState has a field that GLODANJE_SIM_STATE_FIELDS does not list");
static_assert(StrictlyIncreasing(kListedOffsets),
              "GLODANJE_SIM_STATE_FIELDS lists the fields out of the record's order");
static_assert(sizeof(SimState) >= kListedOffsets.back() + sizeof(SimState::MeanNormalTrace));

} // namespace state_compare_detail

} // namespace sim
