// Every number the lab writes for a run, checked against values worked out in the test
// (support/lab_reference.h): each key of the report, and each column of a sweep's CSV against
// the report of the single run with the same inputs. Inputs with distinct values, a tool that
// does not suit the workpiece, down milling, the per-tooth model and a K_r other than the start's
// keep any two columns from agreeing by chance.
#include "lab/inputs.h"
#include "lab/report.h"
#include "lab/run.h"
#include "lab/run_csv.h"
#include "lab/sweep.h"
#include "sim/input_fields.h"
#include "sim/materials.h"
#include "sim/startup.h"
#include "sim/tooth_forces.h"
#include "support/lab_reference.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <algorithm>
#include <map>
#include <memory>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace lab {
namespace {

using json = nlohmann::json;
using sim::InputField;

// The inputs of the run: every input given, no two alike.
RunInputs TheInputs(const char* feed = "270") {
    RunInputs inputs = lab_test::Inputs({{InputField::Diameter, "130"},
                                         {InputField::Teeth, "14"},
                                         {InputField::Rake, "13"},
                                         {InputField::Clearance, "17"},
                                         {InputField::Helix, "35"},
                                         {InputField::Speed, "90"},
                                         {InputField::Feed, feed},
                                         {InputField::Depth, "155"},
                                         {InputField::Width, "40"}},
                                        "C4130", "K40", sim::MillingDirection::Down);
    inputs.forceModel = sim::ForceModel::PerTooth;
    inputs.radialRatio = 0.35;
    return inputs;
}

// The report of the whole run, as written and read back.
json ReportOf(const RunInputs& inputs) {
    auto s = std::make_unique<sim::SimState>();
    const PrepareResult prepared = PrepareRun(*s, inputs, nullptr);
    EXPECT_TRUE(prepared.ok) << prepared.error;
    const RunSummary summary = RunToEnd(*s, inputs.ticks, nullptr, {});
    std::stringstream text;
    WriteRunReport(text, *s, summary.figures);
    return json::parse(text);
}

// The same run made by the core's own routines, in the test.
sim::SimState StartedWithTheInputs() {
    sim::SimState s;
    sim::InitialiseState(s);
    const std::pair<sim::InputField, const char*> texts[] = {
        {sim::InputField::Diameter, "130"}, {sim::InputField::Teeth, "14"},
        {sim::InputField::Rake, "13"},      {sim::InputField::Clearance, "17"},
        {sim::InputField::Helix, "35"},     {sim::InputField::Speed, "90"},
        {sim::InputField::Feed, "270"},     {sim::InputField::Depth, "155"},
        {sim::InputField::Width, "40"}};
    for (const auto& [field, text] : texts) {
        EXPECT_TRUE(sim::FieldSpec(field).apply(s, text, {}).applied()) << text;
    }
    sim::SelectWorkpieceMaterial(s, sim::FindWorkpieceMaterial("C4130") - 1);
    sim::SelectToolMaterial(s, sim::FindToolMaterial("K40") - 1);
    sim::SetMillingDirection(s, sim::MillingDirection::Down, nullptr);
    sim::SetForceModel(s, sim::ForceModel::PerTooth);
    EXPECT_TRUE(sim::SetRadialForceRatio(s, 0.35));
    EXPECT_TRUE(sim::StartRun(s).mayStart);
    return s;
}

// The pointers of every number and null in the report.
void Leaves(const json& node, const std::string& at, std::map<std::string, json>& out) {
    if (node.is_object()) {
        for (const auto& [key, value] : node.items()) {
            Leaves(value, at + "/" + key, out);
        }
    } else if (node.is_number() || node.is_null()) {
        out[at] = node;
    }
}

TEST(ReportColumns, EveryKeyHoldsItsOwnQuantity) {
    const json report = ReportOf(TheInputs());
    sim::SimState s = StartedWithTheInputs();
    const lab_reference::RunTally tally = lab_reference::RunToTheEnd(s);
    const lab_reference::Values expected = lab_reference::ExpectedReport(s, tally);

    // The inputs as the options gave them, in the units the keys name.
    const double deg = lab_reference::kWindowRadiansPerDegree;
    EXPECT_TRUE(lab_reference::Agrees(*expected.at("/inputs/rake_angle_rad"), 13 * deg))
        << *expected.at("/inputs/rake_angle_rad");
    EXPECT_TRUE(lab_reference::Agrees(*expected.at("/inputs/clearance_angle_rad"), 17 * deg));
    EXPECT_TRUE(lab_reference::Agrees(*expected.at("/inputs/helix_angle_rad"), 35 * deg));
    EXPECT_EQ(*expected.at("/inputs/depth_mm"), 15.5);
    EXPECT_EQ(report["inputs"]["workpiece_material"], "C4130");
    EXPECT_EQ(report["inputs"]["tool_material"], "K40");
    EXPECT_EQ(report["inputs"]["direction"], "down");
    EXPECT_EQ(report["inputs"]["force_model"], "tooth");
    EXPECT_EQ(*expected.at("/inputs/radial_force_ratio"), 0.35);
    // Counts and maxima that could be mistaken for one another differ in this run.
    ASSERT_NE(tally.firstForceTick, tally.forceTicks);
    ASSERT_NE(tally.largestToothChip, tally.largestChip);
    ASSERT_NE(tally.largestChip, tally.largestChipSum);

    std::map<std::string, json> leaves;
    Leaves(report, "", leaves);
    std::set<std::string> keys;
    for (const auto& [at, value] : leaves) {
        keys.insert(at);
        const auto found = expected.find(at);
        ASSERT_NE(found, expected.end()) << at << " has no reference value";
        if (!found->second) {
            EXPECT_TRUE(value.is_null()) << at;
            continue;
        }
        ASSERT_TRUE(value.is_number()) << at;
        EXPECT_TRUE(lab_reference::Agrees(value.get<double>(), *found->second))
            << at << ": " << value.get<double>() << " instead of " << *found->second;
    }
    for (const auto& [at, value] : expected) {
        EXPECT_TRUE(keys.count(at)) << at << " is missing from the report";
    }
}

std::vector<std::string> Split(const std::string& line) {
    std::vector<std::string> cells;
    std::istringstream in(line);
    for (std::string cell; std::getline(in, cell, ',');) {
        cells.push_back(cell);
    }
    if (!line.empty() && line.back() == ',') {
        cells.emplace_back();
    }
    return cells;
}

// Column of the sweep CSV and the key of the single run's report holding the same quantity.
const std::pair<const char*, const char*> kSweepColumnKeys[] = {
    {"ticks", "/simulated/ticks"},
    {"first_force_tick", "/simulated/first_force_tick"},
    {"largest_chip", "/simulated/largest_tooth_chip_mm"},
    {"largest_force", "/simulated/largest_force_n"},
    {"mean_force", "/simulated/mean_force_n"},
    {"last_revolution_mean", "/simulated/last_revolution_mean_force_n"},
    {"power", "/simulated/power_kw"},
    {"torque", "/simulated/torque_n_m"},
    {"textbook_max_chip", "/textbook/max_chip_mm"},
    {"textbook_mean_chip", "/textbook/mean_chip_mm"},
    {"textbook_mean_force", "/textbook/mean_cutter_force_n"},
};

TEST(SweepCsvColumns, EachRowCarriesTheReportOfItsSingleRun) {
    SweepRequest request;
    request.base = TheInputs();
    const SweepParse parsed = ParseSweepText("feed=250:270:20");
    ASSERT_TRUE(parsed.plan) << parsed.error;
    request.plan = *parsed.plan;
    request.jobs = 2;
    std::ostringstream csv;
    WriteSweepCsv(csv, RunSweep(request).rows);
    std::istringstream file(csv.str());
    std::vector<std::vector<std::string>> lines;
    for (std::string line; std::getline(file, line);) {
        lines.push_back(Split(line));
    }
    ASSERT_EQ(lines.size(), 3u);
    const std::vector<std::string>& header = lines[0];
    ASSERT_EQ(header.size(), std::size(kSweepColumnKeys) + 1) << "a column without a check";
    EXPECT_EQ(header[0], "value");

    for (const auto& [feed, row] : {std::pair{"250", lines[1]}, std::pair{"270", lines[2]}}) {
        ASSERT_EQ(row.size(), header.size());
        EXPECT_EQ(row[0], feed);
        const json report = ReportOf(TheInputs(feed));
        for (const auto& [column, key] : kSweepColumnKeys) {
            const auto at = std::find(header.begin(), header.end(), column) - header.begin();
            ASSERT_LT(static_cast<size_t>(at), header.size()) << column;
            EXPECT_EQ(row[at], FormatReal(report[json::json_pointer(key)].get<double>()))
                << column << " at feed " << feed;
        }
    }
}

} // namespace
} // namespace lab
