#pragma once

// The milling direction by name, as scenario files, the batch runner's options, its report and
// the sweeps write it: "up" or "down".

#include "sim/sim_state.h"

#include <optional>
#include <string_view>

namespace sim {

constexpr const char* DirectionName(MillingDirection direction) {
    return direction == MillingDirection::Down ? "down" : "up";
}

// The direction a name gives; none for any other text (names are lower case).
constexpr std::optional<MillingDirection> ParseDirectionName(std::string_view name) {
    for (const MillingDirection direction : {MillingDirection::Up, MillingDirection::Down}) {
        if (name == DirectionName(direction)) {
            return direction;
        }
    }
    return std::nullopt;
}

} // namespace sim
