// The inputs of a run as the tests of src/lab write them: each field's text as the field holds
// it (the depth in tenths), the materials by their list texts.
#pragma once

#include "lab/run_inputs.h"
#include "sim/input_fields.h"
#include "sim/materials.h"

#include <initializer_list>
#include <optional>
#include <utility>

namespace lab_test {

using FieldText = std::pair<sim::InputField, const char*>;

inline lab::RunInputs Inputs(std::initializer_list<FieldText> fields, const char* workpiece,
                             const char* tool,
                             std::optional<sim::MillingDirection> direction = std::nullopt) {
    lab::RunInputs inputs;
    for (const auto& [field, text] : fields) {
        inputs.fields[field] = text;
        inputs.typed[field] = text;
    }
    if (workpiece != nullptr) {
        inputs.workpieceMaterial = sim::FindWorkpieceMaterial(workpiece);
    }
    if (tool != nullptr) {
        inputs.toolMaterial = sim::FindToolMaterial(tool);
    }
    inputs.direction = direction;
    return inputs;
}

} // namespace lab_test
