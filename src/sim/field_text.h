#pragma once

// A field's value as text in the unit the user reads, the way scenario files, the batch
// runner's options and its messages write and read it: tenths as millimetres with one decimal
// ("10.5", "0.5"), every other field as a whole number. The window's own fields keep their
// texts in text_conversion.h.

#include "sim/input_fields.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace sim {

// The value of the field as text: tenths with a point ("10.5", "10", "-0.5"), others whole.
std::string FieldValueText(const InputFieldSpec& fieldSpec, int32_t value);

// What may separate the whole part of a number from its decimals.
enum class DecimalMark {
    Point,        // "10.5" only (scenario files, whose commas separate list items)
    PointOrComma, // "10.5" or "10,5" (the batch runner's options)
};

// Reads text as a value of the field, in the units the field holds (tenths for a field of
// tenths): an optional sign, digits, and for a field of tenths at most one decimal after the
// mark. nullopt when the text is not such a number. A number of more than 18 digits reads as
// the largest (or smallest) int64_t, so that it is refused as outside the limits.
std::optional<int64_t> ParseFieldValue(const InputFieldSpec& fieldSpec, std::string_view text,
                                       DecimalMark mark);

// The number a plain decimal text gives, for a value that is not a field (K_r): an optional
// sign, digits, and optionally the mark with at least one digit after it ("0.4", "+0.45", "1");
// the nearest double, so "0.45" gives the same value wherever it is read. None for anything else
// (blanks, exponents, "nan", "inf", ".4"). The range is not checked here.
std::optional<double> ParseDecimalText(std::string_view text, DecimalMark mark);

} // namespace sim
