#include "sim/axis_inputs.h"

#include "sim/input_fields.h"
#include "sim/text_conversion.h"

namespace sim {

InputResult SetForceAxisMax(SimState& s, std::string_view text) {
    InputResult result = CheckFieldText(text, InputField::ForceMax);
    if (result.applied()) {
        s.ForceAxisMax = result.value;
    }
    return result;
}

ChipAxisResult SetChipAxisMax(SimState& s, std::string_view text) {
    ChipAxisResult result;
    result.input = CheckFieldText(text, InputField::ChipMax);
    if (result.input.applied()) {
        s.ChipAxisMax = FieldToValue(InputField::ChipMax, result.input.value);
        result.chipAxisText = FormatGeneral(s.ChipAxisMax);
    }
    return result;
}

} // namespace sim
