#pragma once

// The traces of a run as CSV: one row per tick, the same in the batch runner's output and the
// window's trace log.

#include "lab/run.h"

#include "sim/sim_state.h"

#include <functional>
#include <iosfwd>
#include <optional>
#include <string>

namespace lab {

// The CSV header line (without the line end).
extern const char* const kCsvHeader;

// One CSV row for the tick just run: its number and the newest samples of s (index 313 still
// holds them after the scroll), the feed travel, the teeth in the cut and the phase.
void WriteCsvRow(std::ostream& csv, int tick, const sim::SimState& s);

// Runs ticks until the tick in which the feed limit disables the timer, or maxTicks ticks
// (none: no limit), writing the header and one row per tick to csv; afterTick (may be empty)
// follows each row with the tick's 1-based number.
RunSummary RunAndWriteCsv(sim::SimState& s, std::optional<int> maxTicks, std::ostream& csv,
                          sim::RunObserver* observer,
                          const std::function<void(int, const sim::SimState&)>& afterTick = {});

// A real with 17 significant digits and a point, independent of the locale, so it reads back
// exactly.
std::string FormatReal(double value);

} // namespace lab
