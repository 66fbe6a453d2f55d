#pragma once

// Field-by-field, bit-for-bit comparison of two simulation states (a byte comparison of the
// whole record would also compare its padding), over the field list of state_fields.h.

#include "sim/sim_state.h"
#include "sim/state_fields.h"

#include <gtest/gtest.h>

#include <array>
#include <cstddef>
#include <cstring>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace sim {

// The names of the fields whose bits differ between a and b, in the record's order.
inline std::vector<std::string_view> DifferingFields(const SimState& a, const SimState& b) {
    std::vector<std::string_view> names;
#define GLODANJE_COMPARE_FIELD(field)                                                              \
    if (std::memcmp(&a.field, &b.field, sizeof a.field) != 0) {                                    \
        names.emplace_back(#field);                                                                \
    }
    GLODANJE_SIM_STATE_FIELDS(GLODANJE_COMPARE_FIELD)
#undef GLODANJE_COMPARE_FIELD
    return names;
}

inline ::testing::AssertionResult StatesIdentical(const SimState& a, const SimState& b) {
    const std::vector<std::string_view> names = DifferingFields(a, b);
    if (names.empty()) {
        return ::testing::AssertionSuccess();
    }
    ::testing::AssertionResult failure = ::testing::AssertionFailure();
    failure << (names.size() == 1 ? "field " : "fields ");
    for (std::size_t i = 0; i < names.size(); ++i) {
        failure << (i == 0 ? "" : ", ") << names[i];
    }
    return failure << (names.size() == 1 ? " differs" : " differ");
}

} // namespace sim
