#include "app/trace_log.h"
#include "lab/run_csv.h"

#include "batch/batch_run.h"
#include "sim/cutting_inputs.h"
#include "sim/materials.h"
#include "sim/scenarios.h"
#include "sim/tooth_forces.h"

#include <gtest/gtest.h>
#include <sstream>
#include <string>

namespace app {
namespace {

std::string Csv(const TraceLog& log) {
    std::ostringstream out;
    log.WriteCsv(out);
    return out.str();
}

size_t CountLines(const std::string& text, const std::string& prefix) {
    size_t count = 0;
    for (size_t at = 0; at < text.size(); at = text.find('\n', at) + 1) {
        count += text.compare(at, prefix.size(), prefix) == 0;
    }
    return count;
}

TEST(TraceLog, BeginsWithTheInputsThenTheHeader) {
    TraceLog log;
    EXPECT_FALSE(log.Started());
    sim::SimState s = sim::StartedState(sim::MillingDirection::Down);
    sim::RunTick(s, nullptr);
    log.RecordTick(s); // before Begin: not recorded
    EXPECT_EQ(log.Figures().ticks, 0);

    log.Begin(s);
    const std::string csv = Csv(log);
    EXPECT_EQ(csv.rfind("# cutter_diameter_mm=100\n# teeth=8\n", 0), 0u) << csv;
    EXPECT_NE(csv.find("# depth_mm=10.0\n"), std::string::npos);
    EXPECT_NE(csv.find("# workpiece_material=28Cr4\n# tool_material=P30\n# direction=down\n"),
              std::string::npos);
    EXPECT_NE(csv.find("# direction=down\n# force_model=sum\n# radial_force_ratio=0.4\n"),
              std::string::npos);
    EXPECT_EQ(CountLines(csv, "# "), 14u);
    EXPECT_EQ(csv.substr(csv.size() - std::string(lab::kCsvHeader).size() - 1),
              std::string(lab::kCsvHeader) + "\n");
}

// Each row is the batch runner's row of the same tick; an input changed during the run is a
// comment line before the row of the tick that first uses it.
TEST(TraceLog, RowsAreTheBatchRowsAndInputChangesAreCommentedAtTheirTick) {
    sim::SimState s = sim::StartedState();
    TraceLog log;
    log.Begin(s);
    std::ostringstream rows;
    for (int tick = 1; tick <= 5; ++tick) {
        if (tick == 4) {
            ASSERT_TRUE(sim::SetCuttingSpeed(s, "70").applied());
            sim::SelectToolMaterial(s, sim::FindToolMaterial("K40") - 1);
            rows << "# tick=4 cutting_speed_m_per_min=70.0 tool_material=K40\n";
        }
        sim::RunTick(s, nullptr);
        log.RecordTick(s);
        lab::WriteCsvRow(rows, tick, s);
    }
    const std::string csv = Csv(log);
    const std::string header = std::string(lab::kCsvHeader) + "\n";
    EXPECT_EQ(csv.substr(csv.find(header) + header.size()), rows.str());
    EXPECT_EQ(log.Rows(), 5);
    EXPECT_EQ(log.Figures().ticks, 5);

    log.Clear();
    EXPECT_FALSE(log.Started());
    EXPECT_EQ(log.Rows(), 0);
    EXPECT_EQ(log.Figures().ticks, 0);
}

// The force model and K_r are inputs of the run as well: a change during the run is commented
// at the tick that first uses it, also when nothing else changed.
TEST(TraceLog, AForceModelChangeIsCommentedAtItsTick) {
    sim::SimState s = sim::StartedState();
    TraceLog log;
    log.Begin(s);
    for (int tick = 1; tick <= 3; ++tick) {
        if (tick == 3) {
            sim::SetForceModel(s, sim::ForceModel::PerTooth);
            ASSERT_TRUE(sim::SetRadialForceRatio(s, 0.55));
        }
        sim::RunTick(s, nullptr);
        log.RecordTick(s);
    }
    const std::string csv = Csv(log);
    EXPECT_NE(csv.find("\n# tick=3 force_model=tooth radial_force_ratio=0.55\n3,"),
              std::string::npos)
        << csv;
}

TEST(TraceLog, KeepsAtMostItsBoundOfRowsButCountsEveryTick) {
    sim::SimState s = sim::StartedState();
    TraceLog log;
    log.Begin(s);
    for (int i = 0; i < TraceLog::kMaxRows + 2; ++i) {
        s.ForceTrace[sim::kTraceLength] = i == TraceLog::kMaxRows + 1 ? 5000.0 : 0.0;
        log.RecordTick(s);
    }
    EXPECT_EQ(log.Rows(), TraceLog::kMaxRows);
    EXPECT_EQ(log.Figures().ticks, TraceLog::kMaxRows + 2);
    EXPECT_EQ(log.Figures().largestForce, 5000.0); // the figures go on past the bound
    const std::string csv = Csv(log);
    EXPECT_EQ(CountLines(csv, "# the log is full"), 1u);
    EXPECT_EQ(CountLines(csv, std::to_string(TraceLog::kMaxRows) + ","), 1u);
    EXPECT_EQ(CountLines(csv, std::to_string(TraceLog::kMaxRows + 1) + ","), 0u);
}

struct StemCase {
    const char* name;
    int workpiece; // 0: none chosen
    int tool;
    sim::MillingDirection direction;
    const char* stem;
};

class DefaultFileStemTest : public testing::TestWithParam<StemCase> {};

TEST_P(DefaultFileStemTest, NamesMaterialsAndDirection) {
    const StemCase& c = GetParam();
    sim::SimState s = sim::StartupState();
    sim::SelectWorkpieceMaterial(s, c.workpiece - 1);
    sim::SelectToolMaterial(s, c.tool - 1);
    sim::SetMillingDirection(s, c.direction, nullptr);
    EXPECT_EQ(DefaultFileStem(s), c.stem);
}

INSTANTIATE_TEST_SUITE_P(
    Names, DefaultFileStemTest,
    testing::Values(StemCase{"Start", 1, 3, sim::MillingDirection::Up, "glodanje-28Cr4-P30-up"},
                    StemCase{"SpaceInName", 4, 4, sim::MillingDirection::Down,
                             "glodanje-SL_200-K40-down"},
                    StemCase{"NoMaterials", 0, 0, sim::MillingDirection::Up, "glodanje-up"}),
    [](const testing::TestParamInfo<StemCase>& info) { return std::string(info.param.name); });

} // namespace
} // namespace app
