#pragma once

// The texts of the input fields as both programs write and read them outside the window: the
// depth in millimetres, and a number of a field's units for messages.

#include "sim/input_fields.h"

#include <cstdint>
#include <optional>
#include <string>

namespace lab {

// The depth in millimetres with at most one decimal, either separator ("10", "10.5", "10,5"), as
// the text of tenths ("100", "105"); nullopt when the text is not such a number.
std::optional<std::string> DepthTextToTenths(const std::string& text);

// A number of the field's units for messages: tenths as millimetres with a point ("0.5").
std::string FieldNumberText(const sim::InputFieldSpec& fieldSpec, int32_t value);

} // namespace lab
