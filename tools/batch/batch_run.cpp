#include "batch/batch_run.h"

#include "batch/batch_report.h"
#include "batch/sweep_command.h"

#include "numeric/rounding.h"
#include "sim/constants.h"
#include "sim/cutting_inputs.h"
#include "sim/input_fields.h"
#include "sim/materials.h"
#include "sim/startup.h"
#include "sim/text_conversion.h"

#include <algorithm>
#include <charconv>
#include <fstream>
#include <functional>
#include <iostream>
#include <memory>

namespace batch {
namespace {

constexpr const char* kProgram = "glodanje-batch: ";

// typed: the value as given on the command line.
std::string DescribeRejection(const sim::InputFieldSpec& fieldSpec, const sim::InputResult& input,
                              const std::string& typed) {
    const std::string option = std::string("--") + fieldSpec.key;
    const std::string range = FieldNumberText(fieldSpec, input.minimum) + ".." +
                              FieldNumberText(fieldSpec, input.maximum);
    if (input.status == sim::InputStatus::NotAnInteger) {
        // A field of tenths got a well-formed number of millimetres, too large for the field.
        if (fieldSpec.scale != 1) {
            return option + ": " + typed + " is outside " + range;
        }
        return option + ": " + input.message;
    }
    return option + ": " + FieldNumberText(fieldSpec, input.value) + " is outside " + range;
}

} // namespace

const char* const kCsvHeader =
    "tick,time,chip_sum,chip,force,mean_force,feed_travel,active_teeth,phase";

PrepareResult PrepareRun(sim::SimState& s, const BatchOptions& options,
                         sim::RunObserver* observer) {
    PrepareResult result;
    sim::InitialiseState(s);

    sim::InputHooks hooks;
    hooks.redraw = [&s, observer] {
        if (observer != nullptr) {
            observer->RedrawCutterView(s, 0);
        }
    };
    hooks.warn = [&result](const char* message) { result.warnings.push_back(message); };
    for (const sim::InputFieldSpec& fieldSpec : sim::kInputFields) {
        const std::optional<std::string>& text = options.fields[fieldSpec.field];
        // A text equal to what the field shows when the window opens does not change the field.
        if (!IsBatchInput(fieldSpec) || !text || *text == std::to_string(fieldSpec.start)) {
            continue;
        }
        if (fieldSpec.maximumFollowsDiameter) {
            // The window's arrows raise the depth field's maximum to half the diameter at their
            // first step, so the window reaches every depth up to there; so does a batch run.
            s.DepthSpinMax =
                std::max(s.DepthSpinMax, numeric::Round(sim::kDrawnRadiusTenths / s.PixelsPerMm));
        }
        const sim::InputResult r = fieldSpec.apply(s, *text, hooks);
        if (!r.applied()) {
            const std::optional<std::string>& typed = options.typed[fieldSpec.field];
            result.error = sim::EscapeControls(
                DescribeRejection(fieldSpec, r, typed ? *typed : *text), sim::Backslash::Double);
            result.warnings.clear();
            return result;
        }
    }

    if (options.workpieceMaterial) {
        sim::SelectWorkpieceMaterial(s, *options.workpieceMaterial - 1);
    }
    if (options.toolMaterial) {
        sim::SelectToolMaterial(s, *options.toolMaterial - 1);
    }
    if (options.direction) {
        sim::SetMillingDirection(s, *options.direction, observer);
    }
    const sim::MaterialsReport materials = sim::StartRun(s);
    if (!materials.mayStart) {
        result.error = materials.message;
        result.warnings.clear();
        return result;
    }
    if (!materials.message.empty()) {
        result.warnings.push_back(materials.message);
    }
    result.ok = true;
    return result;
}

std::string FormatReal(double value) {
    char buffer[64];
    const std::to_chars_result r =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 17);
    return std::string(buffer, r.ptr);
}

namespace {

// A real as FormatReal writes it, put on the stream without a string in between (the window's
// run log writes a row every tick).
struct RealText {
    double value;
};

std::ostream& operator<<(std::ostream& out, RealText real) {
    char buffer[64];
    const std::to_chars_result r =
        std::to_chars(buffer, buffer + sizeof buffer, real.value, std::chars_format::general, 17);
    return out.write(buffer, r.ptr - buffer);
}

} // namespace

void WriteCsvRow(std::ostream& csv, int tick, const sim::SimState& s) {
    // The scroll keeps index 313, so the newest samples are still there after the tick.
    const int newest = sim::kTraceLength;
    csv << tick << ',' << RealText{s.TimeAxis[newest]} << ',' << RealText{s.ChipSumTrace[newest]}
        << ',' << RealText{s.ChipTrace[newest]} << ',' << RealText{s.ForceTrace[newest]} << ','
        << RealText{s.MeanForceTrace[newest]} << ',' << RealText{s.FeedTravel} << ','
        << s.ActiveTeethCount << ',' << RealText{s.Phase} << '\n';
}

