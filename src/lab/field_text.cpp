#include "lab/field_text.h"

#include "sim/field_text.h"

#include <cstdint>

namespace lab {

std::optional<std::string> DepthTextToTenths(const std::string& text) {
    // Tenths of a depth with ten whole digits: far beyond any field, taken as mistyped.
    constexpr int64_t kTenWholeDigits = 10'000'000'000;
    const std::optional<int64_t> tenths = sim::ParseFieldValue(
        sim::FieldSpec(sim::InputField::Depth), text, sim::DecimalMark::PointOrComma);
    if (!tenths || *tenths <= -kTenWholeDigits || *tenths >= kTenWholeDigits) {
        return std::nullopt;
    }
    return std::to_string(*tenths);
}

} // namespace lab
