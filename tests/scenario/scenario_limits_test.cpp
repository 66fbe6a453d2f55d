// The limits of a scenario file, field by field: a value at the field's minimum or maximum is
// read (and applied to a fresh window's state), one step beyond either end is refused as
// outside the limits with the key and its line named; the first and last item of each list and
// both directions are read.
#include "scenario/scenario_file.h"

#include "sim/field_text.h"
#include "sim/startup.h"
#include "support/field_limits.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <set>
#include <string>

namespace scenario {
namespace {

namespace fs = std::filesystem;

using test_support::FieldLimit;
using test_support::kFieldLimits;

// Each read gets a file of its own name: the settings reader may keep a file it has read.
ReadResult ReadText(const std::string& name, const std::string& content) {
    static int files = 0;
    const fs::path path =
        fs::temp_directory_path() /
        ("glodanje-limits-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
         "-" + name + "-" + std::to_string(++files) + kFileExtension);
    std::ofstream(path, std::ios::binary) << content;
    ReadResult read = ReadScenarioFile(path.string());
    fs::remove(path);
    return read;
}

class ScenarioLimits : public ::testing::TestWithParam<FieldLimit> {};

TEST_P(ScenarioLimits, EndsAreReadAndOneStepBeyondIsRefused) {
    const FieldLimit& c = GetParam();
    const sim::InputFieldSpec* fieldRow = sim::FindInputField(c.key);
    ASSERT_NE(fieldRow, nullptr);
    sim::SimState fresh;
    sim::InitialiseState(fresh);
    for (const char* value : {c.lowest, c.highest}) {
        const ReadResult read =
            ReadText(c.key, std::string("[glodanje]\ntitle=t\n") + c.key + "=" + value + "\n");
        ASSERT_TRUE(read.scenario) << c.key << '=' << value << ": " << DescribeError(read.error);
        const std::optional<int32_t> held = (*read.scenario)[fieldRow->field];
        ASSERT_TRUE(held) << c.key;
        EXPECT_EQ(sim::FieldValueText(*fieldRow, *held), value);
        EXPECT_FALSE(CheckAgainstState(*read.scenario, fresh, "f")) << c.key << '=' << value;
    }
    for (const char* value : {c.below, c.above}) {
        const ReadResult read =
            ReadText(c.key, std::string("[glodanje]\ntitle=t\n") + c.key + "=" + value + "\n");
        ASSERT_FALSE(read.scenario) << c.key << '=' << value;
        EXPECT_EQ(read.error.kind, ErrorKind::OutOfLimits) << DescribeError(read.error);
        EXPECT_EQ(read.error.key, c.key);
        EXPECT_EQ(read.error.line, 3);
        EXPECT_EQ(read.error.value, value);
    }
}

INSTANTIATE_TEST_SUITE_P(Fields, ScenarioLimits, ::testing::ValuesIn(kFieldLimits),
                         [](const ::testing::TestParamInfo<FieldLimit>& info) {
                             return std::string(info.param.key);
                         });

TEST(ScenarioLimits, EveryFieldOfTheTableHasARow) {
    std::set<std::string> rows;
    for (const FieldLimit& c : kFieldLimits) {
        rows.insert(c.key);
    }
    EXPECT_EQ(rows.size(), sim::kInputFields.size());
    for (const sim::InputFieldSpec& fieldRow : sim::kInputFields) {
        EXPECT_EQ(rows.count(fieldRow.key), 1u) << fieldRow.key;
    }
}

// Both ends of the lists and both directions are names a file may give.
TEST(ScenarioLimits, ListEndsAndDirectionsAreRead) {
    const struct {
        const char* workpiece;
        const char* tool;
        const char* direction;
        int32_t workpieceRow;
        int32_t toolRow;
        sim::MillingDirection milling;
    } rows[] = {{"28Cr4", "C7680", "up", 1, 1, sim::MillingDirection::Up},
                {"AlSi8", "K50", "down", 10, 5, sim::MillingDirection::Down}};
    for (const auto& row : rows) {
        const ReadResult read =
            ReadText("lists", std::string("[glodanje]\nworkpiece=") + row.workpiece +
                                  "\ntool=" + row.tool + "\ndirection=" + row.direction + "\n");
        ASSERT_TRUE(read.scenario) << DescribeError(read.error);
        EXPECT_EQ(read.scenario->workpieceMaterial, row.workpieceRow);
        EXPECT_EQ(read.scenario->toolMaterial, row.toolRow);
        EXPECT_EQ(read.scenario->direction, row.milling);
    }
}

} // namespace
} // namespace scenario
