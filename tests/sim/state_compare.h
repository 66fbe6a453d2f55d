#pragma once

// Field-by-field, bit-for-bit comparison of two simulation states (a byte comparison of the
// whole record would also compare its padding). The field list below is checked against the
// record at compile time: a field added to SimState without being listed here, or a list out
// of the record's order, stops the build.

#include "sim/sim_state.h"

#include <gtest/gtest.h>

#include <array>
#include <cstddef>
#include <cstring>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

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
    X(DepthSpinMax)

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
static_assert(sizeof(SimState) >= kListedOffsets.back() + sizeof(SimState::DepthSpinMax));

} // namespace state_compare_detail

// The names of the fields whose bits differ between a and b, in the record's order.
inline std::vector<std::string_view> DifferingFields(const SimState& a, const SimState& b) {
    std::vector<std::string_view> names;
#define GLODANJE_COMPARE_FIELD(field)                                                              \
    if (std::memcmp(&a.field, &b.field, sizeof a.field) != 0) {                                    \
        names.emplace_back(#field);                                                                \
    }
    GLODANJE_SIM_STATE_FIELDS(GLODANJE_COMPARE_FIELD)
#undef GLODANJE_COMPARE_FIELD
    return names;
}

inline ::testing::AssertionResult StatesIdentical(const SimState& a, const SimState& b) {
    const std::vector<std::string_view> names = DifferingFields(a, b);
    if (names.empty()) {
        return ::testing::AssertionSuccess();
    }
    ::testing::AssertionResult failure = ::testing::AssertionFailure();
    failure << (names.size() == 1 ? "field " : "fields ");
    for (std::size_t i = 0; i < names.size(); ++i) {
        failure << (i == 0 ? "" : ", ") << names[i];
    }
    return failure << (names.size() == 1 ? " differs" : " differ");
}

} // namespace sim
