// Both ends of every input field's limits and one step beyond each, as a user writes them (the
// depth and chip fields in millimetres): the rows the limit tests of the scenario files and of
// the batch runner's options share.
#pragma once

namespace test_support {

struct FieldLimit {
    const char* key;
    const char* lowest;
    const char* highest;
    const char* below;
    const char* above;
};

inline constexpr FieldLimit kFieldLimits[] = {
    {"diameter", "50", "180", "40", "190"}, {"teeth", "4", "20", "2", "22"},
    {"rake", "0", "20", "-1", "21"},        {"clearance", "5", "25", "4", "26"},
    {"helix", "0", "50", "-5", "55"},       {"speed", "30", "120", "20", "130"},
    {"feed", "40", "600", "30", "610"},     {"depth", "0.5", "50", "0.0", "50.5"},
    {"width", "10", "100", "0", "110"},     {"force_max", "100", "20000", "0", "20100"},
    {"chip_max", "0.1", "1", "0.0", "1.1"},
};

} // namespace test_support
