#include "batch/batch_run.h"

#include "batch/sweep_command.h"

#include "lab/report.h"
#include "lab/run_csv.h"
#include "lab/write_error.h"
#include "sim/text_conversion.h"

#include <fstream>
#include <iostream>
#include <memory>

namespace batch {

void WriteSummary(std::ostream& out, const lab::RunSummary& summary) {
    out << "ticks run: " << summary.ticksRun << '\n';
    out << "first non-zero force at tick: ";
    if (summary.firstForceTick == 0) {
        out << "none\n";
    } else {
        out << summary.firstForceTick << '\n';
    }
    out << "largest force: " << lab::FormatReal(summary.largestForce) << " N\n";
    out << "mean force over the ticks with a force: " << lab::FormatReal(summary.meanForce)
        << " N\n";
    out << "last revolution mean force: " << lab::FormatReal(summary.lastRevolutionMean) << " N\n";
    const sim::Measurements& m = summary.measurements;
    out << "cutting power from the last revolution mean: " << lab::FormatReal(m.simulated.power)
        << " kW\n";
    out << "torque from the last revolution mean: " << lab::FormatReal(m.simulated.torque)
        << " N m\n";
    out << "textbook mean force z_e F(h_m): ";
    if (m.textbook.meanCutterForce) {
        out << lab::FormatReal(*m.textbook.meanCutterForce) << " N\n";
    } else {
        out << "none\n";
    }
}

bool OpenOutput(std::ofstream& file, const std::string& path, std::ostream& err) {
    if (path.empty()) {
        return true;
    }
    file.open(path, std::ios::binary | std::ios::trunc);
    if (!file) {
        err << kProgram << lab::CannotWriteMessage(path) << '\n';
        return false;
    }
    return true;
}

namespace {

// One run with its CSV, pictures, recording, report and summary.
int RunOneJob(const BatchOptions& options, std::ostream& out, std::ostream& err,
              const RunPicturesFactory& pictures) {
    std::unique_ptr<RunPictures> drawing;
    if (!options.viewPngPath.empty() || !options.chartPngPath.empty() || !options.gifPath.empty()) {
        if (!pictures) {
            err << kProgram << "pictures cannot be drawn here\n";
            return kExitBadInput;
        }
        drawing = pictures(options);
    }
    sim::RunObserver* observer = drawing.get();

    auto state = std::make_unique<sim::SimState>();
    const lab::PrepareResult prepared = lab::PrepareRun(*state, options, observer);
    if (!prepared.ok) {
        err << (prepared.error.rfind("--", 0) == 0 ? kProgram : "")
            << sim::EscapeControls(prepared.error, sim::Backslash::Keep) << '\n';
        return kExitBadInput;
    }

    // The report is opened before the run too, so that one that cannot be written costs no run.
    std::ofstream file;
    std::ofstream report;
    if (!OpenOutput(file, options.csvPath, err) || !OpenOutput(report, options.reportPath, err)) {
        return kExitCannotWrite;
    }
    if (drawing) {
        if (const std::string error = drawing->Begin(*state); !error.empty()) {
            err << kProgram << sim::EscapeControls(error, sim::Backslash::Keep) << '\n';
            return kExitCannotWrite;
        }
    }
    // Only now that nothing can stop the run: no warning comes before an error.
    for (const std::string& warning : prepared.warnings) {
        err << warning << '\n';
    }
    std::ostream& csv = options.csvPath.empty() ? out : file;
    const lab::RunSummary summary = lab::RunAndWriteCsv(
        *state, options.ticks, csv, observer, [&drawing](int tick, const sim::SimState& s) {
            if (drawing) {
                drawing->AfterTick(tick, s);
            }
        });
    csv.flush();
    if (!csv) {
        err << kProgram << "cannot write the CSV\n";
        return kExitCannotWrite;
    }
    if (drawing) {
        if (const std::string error = drawing->Save(*state); !error.empty()) {
            err << kProgram << sim::EscapeControls(error, sim::Backslash::Keep) << '\n';
            return kExitCannotWrite;
        }
    }
    if (report.is_open()) {
        lab::WriteRunReport(report, *state, summary.figures);
        report.flush();
        if (!report) {
            err << kProgram << "cannot write the report\n";
            return kExitCannotWrite;
        }
    }
    WriteSummary(err, summary);
    if (drawing) {
        err << drawing->Summary();
    }
    return kExitDone;
}

} // namespace

int RunBatchCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
                    const RunPicturesFactory& pictures, const SweepPlotWriter& sweepPlot) {
    const ParseResult parsed = ParseBatchOptions(args);
    if (!parsed.ok) {
        err << kProgram << parsed.error << '\n';
        return kExitBadInput;
    }
    if (parsed.options.help) {
        out << UsageText();
        return kExitDone;
    }
    if (parsed.options.sweep) {
        return RunSweepCommand(parsed.options, out, err, sweepPlot);
    }
    return RunOneJob(parsed.options, out, err, pictures);
}

} // namespace batch
