#pragma once

// A series of independent runs in which one input changes and every other input stays: a
// numeric field over a range, every workpiece or tool material, or both milling directions.
// Each run is exactly the run glodanje-batch makes with that value. The runs go to a pool of
// threads, each run with a state of its own, and the rows come back in input order, so the
// result does not depend on the number of threads. Plain C++: the window and the batch runner
// share it.

#include "lab/run_inputs.h"
#include "lab/sweep_plan.h"

#include <atomic>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace lab {

// The options of the run for point index: base with the swept input replaced.
RunInputs PointOptions(const RunInputs& base, const SweepPlan& plan, size_t index);

// What one run gives.
struct SweepRow {
    SweepPoint point;
    bool ran = false;
    std::string skipped; // why the run did not happen, when !ran
    int ticks = 0;
    int firstForceTick = 0;                  // 0: no force
    double largestChip = 0;                  // mm, largest chip of one tooth
    double largestForce = 0;                 // N
    double meanForce = 0;                    // N, over the ticks with a force
    double lastRevolutionMean = 0;           // N
    double power = 0;                        // kW
    double torque = 0;                       // N m
    double textbookMaxChip = 0;              // mm, h_max
    double textbookMeanChip = 0;             // mm, h_m
    std::optional<double> textbookMeanForce; // N, z_e F(h_m)
    std::optional<double> chipExponent;      // of the workpiece material of the run
};

// Runs one point to the end of the feed or maxTicks ticks. cancel (may be null) is read after
// every tick; a cancelled run returns nullopt.
std::optional<SweepRow> RunSweepPoint(const RunInputs& options, const SweepPoint& point,
                                      std::optional<int> maxTicks,
                                      const std::atomic<bool>* cancel = nullptr);

struct SweepRequest {
    RunInputs base; // the fixed inputs and --ticks
    SweepPlan plan;
    int jobs = 1; // threads, >= 1
    // Called with each row in input order, one call at a time, from a worker thread; may be
    // empty.
    std::function<void(size_t index, const SweepRow& row)> onRow;
    const std::atomic<bool>* cancel = nullptr; // set: no new run starts, the running ones stop
};

struct SweepResult {
    std::vector<SweepRow> rows; // in input order; fewer than the points when cancelled
    bool cancelled = false;
};

SweepResult RunSweep(const SweepRequest& request);

// The CSV of the rows that ran: header and one line per row, reals with 17 digits.
extern const char* const kSweepCsvHeader;
void WriteSweepCsv(std::ostream& csv, const std::vector<SweepRow>& rows);

// The slope of ln(y) against ln(x) by least squares over the points with x > 0 and y > 0, the
// exponent of the power law y = c x^slope; none with fewer than two distinct x.
std::optional<double> FitPowerLawExponent(const std::vector<double>& x,
                                          const std::vector<double>& y);

// The fit of the simulated mean force against the swept value over the rows that ran.
std::optional<double> FitMeanForceExponent(const std::vector<SweepRow>& rows);

// The axis title of the swept input with its unit, in the current language: "Brzina pomoćnog
// kretanja, mm/min".
std::string SweepAxisTitle(const SweepPlan& plan);

// A text of the core (marked SIM_USER_TEXT) in the current language, UTF-8; any other text as
// it is. Without an installed translation this is the Serbian text itself.
std::string TranslatedCoreText(const std::string& source);

// The default thread count: the cores the machine has, at least 1.
int DefaultJobs();

} // namespace lab
