#pragma once

// Conversions between the texts of the input fields and numbers.

#include "numeric/integer_text.h"

#include <string>
#include <string_view>

namespace sim {

// The decimal separator of the window's texts ("0,5", "10,5").
inline constexpr char kDecimalSeparator = ',';

// A whole number as the input fields hold it (see numeric::ParseIntegerText).
using numeric::ParseIntegerText;

// "'<text>' is not a valid integer value": the message for a text that ParseIntegerText rejects.
std::string NotAnIntegerMessage(std::string_view text);

// A real in general format: up to 15 significant digits, no trailing zeros, no decimal
// separator for a whole number (10.0 -> "10", 10.5 -> "10,5", 0.1 -> "0,1").
std::string FormatGeneral(double value, char decimalSeparator = kDecimalSeparator);

// What EscapeControls does with a backslash already in the text: keeps it, or doubles it so
// that an escape written by EscapeControls cannot be told from one the text held.
enum class Backslash { Keep, Double };

// text as it can stand in a one-line message: line breaks, carriage returns and tabs written as
// "\n", "\r", "\t", other control characters (ESC, DEL...) as "\x1b".
std::string EscapeControls(std::string_view text, Backslash backslash);

} // namespace sim
