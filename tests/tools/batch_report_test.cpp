#include "batch/batch_run.h"
#include "lab/run_csv.h"

#include "sim/scenarios.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace batch {
using namespace lab;
namespace {

namespace fs = std::filesystem;

fs::path ReportTempPath(const std::string& name) {
    return fs::temp_directory_path() /
           ("glodanje-report-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
            "-" + name);
}

// The report of a whole run, read back, holds the very numbers the core gives for that run.
TEST(ReportOption, WritesTheMeasurementsOfTheRunAsJson) {
    const fs::path path = ReportTempPath("down.json");
    std::ostringstream out;
    std::ostringstream err;
    const int status = RunBatchCommand(
        {"--workpiece", "28Cr4", "--tool", "P30", "--direction", "down", "--report", path.string()},
        out, err);
    ASSERT_EQ(status, kExitDone) << err.str();
    std::ifstream file(path);
    const nlohmann::json report = nlohmann::json::parse(file);
    fs::remove(path);

    sim::SimState s = sim::StartedState(sim::MillingDirection::Down);
    sim::RunFigures figures;
    while (s.TimerEnabled) {
        sim::RunTick(s, nullptr);
        sim::RecordTick(figures, s);
    }
    const sim::Measurements m = sim::Measure(s, figures);

    EXPECT_EQ(report["inputs"]["workpiece_material"], "28Cr4");
    EXPECT_EQ(report["inputs"]["tool_material"], "P30");
    EXPECT_EQ(report["inputs"]["direction"], "down");
    EXPECT_EQ(report["inputs"]["depth_mm"].get<double>(), 10.0);
    EXPECT_EQ(report["conditions"]["spindle_speed_rev_per_min"].get<double>(),
              m.conditions.spindleSpeed);
    EXPECT_EQ(report["simulated"]["ticks"], 1556);
    // Every real reads back to the same bits.
    EXPECT_EQ(report["simulated"]["largest_force_n"].get<double>(), figures.largestForce);
    EXPECT_EQ(report["simulated"]["last_revolution_mean_force_n"].get<double>(),
              figures.lastRevolutionMean);
    EXPECT_EQ(report["simulated"]["mean_force_n"].get<double>(), figures.MeanForce());
    EXPECT_EQ(report["simulated"]["power_kw"].get<double>(), m.simulated.power);
    EXPECT_EQ(report["textbook"]["mean_cutter_force_n"].get<double>(), *m.textbook.meanCutterForce);
    EXPECT_NEAR(report["textbook"]["mean_cutter_force_n"].get<double>(), 1140.3, 0.05);
    const nlohmann::json& mean = report["comparison"]["mean_force_n"];
    EXPECT_EQ(mean["simulated"].get<double>(), figures.lastRevolutionMean);
    EXPECT_EQ(mean["difference_percent"].get<double>(), *m.compared.meanForce.differencePercent);

    // The summary names the same power, torque and textbook force.
    EXPECT_NE(err.str().find("cutting power from the last revolution mean: " +
                             FormatReal(m.simulated.power) + " kW\n"),
              std::string::npos)
        << err.str();
    EXPECT_NE(err.str().find("torque from the last revolution mean: " +
                             FormatReal(m.simulated.torque) + " N m\n"),
              std::string::npos);
    EXPECT_NE(err.str().find("textbook mean force z_e F(h_m): " +
                             FormatReal(*m.textbook.meanCutterForce) + " N\n"),
              std::string::npos);
}

TEST(ReportOption, AReportThatCannotBeWrittenStopsBeforeTheRun) {
    const fs::path csv = ReportTempPath("unwritten.csv");
    std::ostringstream out;
    std::ostringstream err;
    const int status = RunBatchCommand({"--workpiece", "28Cr4", "--tool", "P30", "--csv",
                                        csv.string(), "--report", "/nonexistent-dir/r.json"},
                                       out, err);
    EXPECT_EQ(status, kExitCannotWrite);
    EXPECT_NE(err.str().find("cannot write '/nonexistent-dir/r.json'"), std::string::npos);
    EXPECT_EQ(err.str().find("ticks run"), std::string::npos); // no run, no summary
    fs::remove(csv);
}

} // namespace
} // namespace batch
