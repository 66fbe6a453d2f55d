#include "sim/field_text.h"

#include <charconv>
#include <limits>

namespace sim {

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// The end of the run of digits that starts at i.
size_t SkipDigits(std::string_view text, size_t i) {
    while (i < text.size() && IsDigit(text[i])) {
        ++i;
    }
    return i;
}

// Whether c separates the whole part from the decimals under the mark.
bool IsMark(char c, DecimalMark mark) {
    return c == '.' || (c == ',' && mark == DecimalMark::PointOrComma);
}

} // namespace

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
    size_t i = text.empty() || (text[0] != '-' && text[0] != '+') ? 0 : 1;
    const size_t wholeStart = i;
    i = SkipDigits(text, i);
    std::string digits(text.substr(wholeStart, i - wholeStart));
    if (digits.empty()) {
        return std::nullopt;
    }
    if (fieldSpec.scale == 10) {
        char tenth = '0';
        if (i < text.size() && IsMark(text[i], mark)) {
            if (i + 2 != text.size() || !IsDigit(text[i + 1])) {
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

std::optional<double> ParseDecimalText(std::string_view text, DecimalMark mark) {
    size_t i = !text.empty() && (text[0] == '+' || text[0] == '-') ? 1 : 0;
    const size_t wholeStart = i;
    i = SkipDigits(text, i);
    if (i == wholeStart) {
        return std::nullopt;
    }
    std::string plain(text.substr(0, i));
    if (i < text.size() && IsMark(text[i], mark)) {
        const size_t fractionStart = i + 1;
        i = SkipDigits(text, fractionStart);
        if (i == fractionStart) {
            return std::nullopt;
        }
        plain += '.';
        plain += text.substr(fractionStart, i - fractionStart);
    }
    if (i != text.size()) {
        return std::nullopt;
    }
    // from_chars takes no '+'; the sign of a negative number it reads itself.
    const size_t start = plain[0] == '+' ? 1 : 0;
    double value = 0;
    const auto [end, error] =
        std::from_chars(plain.data() + start, plain.data() + plain.size(), value);
    if (error == std::errc::result_out_of_range) {
        // Too many digits for a double: far outside any ratio, or too small to tell from 0.
        const bool large = plain.find_first_not_of("+-0", 0) < plain.find('.');
        const double magnitude = large ? std::numeric_limits<double>::infinity() : 0.0;
        return plain[0] == '-' ? -magnitude : magnitude;
    }
    if (error != std::errc() || end != plain.data() + plain.size()) {
        return std::nullopt;
    }
    return value;
}

} // namespace sim
