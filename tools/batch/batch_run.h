#pragma once

// The command of glodanje-batch: one headless run (or a sweep) from the command line, its CSV,
// pictures, report and summary.

#include "batch/batch_options.h"

#include "lab/run.h"
#include "lab/sweep.h"

#include "sim/run_observer.h"
#include "sim/sim_state.h"

#include <fstream>
#include <functional>
#include <iosfwd>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace batch {

// Exit statuses of glodanje-batch.
inline constexpr int kExitDone = 0;
inline constexpr int kExitCannotWrite = 1;
inline constexpr int kExitBadInput = 2;

// The start of the runner's own lines on standard error.
inline constexpr const char* kProgram = "glodanje-batch: ";

// Opens path for writing from the start (an empty path: nothing to open); when it cannot be
// opened, writes the one-line complaint to err and returns false.
bool OpenOutput(std::ofstream& file, const std::string& path, std::ostream& err);

// The summary lines for standard error.
void WriteSummary(std::ostream& out, const lab::RunSummary& summary);

// The pictures of a run: follows the run's drawing steps and writes the pictures asked for at
// the end (and the recording, during the run). The program supplies the drawing, so that the
// runner itself needs no Qt.
class RunPictures : public sim::RunObserver {
public:
    // Before the first tick: opens what is written during the run; returns an error message, or
    // "" when it could.
    virtual std::string Begin(const sim::SimState&) { return {}; }
    // After each tick, with its 1-based number.
    virtual void AfterTick(int, const sim::SimState&) {}
    // Writes the pictures; returns an error message, or "" when all were written.
    virtual std::string Save(const sim::SimState& s) = 0;
    // Lines for the summary on standard error, each with its line break; "" for none.
    virtual std::string Summary() const { return {}; }
};
using RunPicturesFactory = std::function<std::unique_ptr<RunPictures>(const BatchOptions&)>;

// Draws a sweep's plot into a PNG file: path, plan, rows, log-log axes; returns an error
// message or "".
using SweepPlotWriter = std::function<std::string(const std::string&, const lab::SweepPlan&,
                                                  const std::vector<lab::SweepRow>&, bool)>;

// The whole command: parses the arguments, prepares, runs and reports. Returns the exit status.
// pictures makes the observer for --view-png and --chart-png, sweepPlot draws --sweep-png;
// without them those options fail.
int RunBatchCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
                    const RunPicturesFactory& pictures = {}, const SweepPlotWriter& sweepPlot = {});

} // namespace batch
