#pragma once

// Command line of glodanje-batch: which inputs to give the simulation, how long to run and
// where to write the traces.

#include "sim/run.h"

#include <optional>
#include <string>
#include <vector>

namespace batch {

// The inputs in the order they are applied. Each holds the text written into its field (the
// depth already in tenths of a millimetre, as its field holds it); nullopt leaves the field as
// it starts.
struct FieldTexts {
    std::optional<std::string> diameter;
    std::optional<std::string> teeth;
    std::optional<std::string> rake;
    std::optional<std::string> clearance;
    std::optional<std::string> helix;
    std::optional<std::string> speed;
    std::optional<std::string> feed;
    std::optional<std::string> depthTenths;
    std::optional<std::string> width;
};

struct BatchOptions {
    FieldTexts fields;
    std::optional<int> workpieceMaterial; // 1..10, the workpiece list's row
    std::optional<int> toolMaterial;      // 1..5, the tool list's row
    std::optional<sim::MillingDirection> direction;
    std::optional<int> ticks; // at most this many ticks (>= 0); otherwise until the feed limit
    std::string csvPath;      // empty: standard output
    std::string viewPngPath;  // the cutter view at the end of the run; empty: none
    std::string chartPngPath; // the oscillograph at the end of the run; empty: none
    std::string reportPath;   // the measurements of the run as JSON; empty: none
    bool help = false;
};

struct ParseResult {
    bool ok = false;
    BatchOptions options;
    std::string error; // one line, when !ok
};

// Parses the arguments (without the program name). Options take their value as the next
// argument or after "=". A later repetition of an option replaces the earlier one.
ParseResult ParseBatchOptions(const std::vector<std::string>& args);

// The depth in millimetres with at most one decimal, either separator ("10", "10.5", "10,5"), as
// the text of tenths ("100", "105"); nullopt when the text is not such a number.
std::optional<std::string> DepthTextToTenths(const std::string& text);

// The --help text.
std::string UsageText();

} // namespace batch
