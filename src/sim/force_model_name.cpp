#include "sim/force_model_name.h"

#include "sim/tooth_forces.h"

#include <array>
#include <charconv>

namespace sim {

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
