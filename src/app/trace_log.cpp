#include "app/trace_log.h"

#include "lab/report.h"
#include "lab/run_csv.h"

#include <algorithm>
#include <ostream>
#include <sstream>

namespace app {
namespace {

// A value as a comment line shows it: text without quotes, numbers as the report writes them.
std::string ValueText(const nlohmann::ordered_json& value) {
    return value.is_string() ? value.get<std::string>() : value.dump();
}

} // namespace

TraceLog::InputValues TraceLog::InputValues::Of(const sim::SimState& s) {
    return {s.CutterDiameter, s.ToothCount,        s.RakeAngle,    s.ClearanceAngle,
            s.HelixAngle,     s.CuttingSpeed,      s.FeedSpeed,    s.DepthMm,
            s.CutWidth,       s.WorkpieceMaterial, s.ToolMaterial, s.MillingDirection,
            s.ForceModel,     s.RadialForceRatio};
}

void TraceLog::Begin(const sim::SimState& s) {
    Clear();
    started_ = true;
    inputs_ = lab::ReportInputs(s);
    inputValues_ = InputValues::Of(s);
    for (const auto& [key, value] : inputs_.items()) {
        comments_ += "# " + key + '=' + ValueText(value) + '\n';
    }
}

void TraceLog::Clear() {
    started_ = false;
    rows_ = 0;
    figures_ = {};
    inputs_ = nullptr;
    inputValues_ = {};
    comments_.clear();
    body_.clear();
}

void TraceLog::RecordTick(const sim::SimState& s) {
    if (!started_) {
        return;
    }
    sim::RecordTick(figures_, s);
    if (rows_ >= kMaxRows) {
        return;
    }
    const InputValues values = InputValues::Of(s);
    if (!(values == inputValues_)) {
        inputValues_ = values;
        nlohmann::ordered_json inputs = lab::ReportInputs(s);
        if (inputs != inputs_) {
            std::string line = "# tick=" + std::to_string(figures_.ticks);
            for (const auto& [key, value] : inputs.items()) {
                if (inputs_[key] != value) {
                    line += ' ' + key + '=' + ValueText(value);
                }
            }
            body_ += line + '\n';
            inputs_ = std::move(inputs);
        }
    }
    row_.str(std::string());
    lab::WriteCsvRow(row_, figures_.ticks, s);
    body_ += row_.view();
    if (++rows_ == kMaxRows) {
        body_ += "# the log is full: later ticks are not kept\n";
    }
}

void TraceLog::WriteCsv(std::ostream& out) const {
    out << comments_ << lab::kCsvHeader << '\n' << body_;
}

std::string DefaultFileStem(const sim::SimState& s) {
    const nlohmann::ordered_json inputs = lab::ReportInputs(s);
    std::string stem = "glodanje";
    for (const char* key : {"workpiece_material", "tool_material", "direction"}) {
        if (inputs[key].is_string()) {
            stem += '-' + inputs[key].get<std::string>();
        }
    }
    std::replace(stem.begin(), stem.end(), ' ', '_');
    return stem;
}

} // namespace app
