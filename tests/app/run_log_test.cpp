#include "app/run_log.h"

#include "lab/run_csv.h"

#include "sim/cutting_inputs.h"
#include "sim/scenarios.h"

#include <gtest/gtest.h>
#include <sstream>
#include <string>

namespace app {
namespace {

sim::RunFigures RunToEnd(sim::SimState& s) {
    sim::RunFigures figures;
    while (s.TimerEnabled) {
        sim::RunTick(s, nullptr);
        sim::RecordTick(figures, s);
    }
    return figures;
}

int ColumnOf(const std::string& key) {
    const std::vector<std::string> columns = RunLog::Columns();
    return static_cast<int>(std::find(columns.begin(), columns.end(), key) - columns.begin());
}

TEST(RunLog, RowsHoldInputsAndResultsAndMarkTheInputThatDiffers) {
    RunLog log;
    sim::SimState up = sim::StartedState(sim::MillingDirection::Up);
    log.Add(up, RunToEnd(up), true);
    sim::SimState down = sim::StartedState(sim::MillingDirection::Down);
    log.Add(down, RunToEnd(down), true);
    sim::SimState faster = sim::StartedState(sim::MillingDirection::Down);
    ASSERT_TRUE(sim::SetFeedSpeed(faster, "300").applied());
    log.Add(faster, {}, false);
    ASSERT_EQ(log.Size(), 3);

    const std::vector<std::string> cells = log.Cells(0);
    ASSERT_EQ(cells.size(), RunLog::Columns().size());
    EXPECT_EQ(cells[ColumnOf("direction")], "up");
    EXPECT_EQ(cells[ColumnOf("workpiece_material")], "28Cr4");
    EXPECT_EQ(cells[ColumnOf("largest_force_n")], "1996.828186270998");
    EXPECT_EQ(cells[ColumnOf("last_revolution_mean_force_n")], "1239.9036389401344");
    EXPECT_EQ(cells[ColumnOf("finished")], "1");
    EXPECT_EQ(log.Cells(1)[ColumnOf("largest_force_n")], "1971.7107257779196");
    EXPECT_EQ(log.Cells(2)[ColumnOf("finished")], "0");

    const auto marked = [&log](int row) {
        std::vector<std::string> keys;
        const std::vector<bool> differs = log.DiffersFromPrevious(row);
        EXPECT_EQ(static_cast<int>(differs.size()), RunLog::InputColumns());
        for (size_t c = 0; c < differs.size(); ++c) {
            if (differs[c])
                keys.push_back(RunLog::Columns()[c]);
        }
        return keys;
    };
    EXPECT_TRUE(marked(0).empty());
    EXPECT_EQ(marked(1), std::vector<std::string>{"direction"});
    EXPECT_EQ(marked(2), std::vector<std::string>{"feed_speed_mm_per_min"});

    log.Remove(7); // outside: nothing
    log.Remove(-1);
    EXPECT_EQ(log.Size(), 3);
    log.Remove(1);
    EXPECT_EQ(log.Cells(1)[ColumnOf("feed_speed_mm_per_min")], "300");
    EXPECT_EQ(marked(1), (std::vector<std::string>{"feed_speed_mm_per_min", "direction"}));
}

TEST(RunLog, CsvHasTheKeysThenOneLinePerRowWithTextQuotedWhereNeeded) {
    RunLog log;
    std::ostringstream empty;
    log.WriteCsv(empty);
    const std::string header = empty.str();
    EXPECT_EQ(header.rfind("cutter_diameter_mm,teeth,", 0), 0u);
    EXPECT_EQ(std::count(header.begin(), header.end(), '\n'), 1);

    sim::SimState s = sim::StartupState(); // no material: textbook forces are empty cells
    log.Add(s, {}, false);
    std::ostringstream out;
    log.WriteCsv(out);
    const std::string row = out.str().substr(out.str().find('\n') + 1);
    EXPECT_EQ(row.rfind("100,8,0.17452777777777778,", 0), 0u) << row;
    EXPECT_NE(row.find(",,up,sum," + lab::FormatReal(0.4) + ",0,0,"), std::string::npos) << row;
    EXPECT_EQ(std::count(row.begin(), row.end(), ','),
              static_cast<long>(RunLog::Columns().size() - 1));
    log.Clear();
    EXPECT_EQ(log.Size(), 0);
}

} // namespace
} // namespace app
