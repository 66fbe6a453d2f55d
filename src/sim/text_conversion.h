#pragma once

// Conversions between the texts of the input fields and numbers.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace sim {

// The decimal separator of the window's texts ("0,5", "10,5").
inline constexpr char kDecimalSeparator = ',';

// A whole number as the input fields hold it: optional leading blanks, an optional sign,
// then decimal digits only, within the range of int32_t. Anything else gives no value.
std::optional<int32_t> ParseIntegerText(std::string_view text);

// "'<text>' is not a valid integer value": the message for a text that ParseIntegerText rejects.
std::string NotAnIntegerMessage(std::string_view text);

// A real in general format: up to 15 significant digits, no trailing zeros, no decimal
// separator for a whole number (10.0 -> "10", 10.5 -> "10,5", 0.1 -> "0,1").
std::string FormatGeneral(double value, char decimalSeparator = kDecimalSeparator);

} // namespace sim
