#pragma once

// glodanje-batch --sweep: the series of runs, its CSV, its plot and its summary.

#include "batch/batch_run.h"
#include "lab/sweep.h"

#include <iosfwd>

namespace batch {

// Runs the sweep of options (options.sweep is set) and writes the CSV, the plot through
// plot (when --sweep-png is given) and the summary. Returns the exit status.
int RunSweepCommand(const BatchOptions& options, std::ostream& out, std::ostream& err,
                    const SweepPlotWriter& plot);

// The summary lines for standard error: the runs made, and with logAxes the fitted exponent
// of the mean force beside the workpiece material's exponent.
void WriteSweepSummary(std::ostream& err, const std::vector<lab::SweepRow>& rows, size_t points,
                       bool logAxes);

} // namespace batch