RunSummary RunToEnd(sim::SimState& s, std::optional<int> maxTicks, sim::RunObserver* observer,
                    const std::function<bool(int, const sim::SimState&)>& afterTick) {
    RunSummary summary;
    bool stopped = false;
    while (!stopped && (!maxTicks || summary.ticksRun < *maxTicks)) {
        stopped = sim::Timer1Timer(s, observer).feedLimitDisabledTimer;
        const int tick = ++summary.ticksRun;
        if (afterTick && !afterTick(tick, s)) {
            stopped = true;
        }
        sim::RecordTick(summary.figures, s);
    }
    summary.firstForceTick = summary.figures.firstForceTick;
    summary.largestForce = summary.figures.largestForce;
    summary.meanForce = summary.figures.MeanForce();
    summary.lastRevolutionMean = summary.figures.lastRevolutionMean;
    summary.measurements = sim::Measure(s, summary.figures);
    return summary;
}

RunSummary RunAndWriteCsv(sim::SimState& s, std::optional<int> maxTicks, std::ostream& csv,
                          sim::RunObserver* observer) {
    csv << kCsvHeader << '\n';
    return RunToEnd(s, maxTicks, observer, [&csv](int tick, const sim::SimState& state) {
        WriteCsvRow(csv, tick, state);
        return true;
    });
}

void WriteSummary(std::ostream& out, const RunSummary& summary) {
    out << "ticks run: " << summary.ticksRun << '\n';
    out << "first non-zero force at tick: ";
    if (summary.firstForceTick == 0) {
        out << "none\n";
    } else {
        out << summary.firstForceTick << '\n';
    }
    out << "largest force: " << FormatReal(summary.largestForce) << " N\n";
    out << "mean force over the ticks with a force: " << FormatReal(summary.meanForce) << " N\n";
    out << "last revolution mean force: " << FormatReal(summary.lastRevolutionMean) << " N\n";
    const sim::Measurements& m = summary.measurements;
    out << "cutting power from the last revolution mean: " << FormatReal(m.simulated.power)
        << " kW\n";
    out << "torque from the last revolution mean: " << FormatReal(m.simulated.torque) << " N m\n";
    out << "textbook mean force z_e F(h_m): ";
    if (m.textbook.meanCutterForce) {
        out << FormatReal(*m.textbook.meanCutterForce) << " N\n";
    } else {
        out << "none\n";
    }
}

int RunBatchCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
                    const RunPicturesFactory& pictures, const SweepPlotWriter& sweepPlot) {
    const ParseResult parsed = ParseBatchOptions(args);
    if (!parsed.ok) {
        err << kProgram << parsed.error << '\n';
        return kExitBadInput;
    }
    const BatchOptions& options = parsed.options;
    if (options.help) {
        out << UsageText();
        return kExitDone;
    }
    if (options.sweep) {
        return RunSweepCommand(options, out, err, sweepPlot);
    }
    std::unique_ptr<RunPictures> drawing;
    if (!options.viewPngPath.empty() || !options.chartPngPath.empty()) {
        if (!pictures) {
            err << kProgram << "pictures cannot be drawn here\n";
            return kExitBadInput;
        }
        drawing = pictures(options);
    }
    sim::RunObserver* observer = drawing.get();

    auto state = std::make_unique<sim::SimState>();
    const PrepareResult prepared = PrepareRun(*state, options, observer);
    if (!prepared.ok) {
        err << (prepared.error.rfind("--", 0) == 0 ? kProgram : "")
            << sim::EscapeControls(prepared.error, sim::Backslash::Keep) << '\n';
        return kExitBadInput;
    }

    std::ofstream file;
    if (!options.csvPath.empty()) {
        file.open(options.csvPath, std::ios::binary | std::ios::trunc);
        if (!file) {
            err << kProgram
                << sim::EscapeControls("cannot write '" + options.csvPath + "'",
                                       sim::Backslash::Keep)
                << '\n';
            return kExitCannotWrite;
        }
    }
    // Opened before the run, so that a report that cannot be written costs no run.
    std::ofstream report;
    if (!options.reportPath.empty()) {
        report.open(options.reportPath, std::ios::binary | std::ios::trunc);
        if (!report) {
            err << kProgram << "cannot write '" << options.reportPath << "'\n";
            return kExitCannotWrite;
        }
    }
    // Only now that nothing can stop the run: no warning comes before an error.
    for (const std::string& warning : prepared.warnings) {
        err << warning << '\n';
    }
    std::ostream& csv = options.csvPath.empty() ? out : file;
    const RunSummary summary = RunAndWriteCsv(*state, options.ticks, csv, observer);
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
        WriteRunReport(report, *state, summary.figures);
        report.flush();
        if (!report) {
            err << kProgram << "cannot write the report\n";
            return kExitCannotWrite;
        }
    }
    WriteSummary(err, summary);
    return kExitDone;
}

} // namespace batch
