#include "app/run_log.h"

#include "lab/report.h"
#include "lab/run_csv.h"

#include <optional>
#include <ostream>

namespace app {
namespace {

// Results in column order: key and how to read it from an entry.
struct ResultColumn {
    const char* key;
    std::optional<double> (*value)(const RunLogEntry&);
};

const ResultColumn kResults[] = {
    {"finished", [](const RunLogEntry& e) { return std::optional<double>(e.finished ? 1 : 0); }},
    {"ticks", [](const RunLogEntry& e) { return std::optional<double>(e.figures.ticks); }},
    // The simulated h_max beside the textbook's: the largest chip of one tooth, as the
    // measurements window compares them.
    {"largest_tooth_chip_mm",
     [](const RunLogEntry& e) { return std::optional(e.measurements.simulated.largestToothChip); }},
    {"largest_force_n",
     [](const RunLogEntry& e) { return std::optional(e.measurements.simulated.largestForce); }},
    {"mean_force_n",
     [](const RunLogEntry& e) { return std::optional(e.measurements.simulated.meanForce); }},
    {"last_revolution_mean_force_n",
     [](const RunLogEntry& e) {
         return std::optional(e.measurements.simulated.lastRevolutionMean);
     }},
    {"power_kw",
     [](const RunLogEntry& e) { return std::optional(e.measurements.simulated.power); }},
    {"torque_n_m",
     [](const RunLogEntry& e) { return std::optional(e.measurements.simulated.torque); }},
    {"textbook_max_chip_mm",
     [](const RunLogEntry& e) { return std::optional(e.measurements.textbook.maxChip); }},
    {"textbook_force_at_max_chip_n",
     [](const RunLogEntry& e) { return e.measurements.textbook.forceAtMaxChip; }},
    {"textbook_mean_cutter_force_n",
     [](const RunLogEntry& e) { return e.measurements.textbook.meanCutterForce; }},
    {"textbook_power_kw", [](const RunLogEntry& e) { return e.measurements.textbook.power; }},
    {"textbook_torque_n_m", [](const RunLogEntry& e) { return e.measurements.textbook.torque; }},
    {"mean_force_difference_percent",
     [](const RunLogEntry& e) { return e.measurements.compared.meanForce.differencePercent; }},
};

std::string InputText(const nlohmann::ordered_json& value) {
    if (value.is_string()) {
        return value.get<std::string>();
    }
    if (value.is_null()) {
        return {};
    }
    if (value.is_number_float()) {
        return lab::FormatReal(value.get<double>());
    }
    return value.dump();
}

std::string CsvCell(const std::string& text) {
    if (text.find_first_of(",\"\n") == std::string::npos) {
        return text;
    }
    std::string quoted = "\"";
    for (const char c : text) {
        quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
    }
    return quoted + '"';
}

} // namespace

void RunLog::Add(const sim::SimState& s, const sim::RunFigures& figures, bool finished) {
    entries_.push_back({lab::ReportInputs(s), figures, sim::Measure(s, figures), finished});
}

void RunLog::Remove(int i) {
    if (i >= 0 && i < Size()) {
        entries_.erase(entries_.begin() + i);
    }
}

std::vector<std::string> RunLog::Columns() {
    std::vector<std::string> columns;
    const nlohmann::ordered_json inputs = lab::ReportInputs(sim::SimState{});
    for (const auto& item : inputs.items()) {
        columns.push_back(item.key());
    }
    for (const ResultColumn& result : kResults) {
        columns.emplace_back(result.key);
    }
    return columns;
}

int RunLog::InputColumns() {
    return static_cast<int>(lab::ReportInputs(sim::SimState{}).size());
}

std::vector<std::string> RunLog::Cells(int i) const {
    const RunLogEntry& entry = Entry(i);
    std::vector<std::string> cells;
    for (const auto& item : entry.inputs.items()) {
        cells.push_back(InputText(item.value()));
    }
    for (const ResultColumn& result : kResults) {
        const std::optional<double> value = result.value(entry);
        cells.push_back(value ? lab::FormatReal(*value) : std::string());
    }
    return cells;
}

std::vector<bool> RunLog::DiffersFromPrevious(int i) const {
    std::vector<bool> differs;
    const RunLogEntry& entry = Entry(i);
    for (const auto& item : entry.inputs.items()) {
        differs.push_back(i > 0 && Entry(i - 1).inputs[item.key()] != item.value());
    }
    return differs;
}

void RunLog::WriteCsv(std::ostream& out) const {
    const auto line = [&out](const std::vector<std::string>& cells) {
        for (size_t c = 0; c < cells.size(); ++c) {
            out << (c > 0 ? "," : "") << CsvCell(cells[c]);
        }
        out << '\n';
    };
    line(Columns());
    for (int i = 0; i < Size(); ++i) {
        line(Cells(i));
    }
}

} // namespace app
