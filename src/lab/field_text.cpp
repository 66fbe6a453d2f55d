#include "lab/field_text.h"

#include "sim/text_conversion.h"

#include <cctype>

namespace lab {

std::string FieldNumberText(const sim::InputFieldSpec& fieldSpec, int32_t value) {
    return fieldSpec.scale == 1
               ? std::to_string(value)
               : sim::FormatGeneral(value / static_cast<double>(fieldSpec.scale), '.');
}

std::optional<std::string> DepthTextToTenths(const std::string& text) {
    size_t i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    std::string whole;
    while (i < text.size() && std::isdigit(static_cast<unsigned char>(text[i]))) {
        whole += text[i++];
    }
    std::string tenth = "0";
    if (i < text.size() && (text[i] == '.' || text[i] == ',')) {
        ++i;
        if (i + 1 != text.size() || !std::isdigit(static_cast<unsigned char>(text[i]))) {
            return std::nullopt;
        }
        tenth = text[i++];
    }
    if (whole.empty() || i != text.size() || whole.size() > 9) {
        return std::nullopt;
    }
    // Drop leading zeros so the text reads as its field would show the number.
    const std::string tenths = std::to_string(std::stoll(whole + tenth));
    return tenths == "0" || !negative ? tenths : "-" + tenths;
}

} // namespace lab
