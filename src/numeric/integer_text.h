#pragma once

// The one reading of a whole number from a text, shared by the simulation's input routines, the
// batch runner's options and the window's spin edits.

#include <cstdint>
#include <limits>
#include <optional>
#include <string_view>

namespace numeric {

// A whole number as the input fields hold it: optional leading blanks, an optional sign, then
// decimal digits only, within the range of int32_t. Anything else (trailing blanks, a decimal
// separator, an exponent, any non-ASCII character) gives no value.
inline std::optional<int32_t> ParseIntegerText(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && text[i] == ' ') {
        ++i;
    }
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    if (i == text.size()) {
        return std::nullopt;
    }
    // One more than int32_t's maximum, so that the most negative value reads too.
    constexpr int64_t limit = int64_t{std::numeric_limits<int32_t>::max()} + 1;
    int64_t magnitude = 0;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (c < '0' || c > '9') {
            return std::nullopt;
        }
        magnitude = magnitude * 10 + (c - '0');
        if (magnitude > limit) {
            return std::nullopt;
        }
    }
    const int64_t value = negative ? -magnitude : magnitude;
    if (value > std::numeric_limits<int32_t>::max()) {
        return std::nullopt;
    }
    return static_cast<int32_t>(value);
}

} // namespace numeric
