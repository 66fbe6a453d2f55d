#include "batch/sweep_command.h"

#include "lab/run_csv.h"
#include "sim/text_conversion.h"

#include <fstream>
#include <ostream>

namespace batch {

void WriteSweepSummary(std::ostream& err, const std::vector<lab::SweepRow>& rows, size_t points,
                       bool logAxes) {
    size_t ran = 0;
    std::optional<double> materialExponent;
    for (const lab::SweepRow& row : rows) {
        if (row.ran) {
            ++ran;
            if (!materialExponent) {
                materialExponent = row.chipExponent;
            }
        }
    }
    err << "sweep runs: " << ran << " of " << points << '\n';
    if (!logAxes) {
        return;
    }
    err << "fitted exponent of the mean force: ";
    if (const std::optional<double> fit = lab::FitMeanForceExponent(rows)) {
        err << lab::FormatReal(*fit);
    } else {
        err << "none";
    }
    err << " (workpiece material exponent: "
        << (materialExponent ? lab::FormatReal(*materialExponent) : std::string("none")) << ")\n";
}

int RunSweepCommand(const BatchOptions& options, std::ostream& out, std::ostream& err,
                    const SweepPlotWriter& plot) {
    if (!options.sweepPngPath.empty() && !plot) {
        err << kProgram << "pictures cannot be drawn here\n";
        return kExitBadInput;
    }
    std::ofstream file;
    if (!OpenOutput(file, options.csvPath, err)) {
        return kExitCannotWrite;
    }
    lab::SweepRequest request;
    request.base = options;
    request.plan = *options.sweep;
    request.jobs = options.jobs.value_or(lab::DefaultJobs());
    const lab::SweepResult result = lab::RunSweep(request);
    for (const lab::SweepRow& row : result.rows) {
        if (!row.ran) {
            err << kProgram << row.point.label
                << ": skipped: " << lab::TranslatedCoreText(row.skipped) << '\n';
        }
    }
    std::ostream& csv = options.csvPath.empty() ? out : file;
    lab::WriteSweepCsv(csv, result.rows);
    csv.flush();
    if (!csv) {
        err << kProgram << "cannot write the CSV\n";
        return kExitCannotWrite;
    }
    if (!options.sweepPngPath.empty()) {
        if (const std::string error =
                plot(options.sweepPngPath, *options.sweep, result.rows, options.logAxes);
            !error.empty()) {
            err << kProgram << sim::EscapeControls(error, sim::Backslash::Keep) << '\n';
            return kExitCannotWrite;
        }
    }
    WriteSweepSummary(err, result.rows, lab::SweepPoints(*options.sweep).size(), options.logAxes);
    return kExitDone;
}

} // namespace batch
