#pragma once

// What an input routine reports. Every input routine takes the text of its field, checks it
// and only then changes the state: a text that is not a whole number, or a value outside the
// field's limits, changes nothing.

#include <cstdint>
#include <string>
#include <string_view>

namespace sim {

enum class InputStatus {
    Applied,      // the value was taken and the derived fields recomputed
    OutOfRange,   // a whole number outside [minimum, maximum]; nothing changed
    NotAnInteger, // not a whole number; message holds the conversion error; nothing changed
};

struct InputResult {
    InputStatus status = InputStatus::Applied;
    int32_t value = 0;   // the number read from the text (when it is one)
    int32_t minimum = 0; // the limits the value was checked against
    int32_t maximum = 0;
    std::string message; // "'<text>' is not a valid integer value" for NotAnInteger

    bool applied() const { return status == InputStatus::Applied; }
};

// Reads text as a whole number and checks it against [minimum, maximum]. The result is Applied
// when the value may be taken.
InputResult CheckIntegerInput(std::string_view text, int32_t minimum, int32_t maximum);

} // namespace sim
