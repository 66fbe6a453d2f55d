// Every number glodanje-batch writes for a run, checked against values worked out in the test
// (support/lab_reference.h): each key of --report, and each column of a sweep's CSV against
// the report of the single run with the same inputs. Inputs with distinct values, a tool that
// does not suit the workpiece, down milling, the per-tooth model and a K_r other than the start's
// keep any two columns from agreeing by chance.
#include "batch/batch_run.h"
#include "lab/run_csv.h"
#include "lab/sweep.h"
#include "sim/input_fields.h"
#include "sim/materials.h"
#include "sim/startup.h"
#include "sim/tooth_forces.h"
#include "support/field_limits.h"
#include "support/lab_reference.h"
#include "tools/batch_command.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace batch {
using namespace lab;
namespace {

namespace fs = std::filesystem;
using json = nlohmann::json;

// The inputs of the run: one option per input, no two alike.
const std::vector<std::string> kInputs = {
    "--diameter", "130",   "--teeth",        "14",  "--rake",      "13",    "--clearance", "17",
    "--helix",    "35",    "--speed",        "90",  "--feed",      "270",   "--depth",     "15.5",
    "--width",    "40",    "--tool",         "K40", "--workpiece", "C4130", "--direction", "down",
    "--model",    "tooth", "--radial-ratio", "0.35"};

fs::path TempPath(const std::string& name) {
    return fs::temp_directory_path() /
           ("glodanje-columns-" +
            std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "-" + name);
}

json ReportOf(const std::vector<std::string>& inputs) {
    const fs::path path = TempPath("report.json");
    std::vector<std::string> args = inputs;
    args.insert(args.end(), {"--report", path.string(), "--csv", TempPath("run.csv").string()});
    const CommandOutput r = RunCommand(args);
    EXPECT_EQ(r.status, kExitDone) << r.err;
    std::ifstream file(path);
    json report = json::parse(file);
    fs::remove(path);
    fs::remove(TempPath("run.csv"));
    return report;
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
    const json report = ReportOf(kInputs);
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
    const fs::path csv = TempPath("sweep.csv");
    std::vector<std::string> args = kInputs;
    args.insert(args.end(), {"--sweep", "feed=250:270:20", "--csv", csv.string(), "--jobs", "2"});
    const CommandOutput r = RunCommand(args);
    ASSERT_EQ(r.status, kExitDone) << r.err;
    std::ifstream file(csv);
    std::vector<std::vector<std::string>> lines;
    for (std::string line; std::getline(file, line);) {
        lines.push_back(Split(line));
    }
    fs::remove(csv);
    ASSERT_EQ(lines.size(), 3u);
    const std::vector<std::string>& header = lines[0];
    ASSERT_EQ(header.size(), std::size(kSweepColumnKeys) + 1) << "a column without a check";
    EXPECT_EQ(header[0], "value");

    for (const auto& [feed, row] : {std::pair{"250", lines[1]}, std::pair{"270", lines[2]}}) {
        ASSERT_EQ(row.size(), header.size());
        EXPECT_EQ(row[0], feed);
        std::vector<std::string> single = kInputs;
        single[13] = feed; // the value after "--feed"
        const json report = ReportOf(single);
        for (const auto& [column, key] : kSweepColumnKeys) {
            const auto at = std::find(header.begin(), header.end(), column) - header.begin();
            ASSERT_LT(static_cast<size_t>(at), header.size()) << column;
            EXPECT_EQ(row[at], FormatReal(report[json::json_pointer(key)].get<double>()))
                << column << " at feed " << feed;
        }
    }
}

using test_support::FieldLimit;

// The options of the batch runner's inputs: the fields but the chart's axes.
std::vector<FieldLimit> OptionLimits() {
    std::vector<FieldLimit> rows;
    for (const FieldLimit& row : test_support::kFieldLimits) {
        if (IsRunInput(*sim::FindInputField(row.key))) {
            rows.push_back(row);
        }
    }
    return rows;
}

// Each option of an input at its field's minimum and maximum is taken, one step beyond is
// refused with the option named. The depth's maximum is half the default diameter.
class BatchOptionLimits : public ::testing::TestWithParam<FieldLimit> {};

TEST_P(BatchOptionLimits, EndsAreTakenAndOneStepBeyondIsRefused) {
    const FieldLimit& c = GetParam();
    const std::string option = std::string("--") + c.key;
    const auto run = [&](const char* value) {
        return RunCommand({option, value, "--ticks", "1", "--workpiece", "C35", "--tool", "P30",
                           "--csv", TempPath(std::string(c.key) + ".csv").string()});
    };
    for (const char* value : {c.lowest, c.highest}) {
        const CommandOutput r = run(value);
        EXPECT_EQ(r.status, kExitDone) << option << ' ' << value << ": " << r.err;
    }
    for (const char* value : {c.below, c.above}) {
        const CommandOutput r = run(value);
        EXPECT_EQ(r.status, kExitBadInput) << option << ' ' << value;
        EXPECT_NE(r.err.find(option), std::string::npos) << r.err;
    }
    fs::remove(TempPath(std::string(c.key) + ".csv"));
}

INSTANTIATE_TEST_SUITE_P(Inputs, BatchOptionLimits, ::testing::ValuesIn(OptionLimits()),
                         [](const ::testing::TestParamInfo<FieldLimit>& info) {
                             return std::string(info.param.key);
                         });

// A sweep over an input's whole range is taken; a range one step beyond either end is refused.
TEST(SweepLimits, WholeRangeTakenOneStepBeyondRefused) {
    for (const FieldLimit& c : OptionLimits()) {
        const std::string key = std::string(c.key) + "=";
        const std::string whole = key + c.lowest + ":" + c.highest;
        EXPECT_TRUE(ParseSweepText(whole).plan) << whole << ": " << ParseSweepText(whole).error;
        for (const std::string& beyond :
             {key + c.below + ":" + c.highest, key + c.lowest + ":" + c.above}) {
            const SweepParse parsed = ParseSweepText(beyond);
            EXPECT_FALSE(parsed.plan) << beyond;
            EXPECT_NE(parsed.error.find(c.key), std::string::npos) << parsed.error;
        }
    }
}

// The other options with limits: --ticks from 0, --jobs from 1 to 256.
TEST(BatchOptionLimits, TicksAndJobs) {
    const auto status = [](std::vector<std::string> args) {
        args.insert(args.end(), {"--workpiece", "C35", "--tool", "P30"});
        return RunCommand(args).status;
    };
    EXPECT_EQ(status({"--ticks", "0"}), kExitDone);
    EXPECT_EQ(status({"--ticks", "-1"}), kExitBadInput);
    for (const char* jobs : {"1", "256"}) {
        EXPECT_EQ(status({"--ticks", "1", "--sweep", "feed=40:50", "--jobs", jobs}), kExitDone)
            << jobs;
    }
    for (const char* jobs : {"0", "257"}) {
        EXPECT_EQ(status({"--ticks", "1", "--sweep", "feed=40:50", "--jobs", jobs}), kExitBadInput)
            << jobs;
    }
}

// K_r from 0.2 to 0.6, with a point or a comma.
TEST(BatchOptionLimits, RadialRatio) {
    const auto status = [](const char* ratio) {
        return RunCommand({"--radial-ratio", ratio, "--ticks", "1", "--workpiece", "C35", "--tool",
                           "P30", "--csv", TempPath("ratio.csv").string()})
            .status;
    };
    for (const char* ratio : {"0.2", "0,2", "0.6", "0.45"}) {
        EXPECT_EQ(status(ratio), kExitDone) << ratio;
    }
    for (const char* ratio : {"0.15", "0.65", "0.1999999", "-0.4"}) {
        EXPECT_EQ(status(ratio), kExitBadInput) << ratio;
    }
    fs::remove(TempPath("ratio.csv"));
}

TEST(BatchOptionLimits, EveryInputOfTheTableHasARow) {
    std::set<std::string> rows;
    for (const FieldLimit& c : OptionLimits()) {
        rows.insert(c.key);
    }
    for (const sim::InputFieldSpec& fieldRow : sim::kInputFields) {
        EXPECT_EQ(rows.count(fieldRow.key), IsRunInput(fieldRow) ? 1u : 0u) << fieldRow.key;
    }
}

} // namespace
} // namespace batch
