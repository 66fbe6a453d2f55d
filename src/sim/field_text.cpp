#include "sim/field_text.h"

#include <charconv>
#include <limits>

namespace sim {

std::string FieldValueText(const InputFieldSpec& fieldSpec, int32_t value) {
    if (fieldSpec.scale == 1) {
        return std::to_string(value);
    }
    const int64_t magnitude = value < 0 ? -static_cast<int64_t>(value) : value;
    std::string text = value < 0 ? "-" : "";
    text += std::to_string(magnitude / fieldSpec.scale);
    if (magnitude % fieldSpec.scale != 0) {
        text += '.';
        text += std::to_string(magnitude % fieldSpec.scale);
    }
    return text;
}

std::optional<int64_t> ParseFieldValue(const InputFieldSpec& fieldSpec, std::string_view text,
                                       DecimalMark mark) {
    const auto isMark = [mark](char c) {
        return c == '.' || (c == ',' && mark == DecimalMark::PointOrComma);
    };
    size_t i = text.empty() || (text[0] != '-' && text[0] != '+') ? 0 : 1;
    const size_t wholeStart = i;
    while (i < text.size() && text[i] >= '0' && text[i] <= '9') {
        ++i;
    }
    std::string digits(text.substr(wholeStart, i - wholeStart));
    if (digits.empty()) {
        return std::nullopt;
    }
    if (fieldSpec.scale == 10) {
        char tenth = '0';
        if (i < text.size() && isMark(text[i])) {
            if (i + 2 != text.size() || text[i + 1] < '0' || text[i + 1] > '9') {
                return std::nullopt;
            }
            tenth = text[i + 1];
            i = text.size();
        }
        digits += tenth;
    }
    if (i != text.size()) {
        return std::nullopt;
    }
    int64_t magnitude = 0;
    // More digits than an int64_t holds is far outside every field's limits anyway.
    if (digits.size() > 18 ||
        std::from_chars(digits.data(), digits.data() + digits.size(), magnitude).ec !=
            std::errc()) {
        magnitude = std::numeric_limits<int64_t>::max();
    }
    return text[0] == '-' ? -magnitude : magnitude;
}

} // namespace sim
