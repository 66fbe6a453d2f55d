#include "sim/axis_inputs.h"

#include "sim/text_conversion.h"

namespace sim {

InputResult SetForceAxisMax(SimState& s, std::string_view text) {
    InputResult result = CheckIntegerInput(text, kForceAxisMin, kForceAxisMax);
    if (result.applied()) {
        s.ForceAxisMax = result.value;
    }
    return result;
}

ChipAxisResult SetChipAxisMax(SimState& s, std::string_view text) {
    ChipAxisResult result;
    result.input = CheckIntegerInput(text, kChipAxisMin, kChipAxisMax);
    if (result.input.applied()) {
        s.ChipAxisMax = result.input.value / 10.0;
        result.chipAxisText = FormatGeneral(s.ChipAxisMax);
    }
    return result;
}

} // namespace sim
