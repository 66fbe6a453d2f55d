#include "sim/input_fields.h"

#include "sim/axis_inputs.h"
#include "sim/cutting_inputs.h"
#include "sim/tool_inputs.h"

namespace sim {
namespace {

// FieldSpec indexes the table by the enumeration.
constexpr bool RowsInEnumerationOrder() {
    for (size_t i = 0; i < kInputFields.size(); ++i) {
        if (static_cast<size_t>(kInputFields[i].field) != i) {
            return false;
        }
    }
    return true;
}
static_assert(RowsInEnumerationOrder());
static_assert(kInputFields.size() == static_cast<size_t>(InputField::ChipMax) + 1);

void Redraw(const InputHooks& hooks, const InputResult& result) {
    if (result.applied() && hooks.redraw) {
        hooks.redraw();
    }
}

} // namespace

const InputFieldSpec* FindInputField(std::string_view key) {
    for (const InputFieldSpec& fieldSpec : kInputFields) {
        if (key == fieldSpec.key) {
            return &fieldSpec;
        }
    }
    return nullptr;
}

InputResult CheckFieldText(std::string_view text, InputField field) {
    const InputFieldSpec& fieldSpec = FieldSpec(field);
    return CheckIntegerInput(text, fieldSpec.minimum, fieldSpec.maximum);
}

InputResult ApplyDiameterText(SimState& s, std::string_view text, const InputHooks& hooks) {
    const InputResult result = SetCutterDiameter(s, text).input;
    Redraw(hooks, result);
    return result;
}

InputResult ApplyTeethText(SimState& s, std::string_view text, const InputHooks& hooks) {
    const InputResult result = SetToothCount(s, text);
    Redraw(hooks, result);
    return result;
}

InputResult ApplyRakeText(SimState& s, std::string_view text, const InputHooks& hooks) {
    const InputResult result = SetRakeAngle(s, text);
    Redraw(hooks, result);
    return result;
}

InputResult ApplyClearanceText(SimState& s, std::string_view text, const InputHooks& hooks) {
    const ClearanceResult result = ApplyClearanceAngle(
        s, text,
        [&hooks](const char* message) {
            if (hooks.warn) {
                hooks.warn(message);
            }
        },
        // The corrected text passes every row, so this nested run redraws.
        [&s, &hooks](const std::string& corrected) { ApplyClearanceText(s, corrected, hooks); });
    if (result.minimumRow == 0) {
        Redraw(hooks, result.input);
    }
    return result.input;
}

InputResult ApplyHelixText(SimState& s, std::string_view text, const InputHooks&) {
    return SetHelixAngle(s, text);
}

InputResult ApplySpeedText(SimState& s, std::string_view text, const InputHooks&) {
    return SetCuttingSpeed(s, text);
}

InputResult ApplyFeedText(SimState& s, std::string_view text, const InputHooks&) {
    return SetFeedSpeed(s, text);
}

InputResult ApplyDepthText(SimState& s, std::string_view text, const InputHooks& hooks) {
    const InputResult result = SetDepth(s, text).input;
    Redraw(hooks, result);
    return result;
}

InputResult ApplyWidthText(SimState& s, std::string_view text, const InputHooks&) {
    return SetCutWidth(s, text);
}

InputResult ApplyForceMaxText(SimState& s, std::string_view text, const InputHooks&) {
    return SetForceAxisMax(s, text);
}

InputResult ApplyChipMaxText(SimState& s, std::string_view text, const InputHooks&) {
    return SetChipAxisMax(s, text).input;
}

} // namespace sim
