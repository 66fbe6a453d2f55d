#include "batch/batch_options.h"

#include "sim/field_text.h"

#include "sim/input_fields.h"
#include "sim/materials.h"
#include "support/field_limits.h"
#include "tools/batch_command.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <ostream>
#include <set>
#include <string>
#include <vector>

namespace batch {
using namespace lab;
namespace {

TEST(ParseBatchOptions, ReadsEveryOption) {
    const ParseResult r = ParseBatchOptions(
        {"--diameter",  "80",      "--teeth=10", "--rake",      "5",      "--clearance", "12",
         "--helix",     "0",       "--speed",    "90",          "--feed", "300",         "--depth",
         "7,5",         "--width", "40",         "--workpiece", "SL 200", "--tool",      "K40",
         "--direction", "down",    "--ticks",    "50",          "--csv",  "out.csv"});
    ASSERT_TRUE(r.ok) << r.error;
    const BatchOptions& o = r.options;
    using sim::InputField;
    EXPECT_EQ(o.fields[InputField::Diameter], "80");
    EXPECT_EQ(o.fields[InputField::Teeth], "10");
    EXPECT_EQ(o.fields[InputField::Rake], "5");
    EXPECT_EQ(o.fields[InputField::Clearance], "12");
    EXPECT_EQ(o.fields[InputField::Helix], "0");
    EXPECT_EQ(o.fields[InputField::Speed], "90");
    EXPECT_EQ(o.fields[InputField::Feed], "300");
    EXPECT_EQ(o.fields[InputField::Depth], "75");
    EXPECT_EQ(o.fields[InputField::Width], "40");
    EXPECT_FALSE(o.fields[InputField::ForceMax]);
    EXPECT_FALSE(o.fields[InputField::ChipMax]);
    EXPECT_EQ(o.workpieceMaterial, 4);
    EXPECT_EQ(o.toolMaterial, 4);
    EXPECT_EQ(o.direction, sim::MillingDirection::Down);
    EXPECT_EQ(o.ticks, 50);
    EXPECT_EQ(o.csvPath, "out.csv");
    EXPECT_FALSE(o.help);
}

TEST(ParseBatchOptions, ReadsTheForceModelAndKr) {
    const ParseResult r = ParseBatchOptions({"--model", "tooth", "--radial-ratio=0,35"});
    ASSERT_TRUE(r.ok) << r.error;
    EXPECT_EQ(r.options.forceModel, sim::ForceModel::PerTooth);
    EXPECT_EQ(r.options.radialRatio, 0.35);
    const ParseResult sum = ParseBatchOptions({"--model=sum", "--radial-ratio", "0.6"});
    ASSERT_TRUE(sum.ok) << sum.error;
    EXPECT_EQ(sum.options.forceModel, sim::ForceModel::ChipSum);
    EXPECT_EQ(sum.options.radialRatio, 0.6);
    const ParseResult none = ParseBatchOptions({});
    EXPECT_FALSE(none.options.forceModel);
    EXPECT_FALSE(none.options.radialRatio);
}

// The material options take every name of the core's lists, as the number of its item.
TEST(ParseBatchOptions, TakesEveryMaterialOfTheLists) {
    for (size_t i = 0; i < sim::kWorkpieceMaterialNames.size(); ++i) {
        const ParseResult r = ParseBatchOptions({"--workpiece", sim::kWorkpieceMaterialNames[i]});
        ASSERT_TRUE(r.ok) << r.error;
        EXPECT_EQ(r.options.workpieceMaterial, static_cast<int>(i + 1));
    }
    for (size_t i = 0; i < sim::kToolMaterials.size(); ++i) {
        const ParseResult r = ParseBatchOptions({"--tool", sim::kToolMaterials[i]});
        ASSERT_TRUE(r.ok) << r.error;
        EXPECT_EQ(r.options.toolMaterial, static_cast<int>(i + 1));
    }
}

struct BadArgsCase {
    std::vector<std::string> args;
    const char* error;
};

std::ostream& operator<<(std::ostream& os, const BadArgsCase& c) {
    for (const std::string& a : c.args) {
        os << a << ' ';
    }
    return os;
}

class BadArgumentsTest : public ::testing::TestWithParam<BadArgsCase> {};

TEST_P(BadArgumentsTest, GiveOneLineMessages) {
    const ParseResult r = ParseBatchOptions(GetParam().args);
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.error, GetParam().error);
}

INSTANTIATE_TEST_SUITE_P(
    Arguments, BadArgumentsTest,
    ::testing::Values(
        BadArgsCase{{"--speed"}, "option '--speed' needs a value"},
        BadArgsCase{{"speed", "60"}, "unknown option 'speed' (see --help)"},
        BadArgsCase{{"--sped=60"}, "unknown option '--sped' (see --help)"},
        BadArgsCase{{"--direction", "left"}, "--direction: 'left' is neither up nor down"},
        BadArgsCase{{"--ticks", "-5"}, "--ticks: '-5' is not a whole number of at least 0"},
        BadArgsCase{{"--ticks", "many"}, "--ticks: 'many' is not a whole number of at least 0"},
        BadArgsCase{{"--view-png", ""}, "--view-png: the file name is empty"},
        BadArgsCase{{"--depth", "10.25"},
                    "--depth: '10.25' is not a depth in mm with at most one decimal"},
        BadArgsCase{{"--tool", "HSS"},
                    "--tool: unknown material 'HSS' (valid: C7680, C9681, P30, K40, K50)"},
        BadArgsCase{{"--workpiece", "28cr4"},
                    "--workpiece: unknown material '28cr4' (valid: 28Cr4, C35, C4131, SL 200, "
                    "NL 600-3, C1633, PTEL 65-2, C4130, C1430, AlSi8)"},
        BadArgsCase{{"--csv="}, "--csv: the file name is empty"},
        // Control characters in what the user typed are quoted as escapes: still one line.
        BadArgsCase{{"--work\npiece", "C35"}, "unknown option '--work\\npiece' (see --help)"},
        BadArgsCase{{"--tool", "P30\r\x1b[2J\t"},
                    "--tool: unknown material 'P30\\r\\x1b[2J\\t' (valid: C7680, C9681, P30, "
                    "K40, K50)"},
        BadArgsCase{{"--help=foo"}, "option '--help' takes no value"},
        BadArgsCase{{"--help="}, "option '--help' takes no value"},
        BadArgsCase{{"--sp\need=1"}, "unknown option '--sp\\need' (see --help)"},
        BadArgsCase{{"--direction", "up\r\ndown\t\x1b"},
                    "--direction: 'up\\r\\ndown\\t\\x1b' is neither up nor down"},
        BadArgsCase{{"--tool", "a\\b"},
                    "--tool: unknown material 'a\\\\b' (valid: C7680, C9681, P30, K40, K50)"},
        // Of several complaints the first in argument order; a repetition replaces it.
        BadArgsCase{{"--ticks", "x", "--direction", "left"},
                    "--ticks: 'x' is not a whole number of at least 0"},
        BadArgsCase{{"--ticks", "x", "--direction", "left", "--ticks", "2"},
                    "--direction: 'left' is neither up nor down"},
        BadArgsCase{{"--depth", "10", "--depth", "abc"},
                    "--depth: 'abc' is not a depth in mm with at most one decimal"},
        BadArgsCase{{"--model", "chips"}, "--model: 'chips' is neither sum nor tooth"},
        BadArgsCase{{"--model", "Tooth"}, "--model: 'Tooth' is neither sum nor tooth"},
        BadArgsCase{{"--radial-ratio", "abc"}, "--radial-ratio: 'abc' is not a number"},
        BadArgsCase{{"--radial-ratio", "nan"}, "--radial-ratio: 'nan' is not a number"},
        BadArgsCase{{"--radial-ratio", "4e-1"}, "--radial-ratio: '4e-1' is not a number"},
        BadArgsCase{{"--radial-ratio", ""}, "--radial-ratio: '' is not a number"},
        BadArgsCase{{"--radial-ratio", "0.7"}, "--radial-ratio: 0.7 is outside 0.2..0.6"},
        BadArgsCase{{"--radial-ratio=-0,4"}, "--radial-ratio: -0,4 is outside 0.2..0.6"},
        BadArgsCase{{"--radial-ratio", "0.4\n"}, "--radial-ratio: '0.4\\n' is not a number"}));

// A later value of an option replaces an earlier one for every option alike, also one that
// could not be read.
struct RepeatCase {
    const char* name;
    std::vector<std::string> args;
};

class RepeatedOptionTest : public ::testing::TestWithParam<RepeatCase> {};

TEST_P(RepeatedOptionTest, LaterValueReplacesTheEarlierOne) {
    const ParseResult r = ParseBatchOptions(GetParam().args);
    ASSERT_TRUE(r.ok) << r.error;
    const ParseResult last =
        ParseBatchOptions({GetParam().args[GetParam().args.size() - 2], GetParam().args.back()});
    ASSERT_TRUE(last.ok) << last.error;
    EXPECT_EQ(r.options.fields.texts, last.options.fields.texts);
    EXPECT_EQ(r.options.workpieceMaterial, last.options.workpieceMaterial);
    EXPECT_EQ(r.options.direction, last.options.direction);
    EXPECT_EQ(r.options.ticks, last.options.ticks);
    EXPECT_EQ(r.options.csvPath, last.options.csvPath);
}

INSTANTIATE_TEST_SUITE_P(
    Options, RepeatedOptionTest,
    ::testing::Values(RepeatCase{"Depth", {"--depth", "abc", "--depth", "10.5"}},
                      RepeatCase{"Diameter", {"--diameter", "abc", "--diameter", "120"}},
                      RepeatCase{"Workpiece", {"--workpiece", "x", "--workpiece", "C35"}},
                      RepeatCase{"Direction", {"--direction", "left", "--direction", "down"}},
                      RepeatCase{"Ticks", {"--ticks", "-1", "--ticks", "3"}},
                      RepeatCase{"Csv", {"--csv=", "--csv", "a.csv"}},
                      RepeatCase{"Model", {"--model", "fast", "--model", "tooth"}},
                      RepeatCase{"RadialRatio", {"--radial-ratio", "0.9", "--radial-ratio", "0.3"}},
                      RepeatCase{"DepthValidTwice", {"--depth=12", "--depth", "7"}}),
    [](const ::testing::TestParamInfo<RepeatCase>& info) { return std::string(info.param.name); });

namespace fs = std::filesystem;

fs::path TempPath(const std::string& name) {
    return fs::temp_directory_path() /
           ("glodanje-limits-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
            "-" + name);
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

namespace batch {
namespace {

// The --help text, byte for byte: the inputs part is built from the inputs table.
TEST(UsageText, ListsEveryInputWithItsRange) {
    EXPECT_EQ(
        UsageText(),
        "Usage: glodanje-batch [options]\n"
        "Runs one milling simulation without a window and writes its traces as CSV.\n"
        "\n"
        "Inputs (default: the simulator's start values):\n"
        "  --diameter MM        cutter diameter, 50..180\n"
        "  --teeth N            number of teeth, 4..20\n"
        "  --rake DEG           rake angle, 0..20\n"
        "  --clearance DEG      clearance angle, 5..25 (raised to the minimum for the teeth)\n"
        "  --helix DEG          helix angle, 0..50\n"
        "  --speed M_PER_MIN    cutting speed, 30..120\n"
        "  --feed MM_PER_MIN    feed speed, 40..600\n"
        "  --depth MM           depth of cut, 0.5 to half the diameter, at most one decimal\n"
        "  --width MM           width of cut, 10..100\n"
        "  --workpiece NAME     28Cr4, C35, C4131, SL 200, NL 600-3, C1633, PTEL 65-2, C4130, "
        "C1430, AlSi8\n"
        "  --tool NAME          C7680, C9681, P30, K40, K50\n"
        "  --direction up|down  up milling (default) or down milling\n"
        "  --model sum|tooth    the force the traces show: the force law on the chips of all\n"
        "                       teeth summed (default) or on each tooth's own chip\n"
        "  --radial-ratio R     K_r, a tooth's radial to its tangential force, 0.2..0.6\n"
        "                       (default 0.4; a point or a comma)\n"
        "  --scenario FILE      the inputs, materials, direction and force model of a scenario\n"
        "                       file (.glodanje); options after it override its values\n"
        "\n"
        "Run:\n"
        "  --ticks N            stop after N ticks (default: when the feed ends)\n"
        "  --csv FILE           write the CSV to FILE (default: standard output)\n"
        "  --view-png FILE      write the cutter view at the end of the run (385 x 313)\n"
        "  --chart-png FILE     write the oscillograph at the end of the run (385 x 161)\n"
        "  --report FILE        write the inputs, the cutting conditions, the simulated results\n"
        "                       and the textbook check as JSON\n"
        "  --gif FILE           record the run as an animated GIF: the cutter view above the\n"
        "                       oscillograph (385 x 474), from the start, one frame per tick\n"
        "  --gif-every N        one GIF frame every N ticks (default: 1), and the last tick's\n"
        "  --lang en|sr         language of the warnings, the oscillograph and the sweep\n"
        "                       pictures (default: sr)\n"
        "  --help               show this text\n"
        "\n"
        "Sweep (a series of runs, one CSV row per value):\n"
        "  --sweep KEY=FROM:TO[:STEP]  vary one input (STEP: the field's step); also\n"
        "                       workpiece=all, tool=all, direction=both\n"
        "  --sweep-png FILE     plot the mean force against the input (800 x 500)\n"
        "  --log                logarithmic axes and the fitted power-law exponent\n"
        "  --jobs N             threads (default: the number of cores)\n"
        "\n"
        "A value equal to a field's start value leaves that field as it starts. Both materials\n"
        "must be given. Exit status: 0 done, 1 an output file could not be written, 2 bad "
        "arguments or\n"
        "a missing material.\n");
}

struct ReadmeRow {
    std::string option; // "--diameter MM"
    std::string value;  // "50..180"
};

// The rows of the README's option table, in order.
std::vector<ReadmeRow> ReadmeOptionRows() {
    std::ifstream readme(GLODANJE_README);
    EXPECT_TRUE(readme) << GLODANJE_README;
    std::vector<ReadmeRow> rows;
    std::string line;
    while (std::getline(readme, line)) {
        if (line.rfind("| `--", 0) != 0) {
            continue;
        }
        const size_t close = line.find("` | ");
        EXPECT_NE(close, std::string::npos) << line;
        std::string value = line.substr(close + 4);
        value.resize(value.size() - std::string(" |").size());
        rows.push_back({line.substr(3, close - 3), value});
    }
    return rows;
}

// The README's option table agrees with the inputs table and the material lists: every input
// the runner offers, in the order it applies them, with its value name and its range.
TEST(Readme, OptionTableAgreesWithTheInputsTable) {
    const std::vector<ReadmeRow> rows = ReadmeOptionRows();
    size_t next = 0;
    for (const sim::InputFieldSpec& fieldSpec : sim::kInputFields) {
        if (!IsRunInput(fieldSpec)) {
            continue;
        }
        ASSERT_LT(next, rows.size()) << fieldSpec.key;
        const ReadmeRow& row = rows[next++];
        EXPECT_EQ(row.option, std::string("--") + fieldSpec.key + " " + OptionValueName(fieldSpec));
        const std::string range = sim::FieldValueText(fieldSpec, fieldSpec.minimum) +
                                  (fieldSpec.maximumFollowsDiameter
                                       ? " up to half the diameter"
                                       : ".." + sim::FieldValueText(fieldSpec, fieldSpec.maximum));
        EXPECT_EQ(row.value.substr(0, range.size()), range) << row.option;
        // Nothing follows the range but a note after a separator.
        if (row.value.size() > range.size()) {
            EXPECT_TRUE(row.value[range.size()] == ';' || row.value[range.size()] == ',')
                << row.option;
        }
    }
    ASSERT_LE(next + 2, rows.size());
    EXPECT_EQ(rows[next].option, "--workpiece NAME");
    EXPECT_EQ(rows[next].value, "28Cr4, C35, C4131, SL 200, NL 600-3, C1633, PTEL 65-2, C4130, "
                                "C1430, AlSi8");
    std::string workpieces;
    for (const sim::WorkpieceMaterialRow& material : sim::kWorkpieceMaterials) {
        workpieces += (workpieces.empty() ? "" : ", ") + std::string(material.name);
    }
    EXPECT_EQ(rows[next].value, workpieces);
    std::string tools;
    for (const char* material : sim::kToolMaterials) {
        tools += (tools.empty() ? "" : ", ") + std::string(material);
    }
    EXPECT_EQ(rows[next + 1].option, "--tool NAME");
    EXPECT_EQ(rows[next + 1].value, tools);
    // Every option the README names is one the runner takes.
    for (const ReadmeRow& row : rows) {
        const std::string name = row.option.substr(0, row.option.find(' '));
        const ParseResult parsed = ParseBatchOptions({name + "=x"});
        EXPECT_EQ(parsed.error.find("unknown option"), std::string::npos) << name;
    }
}

} // namespace
} // namespace batch

namespace batch {
namespace {

// A scenario file in the temporary folder, removed with the object.
class ScenarioFile {
public:
    ScenarioFile(const std::string& name, const std::string& content)
        : path_(std::filesystem::temp_directory_path() / name) {
        std::ofstream(path_, std::ios::binary) << content;
    }
    ~ScenarioFile() { std::filesystem::remove(path_); }
    std::string Path() const { return path_.string(); }

private:
    std::filesystem::path path_;
};

TEST(ScenarioOption, FileGivesValuesAndLaterOptionsOverrideThem) {
    const ScenarioFile file("batch_scenario_values.glodanje", "[glodanje]\n"
                                                              "teeth = 12\n"
                                                              "depth = 12.5\n"
                                                              "chip_max = 0.8\n"
                                                              "workpiece = C35\n"
                                                              "tool = K40\n"
                                                              "direction = down\n"
                                                              "model = tooth\n"
                                                              "radial_ratio = 0.25\n"
                                                              "title = Vežba\n");
    const ParseResult r = ParseBatchOptions({"--teeth", "6", "--feed", "200", "--radial-ratio",
                                             "0.5", "--scenario", file.Path(), "--tool", "P30"});
    ASSERT_TRUE(r.ok) << r.error;
    const BatchOptions& o = r.options;
    EXPECT_EQ(o.fields[sim::InputField::Teeth], "12");  // the file replaces an earlier option
    EXPECT_EQ(o.fields[sim::InputField::Feed], "200");  // the file leaves what it does not give
    EXPECT_EQ(o.fields[sim::InputField::Depth], "125"); // tenths, as the field holds them
    EXPECT_EQ(o.fields[sim::InputField::ChipMax], "8");
    EXPECT_FALSE(o.fields[sim::InputField::Diameter]);
    EXPECT_EQ(o.workpieceMaterial, 2);
    EXPECT_EQ(o.toolMaterial, 3); // the later option wins
    EXPECT_EQ(o.direction, sim::MillingDirection::Down);
    EXPECT_EQ(o.forceModel, sim::ForceModel::PerTooth);
    EXPECT_EQ(o.radialRatio, 0.25);
    const ParseResult later = ParseBatchOptions({"--scenario", file.Path(), "--model", "sum"});
    ASSERT_TRUE(later.ok) << later.error;
    EXPECT_EQ(later.options.forceModel, sim::ForceModel::ChipSum);
}

TEST(ScenarioOption, BadFileStopsWithFileLineAndKey) {
    const ScenarioFile file("batch_scenario_bad.glodanje",
                            "[glodanje]\nteeth = 12\ndiameter = 50\ndepth = 30\n");
    const ParseResult r = ParseBatchOptions({"--scenario", file.Path()});
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.error, "--scenario: " + file.Path() + ":4: key 'depth': 30 is outside 0.5..25");
    const ScenarioFile model("batch_scenario_model.glodanje",
                             "[glodanje]\nmodel = tooth\nradial_ratio = 0.65\n");
    EXPECT_EQ(ParseBatchOptions({"--scenario", model.Path()}).error,
              "--scenario: " + model.Path() + ":3: key 'radial_ratio': 0.65 is outside 0.2..0.6");
    const ParseResult missing = ParseBatchOptions({"--scenario=/nonexistent/x.glodanje"});
    EXPECT_EQ(missing.error, "--scenario: /nonexistent/x.glodanje: no such file");
}

} // namespace
} // namespace batch
