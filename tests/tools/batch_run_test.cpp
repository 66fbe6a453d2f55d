#include "batch/batch_run.h"
#include "lab/run_csv.h"
#include "tools/batch_command.h"

#include "sim/scenarios.h"
#include "sim/tooth_forces.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

namespace batch {
using namespace lab;
namespace {

std::vector<std::string> Split(const std::string& text, char separator) {
    std::vector<std::string> parts;
    std::istringstream in(text);
    for (std::string part; std::getline(in, part, separator);) {
        parts.push_back(part);
    }
    return parts;
}

// The CSV of the default job holds, row by row, exactly the values a run of the core gives.
TEST(RunBatchCommand, DefaultJobWritesEveryTickExactly) {
    const CommandOutput r = RunCommand({"--workpiece", "28Cr4", "--tool", "P30"});
    ASSERT_EQ(r.status, kExitDone) << r.err;
    const std::vector<std::string> lines = Split(r.out, '\n');
    ASSERT_EQ(lines.size(), 1557u);
    EXPECT_EQ(lines[0], kCsvHeader);

    sim::SimState s = sim::StartedState();
    int firstForceTick = 0;
    for (size_t tick = 1; tick < lines.size(); ++tick) {
        sim::RunTick(s, nullptr);
        const std::vector<std::string> cells = Split(lines[tick], ',');
        ASSERT_EQ(cells.size(), 9u);
        const auto real = [&cells](int i) { return std::strtod(cells[i].c_str(), nullptr); };
        ASSERT_EQ(std::stoi(cells[0]), static_cast<int>(tick));
        ASSERT_EQ(real(1), s.TimeAxis[313]) << tick;
        ASSERT_EQ(real(2), s.ChipSumTrace[313]) << tick;
        ASSERT_EQ(real(3), s.ChipTrace[313]) << tick;
        ASSERT_EQ(real(4), s.ForceTrace[313]) << tick;
        ASSERT_EQ(real(5), s.MeanForceTrace[313]) << tick;
        ASSERT_EQ(real(6), s.FeedTravel) << tick;
        ASSERT_EQ(std::stoi(cells[7]), s.ActiveTeethCount) << tick;
        ASSERT_EQ(real(8), s.Phase) << tick;
        if (firstForceTick == 0 && s.ForceTrace[313] != 0) {
            firstForceTick = static_cast<int>(tick);
        }
    }
    EXPECT_FALSE(s.TimerEnabled);
    const std::vector<std::string> summary = Split(r.err, '\n');
    ASSERT_EQ(summary.size(), 8u); // five run figures, then power, torque, textbook force
    EXPECT_EQ(summary[0], "ticks run: 1556");
    EXPECT_EQ(summary[1], "first non-zero force at tick: " + std::to_string(firstForceTick));
    EXPECT_EQ(summary[4],
              "last revolution mean force: " + FormatReal(s.MeanForceTrace[313]) + " N");
}

TEST(RunBatchCommand, TicksLimitTheRun) {
    const CommandOutput r = RunCommand({"--workpiece", "AlSi8", "--tool", "K50", "--ticks", "5"});
    ASSERT_EQ(r.status, kExitDone);
    EXPECT_EQ(Split(r.out, '\n').size(), 6u);
    EXPECT_EQ(Split(r.err, '\n')[0], "ticks run: 5");
    EXPECT_EQ(Split(r.err, '\n')[1], "first non-zero force at tick: none");
}

struct FailureCase {
    std::vector<std::string> args;
    int status;
    const char* err;
};

std::ostream& operator<<(std::ostream& os, const FailureCase& c) {
    for (const std::string& a : c.args) {
        os << a << ' ';
    }
    return os;
}

class FailingCommandTest : public ::testing::TestWithParam<FailureCase> {};

TEST_P(FailingCommandTest, StopsBeforeAnyTick) {
    const CommandOutput r = RunCommand(GetParam().args);
    EXPECT_EQ(r.status, GetParam().status);
    EXPECT_EQ(r.err, GetParam().err);
    EXPECT_EQ(r.out, "");
}

INSTANTIATE_TEST_SUITE_P(
    Commands, FailingCommandTest,
    ::testing::Values(
        FailureCase{{}, kExitBadInput, "Izaberite materijal alata i obratka!\n"},
        FailureCase{{"--workpiece", "C35"}, kExitBadInput, "Materijal alata nije zadat!\n"},
        FailureCase{{"--tool", "P30"}, kExitBadInput, "Materijal obratka nije zadat!\n"},
        FailureCase{{"--teeth", "0", "--workpiece", "C35", "--tool", "P30"},
                    kExitBadInput,
                    "glodanje-batch: --teeth: 0 is outside 4..20\n"},
        FailureCase{{"--diameter", "50", "--depth", "25.5", "--workpiece", "C35", "--tool", "P30"},
                    kExitBadInput,
                    "glodanje-batch: --depth: 25.5 is outside 0.5..25\n"},
        FailureCase{{"--speed", "", "--workpiece", "C35", "--tool", "P30"},
                    kExitBadInput,
                    "glodanje-batch: --speed: '' is not a valid integer value\n"},
        FailureCase{{"--workpiece", "C35", "--tool", "P30", "--ticks", "1", "--csv",
                     "/nonexistent-dir/x.csv"},
                    kExitCannotWrite,
                    "glodanje-batch: cannot write '/nonexistent-dir/x.csv'\n"},
        FailureCase{{"--workpiece", "C35", "--tool", "P30", "--csv", "/nonexistent-dir/a\nb"},
                    kExitCannotWrite,
                    "glodanje-batch: cannot write '/nonexistent-dir/a\\nb'\n"},
        FailureCase{{"--speed", "6\n0", "--workpiece", "C35", "--tool", "P30"},
                    kExitBadInput,
                    "glodanje-batch: --speed: '6\\n0' is not a valid integer value\n"},
        FailureCase{{"--frobnicate"},
                    kExitBadInput,
                    "glodanje-batch: unknown option '--frobnicate' (see --help)\n"},
        // Deeper than half the diameter, whatever the diameter.
        FailureCase{{"--diameter", "180", "--depth", "90.5", "--workpiece", "C35", "--tool", "P30"},
                    kExitBadInput,
                    "glodanje-batch: --depth: 90.5 is outside 0.5..90\n"},
        // Too large for the field's tenths: the message quotes what was typed.
        FailureCase{{"--depth", "999999999.9", "--workpiece", "C35", "--tool", "P30"},
                    kExitBadInput,
                    "glodanje-batch: --depth: 999999999.9 is outside 0.5..50\n"},
        // An error that stops the run comes alone, without the warnings of earlier inputs.
        FailureCase{{"--teeth", "6", "--clearance", "9", "--speed", "x", "--workpiece", "C35",
                     "--tool", "P30"},
                    kExitBadInput,
                    "glodanje-batch: --speed: 'x' is not a valid integer value\n"},
        FailureCase{{"--teeth", "6", "--clearance", "9"},
                    kExitBadInput,
                    "Izaberite materijal alata i obratka!\n"},
        FailureCase{{"--workpiece", "C4130", "--tool", "C7680", "--csv", "/nonexistent-dir/x.csv"},
                    kExitCannotWrite,
                    "glodanje-batch: cannot write '/nonexistent-dir/x.csv'\n"},
        // Line breaks inside a value stay inside the one line of the message.
        FailureCase{{"--speed", "6\n0", "--workpiece", "C35", "--tool", "P30"},
                    kExitBadInput,
                    "glodanje-batch: --speed: '6\\n0' is not a valid integer value\n"}));

TEST(RunBatchCommand, HelpGoesToStandardOutput) {
    const CommandOutput r = RunCommand({"--help"});
    EXPECT_EQ(r.status, kExitDone);
    EXPECT_EQ(r.out, UsageText());
    EXPECT_EQ(r.err, "");
}

// The per-tooth model puts its tangential force in the force columns and changes nothing else
// of the CSV; K_r changes only the feed and normal forces, which the CSV does not hold.
TEST(RunBatchCommand, ThePerToothModelChangesOnlyTheForceColumns) {
    const std::vector<std::string> job = {"--workpiece", "28Cr4",   "--tool",
                                          "P30",         "--ticks", "700"};
    const auto run = [&job](std::vector<std::string> more) {
        more.insert(more.begin(), job.begin(), job.end());
        return RunCommand(more);
    };
    const CommandOutput plain = run({});
    const CommandOutput sum = run({"--model", "sum", "--radial-ratio", "0.6"});
    const CommandOutput tooth = run({"--model", "tooth"});
    ASSERT_EQ(tooth.status, kExitDone) << tooth.err;
    EXPECT_EQ(sum.out, plain.out);
    EXPECT_EQ(sum.err, plain.err);

    sim::SimState s = sim::StartedState();
    sim::SetForceModel(s, sim::ForceModel::PerTooth);
    const std::vector<std::string> plainRows = Split(plain.out, '\n');
    const std::vector<std::string> toothRows = Split(tooth.out, '\n');
    ASSERT_EQ(toothRows.size(), plainRows.size());
    EXPECT_EQ(toothRows[0], plainRows[0]);
    int differing = 0;
    for (size_t row = 1; row < toothRows.size(); ++row) {
        sim::RunTick(s, nullptr);
        std::vector<std::string> cells = Split(toothRows[row], ',');
        std::vector<std::string> plainCells = Split(plainRows[row], ',');
        ASSERT_EQ(cells.size(), 9u);
        EXPECT_EQ(cells[4], FormatReal(s.TangentialTrace[313])) << row;
        EXPECT_EQ(cells[5], FormatReal(s.MeanTangentialTrace[313])) << row;
        differing += cells[4] != plainCells[4] ? 1 : 0;
        for (size_t column : {4u, 5u}) {
            cells[column].clear();
            plainCells[column].clear();
        }
        EXPECT_EQ(cells, plainCells) << row;
    }
    EXPECT_GT(differing, 100);
}

// An example exercise runs exactly as the same inputs given as options.
TEST(RunBatchCommand, ScenarioRunsAsItsOptions) {
    const CommandOutput fromFile =
        RunCommand({"--scenario", GLODANJE_EXAMPLES "/nagib_seciva.glodanje", "--ticks", "40"});
    const CommandOutput fromOptions =
        RunCommand({"--teeth", "6", "--helix", "0", "--feed", "300", "--depth", "20", "--width",
                    "40", "--workpiece", "C35", "--tool", "P30", "--ticks", "40"});
    ASSERT_EQ(fromFile.status, kExitDone) << fromFile.err;
    EXPECT_EQ(fromFile.out, fromOptions.out);
    EXPECT_EQ(fromFile.err, fromOptions.err);
    EXPECT_EQ(RunCommand({"--scenario", GLODANJE_EXAMPLES}).status, kExitBadInput);
}

} // namespace
} // namespace batch
