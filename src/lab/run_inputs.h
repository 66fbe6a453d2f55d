#pragma once

// The inputs of one whole run as text, the way a user would type them into the window's fields,
// with the materials, the direction, the force model and a tick limit.

#include "sim/input_fields.h"
#include "sim/run.h"

#include <array>
#include <cstddef>
#include <optional>
#include <string>

namespace lab {

// Whether the field is an input of a run: the cutter and the cutting conditions, not the chart's
// axes.
constexpr bool IsRunInput(const sim::InputFieldSpec& fieldSpec) {
    return fieldSpec.group != sim::InputGroup::ChartAxes;
}

// The text written into each field, by the inputs table's order (a field holding tenths gets
// its text in tenths, as the field holds it); nullopt leaves the field as it starts.
struct FieldTexts {
    std::array<std::optional<std::string>, sim::kInputFields.size()> texts;

    std::optional<std::string>& operator[](sim::InputField field) {
        return texts[static_cast<size_t>(field)];
    }
    const std::optional<std::string>& operator[](sim::InputField field) const {
        return texts[static_cast<size_t>(field)];
    }
};

struct RunInputs {
    FieldTexts fields;
    FieldTexts typed;                     // each field's text as the user gave it, for messages
    std::optional<int> workpieceMaterial; // 1..10, the workpiece list's row
    std::optional<int> toolMaterial;      // 1..5, the tool list's row
    std::optional<sim::MillingDirection> direction;
    std::optional<sim::ForceModel> forceModel; // the force the traces show; none: the chip sum
    std::optional<double> radialRatio;         // K_r, 0.2..0.6; none: the start's 0.4
    std::optional<int> ticks; // at most this many ticks (>= 0); otherwise until the feed limit
};

} // namespace lab
