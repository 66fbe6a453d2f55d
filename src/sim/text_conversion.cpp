#include "sim/text_conversion.h"

#include <cstdio>

namespace sim {

std::optional<int32_t> ParseIntegerText(std::string_view text) {
    size_t i = 0;
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
    // Accumulate toward the negative side, whose range is one larger, so INT32_MIN reads too.
    int64_t value = 0;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (c < '0' || c > '9') {
            return std::nullopt;
        }
        value = value * 10 - (c - '0');
        if (value < INT32_MIN) {
            return std::nullopt;
        }
    }
    if (!negative) {
        value = -value;
        if (value > INT32_MAX) {
            return std::nullopt;
        }
    }
    return static_cast<int32_t>(value);
}

std::string NotAnIntegerMessage(std::string_view text) {
    std::string message = "'";
    message += text;
    message += "' is not a valid integer value";
    return message;
}

std::string FormatGeneral(double value, char decimalSeparator) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.15G", value);
    std::string text = buffer;
    for (char& c : text) {
        if (c == '.') {
            c = decimalSeparator;
        }
    }
    return text;
}

} // namespace sim
