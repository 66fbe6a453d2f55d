#pragma once

// The report of one headless run: the inputs, the cutting conditions derived from them, the
// simulated results and the textbook check, as JSON.

#include "sim/measurements.h"
#include "sim/sim_state.h"

#include <nlohmann/json.hpp>

#include <iosfwd>

namespace lab {

// The report of the run that left s and gathered figures. Every value is a number in the unit
// its key names; a textbook value that needs a force constant is null when none is known. The
// section "per_tooth" holds the per-tooth model's figures (whichever model the traces show) beside
// the textbook integral's; its simulated values are null until a whole revolution has passed.
nlohmann::ordered_json RunReport(const sim::SimState& s, const sim::RunFigures& figures);

// The inputs part of the report: every input of the window with its key and unit, the
// materials by their list texts (null when not chosen), the direction ("up" or "down"), the
// force model ("sum" or "tooth") and K_r.
nlohmann::ordered_json ReportInputs(const sim::SimState& s);

// Writes the report, indented, with a final line end.
void WriteRunReport(std::ostream& out, const sim::SimState& s, const sim::RunFigures& figures);

} // namespace lab
