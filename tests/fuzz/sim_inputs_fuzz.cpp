// Fuzz target: a sequence of a student's operations on one simulation state, from the start-up
// state. Any broken invariant aborts with its description, so the fuzzer keeps the input.

#include "fuzz/sim_operations.h"

#include "sim/scenarios.h"

#include <cstdio>
#include <cstdlib>

namespace {

// Bounds the work of one input so the fuzzer tries many: enough ticks to reach the cut at the
// highest feed, and far more operations than a seed holds.
constexpr int kMaxOperations = 200;
constexpr long kMaxTicks = 1500;

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    sim::SimState s = sim::StartupState();
    fuzz::SimDriver driver(s, fuzz::DriverSettings{});
    fuzz::ByteSource in(data, size);
    for (int operation = 0;
         operation < kMaxOperations && !in.Empty() && driver.ticksRun() < kMaxTicks; ++operation) {
        if (const std::string broken = driver.Step(in); !broken.empty()) {
            std::fprintf(stderr, "operation %d: %s\n", operation, broken.c_str());
            std::abort();
        }
    }
    return 0;
}
