#include "sim/force_model_name.h"

#include "sim/tooth_forces.h"

#include <array>
#include <cctype>
#include <charconv>
#include <limits>

namespace sim {
namespace {

bool IsDigit(char c) {
    return std::isdigit(static_cast<unsigned char>(c)) != 0;
}

// The end of the run of digits that starts at i.
size_t SkipDigits(std::string_view text, size_t i) {
    while (i < text.size() && IsDigit(text[i])) {
        ++i;
    }
    return i;
}

} // namespace

std::optional<double> ParseDecimalText(std::string_view text, DecimalMark mark) {
    size_t i = !text.empty() && (text[0] == '+' || text[0] == '-') ? 1 : 0;
    const size_t wholeStart = i;
    i = SkipDigits(text, i);
    if (i == wholeStart) {
        return std::nullopt;
    }
    std::string plain(text.substr(0, i));
    if (i < text.size() &&
        (text[i] == '.' || (mark == DecimalMark::PointOrComma && text[i] == ','))) {
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

std::string RadialForceRatioText(double ratio) {
    std::array<char, 32> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), ratio);
    return std::string(buffer.data(), result.ptr);
}

std::string RadialForceRatioRange() {
    return RadialForceRatioText(kRadialForceRatioMin) + ".." +
           RadialForceRatioText(kRadialForceRatioMax);
}

} // namespace sim
