#pragma once

// The names of the simulation-state fields in which two states differ (bit for bit), for
// tests that check that a handler touched exactly the fields it owns.

#include "sim/sim_state.h"
#include "sim/state_fields.h"

#include <cstring>
#include <set>
#include <string>

namespace sim {

inline std::set<std::string> FieldsThatDiffer(const SimState& a, const SimState& b) {
    std::set<std::string> names;
#define GLODANJE_DIFF_FIELD(field)                                                                 \
    if (std::memcmp(&a.field, &b.field, sizeof a.field) != 0) {                                    \
        names.insert(#field);                                                                      \
    }
    GLODANJE_SIM_STATE_FIELDS(GLODANJE_DIFF_FIELD)
#undef GLODANJE_DIFF_FIELD
    return names;
}

} // namespace sim
