#pragma once

// Command line of glodanje-batch: which inputs to give the simulation, how long to run and
// where to write the traces.

#include "batch/sweep_plan.h"

#include "sim/input_fields.h"
#include "sim/run.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace batch {

// Whether the batch runner offers the field as an option: the cutter and the cutting
// conditions, not the chart's axes.
constexpr bool IsBatchInput(const sim::InputFieldSpec& fieldSpec) {
    return fieldSpec.group != sim::InputGroup::ChartAxes;
}

// The text written into each field, by the inputs table's order (a field holding tenths gets
// its text in tenths, as the field holds it); nullopt leaves the field as it starts.
struct FieldTexts {
    std::array<std::optional<std::string>, sim::kInputFields.size()> texts;

    std::optional<std::string>& operator[](sim::InputField field) {
        return texts[static_cast<size_t>(field)];
    }
    const std::optional<std::string>& operator[](sim::InputField field) const {
        return texts[static_cast<size_t>(field)];
    }
};

struct BatchOptions {
    FieldTexts fields;
    FieldTexts typed; // each field's text as given on the command line, for messages
    std::optional<int> workpieceMaterial; // 1..10, the workpiece list's row
    std::optional<int> toolMaterial;      // 1..5, the tool list's row
    std::optional<sim::MillingDirection> direction;
    std::optional<int> ticks; // at most this many ticks (>= 0); otherwise until the feed limit
    std::string csvPath;      // empty: standard output
    std::string viewPngPath;  // the cutter view at the end of the run; empty: none
    std::string chartPngPath; // the oscillograph at the end of the run; empty: none
    std::string reportPath;   // the measurements of the run as JSON; empty: none
    std::optional<SweepPlan> sweep; // a series of runs instead of one
    std::string sweepPngPath;       // the sweep's plot; empty: none
    bool logAxes = false;           // the sweep's plot on log-log axes, with the fitted exponent
    std::optional<int> jobs;        // threads of a sweep, 1..256; none: the core count
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

// The depth in millimetres with at most one decimal, either separator ("10", "10.5", "10,5"), as
// the text of tenths ("100", "105"); nullopt when the text is not such a number.
std::optional<std::string> DepthTextToTenths(const std::string& text);

// The value a field's option takes, as the usage text writes it: "MM", "DEG", "N", "M_PER_MIN".
std::string OptionValueName(const sim::InputFieldSpec& fieldSpec);

// A number of the field's units for messages: tenths as millimetres with a point ("0.5").
std::string FieldNumberText(const sim::InputFieldSpec& fieldSpec, int32_t value);

// The --help text.
std::string UsageText();

} // namespace batch
