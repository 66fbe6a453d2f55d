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

// Every routine ends here, so the table's column alone says which fields redraw.
InputResult Finish(InputField field, const InputHooks& hooks, const InputResult& result) {
    if (RedrawsCutterView(field) && result.applied() && hooks.redraw) {
        hooks.redraw();
    }
    return result;
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
    return Finish(InputField::Diameter, hooks, SetCutterDiameter(s, text).input);
}

InputResult ApplyTeethText(SimState& s, std::string_view text, const InputHooks& hooks) {
    return Finish(InputField::Teeth, hooks, SetToothCount(s, text));
}

InputResult ApplyRakeText(SimState& s, std::string_view text, const InputHooks& hooks) {
    return Finish(InputField::Rake, hooks, SetRakeAngle(s, text));
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
    // A corrected angle was applied, and redrawn, by the nested run.
    return result.minimumRow == 0 ? Finish(InputField::Clearance, hooks, result.input)
                                  : result.input;
}

InputResult ApplyHelixText(SimState& s, std::string_view text, const InputHooks& hooks) {
    return Finish(InputField::Helix, hooks, SetHelixAngle(s, text));
}

InputResult ApplySpeedText(SimState& s, std::string_view text, const InputHooks& hooks) {
    return Finish(InputField::Speed, hooks, SetCuttingSpeed(s, text));
}

InputResult ApplyFeedText(SimState& s, std::string_view text, const InputHooks& hooks) {
    return Finish(InputField::Feed, hooks, SetFeedSpeed(s, text));
}

InputResult ApplyDepthText(SimState& s, std::string_view text, const InputHooks& hooks) {
    return Finish(InputField::Depth, hooks, SetDepth(s, text).input);
}

InputResult ApplyWidthText(SimState& s, std::string_view text, const InputHooks& hooks) {
    return Finish(InputField::Width, hooks, SetCutWidth(s, text));
}

InputResult ApplyForceMaxText(SimState& s, std::string_view text, const InputHooks& hooks) {
    return Finish(InputField::ForceMax, hooks, SetForceAxisMax(s, text));
}

InputResult ApplyChipMaxText(SimState& s, std::string_view text, const InputHooks& hooks) {
    return Finish(InputField::ChipMax, hooks, SetChipAxisMax(s, text).input);
}

} // namespace sim
