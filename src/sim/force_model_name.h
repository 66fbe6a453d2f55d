#pragma once

// The force model by name, as scenario files, the batch runner's options, its report and the run
// log write it: "sum" (the force law on the chips of all teeth summed) or "tooth" (on each
// tooth's own chip); and K_r, the ratio of a tooth's radial to its tangential force, as text.

#include "sim/sim_state.h"

#include <optional>
#include <string>
#include <string_view>

namespace sim {

constexpr const char* ForceModelName(ForceModel model) {
    return model == ForceModel::PerTooth ? "tooth" : "sum";
}

// The model a name gives; none for any other text (names are lower case).
constexpr std::optional<ForceModel> ParseForceModelName(std::string_view name) {
    for (const ForceModel model : {ForceModel::ChipSum, ForceModel::PerTooth}) {
        if (name == ForceModelName(model)) {
            return model;
        }
    }
    return std::nullopt;
}

// K_r as files and reports write it: the shortest text that reads back as the same double
// ("0.4", "0.45").
std::string RadialForceRatioText(double ratio);

// The range K_r may take, as messages write it: "0.2..0.6".
std::string RadialForceRatioRange();

} // namespace sim
