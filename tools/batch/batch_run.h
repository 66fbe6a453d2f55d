#pragma once

// One headless simulation: the inputs applied as the window would apply them, then ticks until
// the feed ends, one CSV row per tick and a summary.

#include "batch/batch_options.h"

#include "sim/measurements.h"
#include "sim/run_observer.h"
#include "sim/sim_state.h"

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

struct PrepareResult {
    bool ok = false;
    std::string error;                 // one line, when !ok
    std::vector<std::string> warnings; // messages the window would show, in order
};

// From the start-up state: writes each given field text into its field (a text equal to what
// the field shows runs nothing), in the order diameter, teeth, rake, clearance, helix, speed,
// feed, depth, width; chooses the materials and the direction; presses "Proces".
// A value the field rejects, or a missing material, stops with an error.
PrepareResult PrepareRun(sim::SimState& s, const BatchOptions& options, sim::RunObserver* observer);

struct RunSummary {
    int ticksRun = 0;
    int firstForceTick = 0; // 0: the force stayed zero
    double largestForce = 0;
    double meanForce = 0;           // over the ticks with a non-zero force
    double lastRevolutionMean = 0;  // the newest per-revolution mean force
    sim::RunFigures figures;        // the figures above and more, gathered tick by tick
    sim::Measurements measurements; // of the state the run ended in
};

// The CSV header line (without the line end).
extern const char* const kCsvHeader;

// One CSV row for the tick just run: its number and the newest samples of s (index 313 still
// holds them after the scroll), the feed travel, the teeth in the cut and the phase.
void WriteCsvRow(std::ostream& csv, int tick, const sim::SimState& s);

// Runs ticks until the tick in which the feed limit disables the timer, or maxTicks ticks
// (none: no limit), or until afterTick (called after each tick with its 1-based number; may be
// empty) returns false, gathering the figures.
RunSummary RunToEnd(sim::SimState& s, std::optional<int> maxTicks, sim::RunObserver* observer,
                    const std::function<bool(int, const sim::SimState&)>& afterTick);

// Runs ticks until the tick in which the feed limit disables the timer, or maxTicks ticks
// (none: no limit), writing the header and one row per tick to csv.
RunSummary RunAndWriteCsv(sim::SimState& s, std::optional<int> maxTicks, std::ostream& csv,
                          sim::RunObserver* observer);

// The summary lines for standard error.
void WriteSummary(std::ostream& out, const RunSummary& summary);

// A real with 17 significant digits and a point, independent of the locale, so it reads back
// exactly.
std::string FormatReal(double value);

// The pictures of a run: follows the run's drawing steps and writes the pictures asked for at
// the end. The program supplies the drawing, so that the runner itself needs no Qt.
class RunPictures : public sim::RunObserver {
public:
    // Writes the pictures; returns an error message, or "" when all were written.
    virtual std::string Save(const sim::SimState& s) = 0;
};
using RunPicturesFactory = std::function<std::unique_ptr<RunPictures>(const BatchOptions&)>;

struct SweepRow;
// Draws a sweep's plot into a PNG file: path, plan, rows, log-log axes; returns an error
// message or "".
using SweepPlotWriter = std::function<std::string(const std::string&, const SweepPlan&,
                                                  const std::vector<SweepRow>&, bool)>;

// The whole command: parses the arguments, prepares, runs and reports. Returns the exit status.
// pictures makes the observer for --view-png and --chart-png, sweepPlot draws --sweep-png;
// without them those options fail.
int RunBatchCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
                    const RunPicturesFactory& pictures = {}, const SweepPlotWriter& sweepPlot = {});

} // namespace batch
