#pragma once

// The two inputs that set the tops of the oscillograph's vertical axes. They change neither the
// traces nor the simulation; the caller gives the new maximum to its axis.

#include "sim/input_result.h"
#include "sim/sim_state.h"

#include <string>
#include <string_view>

namespace sim {

// The limits of the fields are those of the inputs table (input_fields.h).

// Force axis maximum in N: ForceAxisMax := the value.
InputResult SetForceAxisMax(SimState& s, std::string_view text);

struct ChipAxisResult {
    InputResult input;
    std::string chipAxisText; // ChipAxisMax for the display next to the field ("0,5", "1")
};

// Chip axis maximum in tenths of a millimetre: ChipAxisMax := the value / 10.
ChipAxisResult SetChipAxisMax(SimState& s, std::string_view text);

} // namespace sim
