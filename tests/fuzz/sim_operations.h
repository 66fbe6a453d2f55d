#pragma once

// What a student can do to one simulation state, decoded from bytes: type a text into a field,
// choose materials, change the direction, press "Proces", "Pauza" or "Polazno stanje", let the
// timer tick. After every operation the state's invariants are checked. The fuzz target draws
// the bytes from the fuzzer, the long-run test from a seeded generator.

#include "sim/sim_state.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace fuzz {

// Bytes read one at a time from the front; once they are used up every read gives 0.
class ByteSource {
public:
    ByteSource(const uint8_t* data, size_t size) : data_(data), size_(size) {}

    bool Empty() const { return position_ == size_; }
    uint8_t Next() { return Empty() ? 0 : data_[position_++]; }
    // Up to n bytes as text (fewer when the source ends first).
    std::string_view Take(size_t n);

private:
    const uint8_t* data_;
    size_t size_;
    size_t position_ = 0;
};

// The operation kinds, the first byte of every operation modulo their count.
enum class Operation : uint8_t {
    TypeText,
    SelectWorkpiece,
    SelectTool,
    SetDirection,
    Start, // "Proces"
    Pause, // "Pauza"
    Ticks, // timer events, only while the timer is enabled, as the window gets them
    Reset, // "Polazno stanje"
    Count,
};

struct DriverSettings {
    int maxTicksPerOperation = 32; // a Ticks operation runs 0..this - 1 ticks
    // Every this many ticks, the tick is run with both profile searches and the states compared;
    // 0: never.
    int searchComparePeriod = 8;
};

// Applies decoded operations to a state it does not own.
class SimDriver {
public:
    SimDriver(sim::SimState& s, DriverSettings settings) : s_(s), settings_(settings) {}

    // Decodes and applies one operation; returns "" or a description of the first broken
    // invariant (the state may be left anywhere then).
    std::string Step(ByteSource& in);

    long ticksRun() const { return ticksRun_; }

private:
    std::string TypeText(ByteSource& in);
    std::string Ticks(ByteSource& in);

    sim::SimState& s_;
    DriverSettings settings_;
    long ticksRun_ = 0;
};

// A text for the field drawn from in: a valid value, a limit or one past it, a negative or huge
// number, an empty or blank text, a number with either decimal separator, letters, or raw bytes.
std::string FieldText(ByteSource& in, int32_t minimum, int32_t maximum);

// "" when every floating-point field is finite, every input lies within its field's limits and
// the run's counters and positions stay in their ranges; otherwise what is broken.
std::string CheckInvariants(const sim::SimState& s);

} // namespace fuzz
