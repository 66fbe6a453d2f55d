#pragma once

// Command line of glodanje-batch: which inputs to give the simulation, how long to run and
// where to write the traces.

#include "lab/run_inputs.h"
#include "lab/sweep_plan.h"

#include "sim/input_fields.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace batch {

// The inputs of the run (typed: each field's text as given on the command line) and where its
// results go.
struct BatchOptions : lab::RunInputs {
    std::string csvPath;                 // empty: standard output
    std::string viewPngPath;             // the cutter view at the end of the run; empty: none
    std::string chartPngPath;            // the oscillograph at the end of the run; empty: none
    std::string reportPath;              // the measurements of the run as JSON; empty: none
    std::string gifPath;                 // the run as an animated GIF; empty: none
    std::optional<int> gifEvery;         // ticks from one GIF frame to the next, 1 or more
    std::optional<lab::SweepPlan> sweep; // a series of runs instead of one
    std::string sweepPngPath;            // the sweep's plot; empty: none
    bool logAxes = false;    // the sweep's plot on log-log axes, with the fitted exponent
    std::optional<int> jobs; // threads of a sweep, 1..256; none: the core count
    bool help = false;
};

struct ParseResult {
    bool ok = false;
    BatchOptions options;
    std::string error; // one line, when !ok
};

// Parses the arguments (without the program name). Options take their value as the next
// argument or after "=". A later repetition of an option replaces the earlier one, its value
// and any complaint about it alike; of the complaints left, the first in argument order is
// reported.
ParseResult ParseBatchOptions(const std::vector<std::string>& args);

// The value a field's option takes, as the usage text writes it: "MM", "DEG", "N", "M_PER_MIN".
std::string OptionValueName(const sim::InputFieldSpec& fieldSpec);

// The --help text.
std::string UsageText();

} // namespace batch
