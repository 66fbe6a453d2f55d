#include "app/trace_log.h"

#include "batch/batch_report.h"
#include "batch/batch_run.h"

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

void TraceLog::Begin(const sim::SimState& s) {
    Clear();
    started_ = true;
    inputs_ = batch::ReportInputs(s);
    for (const auto& [key, value] : inputs_.items()) {
        comments_ += "# " + key + '=' + ValueText(value) + '\n';
    }
}

void TraceLog::Clear() {
    started_ = false;
    rows_ = 0;
    figures_ = {};
    inputs_ = nullptr;
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
    nlohmann::ordered_json inputs = batch::ReportInputs(s);
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
    std::ostringstream row;
    batch::WriteCsvRow(row, figures_.ticks, s);
    body_ += row.str();
    if (++rows_ == kMaxRows) {
        body_ += "# the log is full: later ticks are not kept\n";
    }
}

void TraceLog::WriteCsv(std::ostream& out) const {
    out << comments_ << batch::kCsvHeader << '\n' << body_;
}

std::string DefaultFileStem(const sim::SimState& s) {
    const nlohmann::ordered_json inputs = batch::ReportInputs(s);
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
