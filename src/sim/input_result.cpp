#include "sim/input_result.h"

#include "sim/text_conversion.h"

namespace sim {

InputResult CheckIntegerInput(std::string_view text, int32_t minimum, int32_t maximum) {
    InputResult result;
    result.minimum = minimum;
    result.maximum = maximum;
    const std::optional<int32_t> value = ParseIntegerText(text);
    if (!value) {
        result.status = InputStatus::NotAnInteger;
        result.message = NotAnIntegerMessage(text);
        return result;
    }
    result.value = *value;
    if (*value < minimum || *value > maximum) {
        result.status = InputStatus::OutOfRange;
    }
    return result;
}

} // namespace sim
