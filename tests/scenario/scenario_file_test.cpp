#include "scenario/scenario_file.h"

#include "sim/field_text.h"
#include "sim/materials.h"
#include "sim/startup.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <memory>

namespace scenario {
namespace {

namespace fs = std::filesystem;
using sim::InputField;

// A fresh folder per test, so that no two tests share a file name.
class ScenarioFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        std::string name = std::string(info->test_suite_name()) + "_" + info->name();
        for (char& c : name) {
            if (c == '/') {
                c = '_';
            }
        }
        dir_ = fs::temp_directory_path() / ("glodanje_scenario_" + name);
        fs::remove_all(dir_);
        fs::create_directories(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }

    std::string Write(const std::string& content, const std::string& name = "s.glodanje") {
        const fs::path path = dir_ / name;
        std::ofstream(path, std::ios::binary) << content;
        return path.string();
    }

    fs::path dir_;
};

Scenario FullScenario() {
    Scenario s;
    const int32_t values[] = {160, 12, 15, 12, 45, 90, 320, 235, 40, 8000, 7};
    for (size_t i = 0; i < s.fields.size(); ++i) {
        s.fields[i] = values[i];
    }
    s.workpieceMaterial = 10;
    s.toolMaterial = 3;
    s.direction = sim::MillingDirection::Down;
    s.forceModel = sim::ForceModel::PerTooth;
    s.radialRatio = 0.35;
    s.title = "Nagib sečiva i vrh sile";
    s.text = "Prvi red, sa zarezom i \"navodnicima\";\nDrugi red: č ć ž š đ = 100 %";
    return s;
}

TEST_F(ScenarioFileTest, WhatIsWrittenReadsBackTheSame) {
    const Scenario written = FullScenario();
    const std::string path = (dir_ / "full.glodanje").string();
    ASSERT_FALSE(WriteScenarioFile(path, written));
    const ReadResult read = ReadScenarioFile(path);
    ASSERT_TRUE(read.scenario) << DescribeError(read.error);
    EXPECT_EQ(read.scenario->fields, written.fields);
    EXPECT_EQ(read.scenario->workpieceMaterial, 10);
    EXPECT_EQ(read.scenario->toolMaterial, 3);
    EXPECT_EQ(read.scenario->direction, sim::MillingDirection::Down);
    EXPECT_EQ(read.scenario->forceModel, sim::ForceModel::PerTooth);
    EXPECT_EQ(read.scenario->radialRatio, 0.35);
    EXPECT_EQ(read.scenario->title, written.title);
    EXPECT_EQ(read.scenario->text, written.text);
    // Saving again over the file replaces it whole: a smaller scenario leaves no old keys.
    Scenario only;
    only[InputField::Teeth] = 6;
    ASSERT_FALSE(WriteScenarioFile(path, only));
    const ReadResult again = ReadScenarioFile(path);
    ASSERT_TRUE(again.scenario);
    EXPECT_EQ(again.scenario->fields, only.fields);
    EXPECT_EQ(again.scenario->workpieceMaterial, 0);
    EXPECT_FALSE(again.scenario->forceModel);
    EXPECT_FALSE(again.scenario->radialRatio);
    EXPECT_TRUE(again.scenario->title.empty());
}

// The force model and K_r alone make a scenario, written and read as any other keys.
TEST_F(ScenarioFileTest, TheForceModelAloneIsAScenario) {
    const ReadResult read =
        ReadScenarioFile(Write("[glodanje]\nmodel = sum\nradial_ratio = 0.6\n"));
    ASSERT_TRUE(read.scenario) << DescribeError(read.error);
    EXPECT_EQ(read.scenario->forceModel, sim::ForceModel::ChipSum);
    EXPECT_EQ(read.scenario->radialRatio, 0.6);
    EXPECT_EQ(read.scenario->lines.at("radial_ratio"), 3);
    Scenario ratioOnly;
    ratioOnly.radialRatio = 0.2 + 5 * 0.05; // as a control stepping from 0.2 may hold it
    const std::string path = (dir_ / "ratio.glodanje").string();
    ASSERT_FALSE(WriteScenarioFile(path, ratioOnly));
    const ReadResult again = ReadScenarioFile(path);
    ASSERT_TRUE(again.scenario) << DescribeError(again.error);
    EXPECT_EQ(again.scenario->radialRatio, ratioOnly.radialRatio); // every bit
}

// A section with no keys is a scenario that changes nothing; written, it reads back as one.
// Every material of the core's lists is written by its name and read back as its number.
TEST_F(ScenarioFileTest, EveryMaterialOfTheListsReadsBack) {
    const std::string path = (dir_ / "materials.glodanje").string();
    for (size_t i = 0;
         i < std::max(sim::kWorkpieceMaterialNames.size(), sim::kToolMaterials.size()); ++i) {
        Scenario written;
        written.workpieceMaterial =
            static_cast<int32_t>(std::min(i, sim::kWorkpieceMaterialNames.size() - 1) + 1);
        written.toolMaterial =
            static_cast<int32_t>(std::min(i, sim::kToolMaterials.size() - 1) + 1);
        ASSERT_FALSE(WriteScenarioFile(path, written));
        const ReadResult read = ReadScenarioFile(path);
        ASSERT_TRUE(read.scenario) << DescribeError(read.error);
        EXPECT_EQ(read.scenario->workpieceMaterial, written.workpieceMaterial);
        EXPECT_EQ(read.scenario->toolMaterial, written.toolMaterial);
    }
}

TEST_F(ScenarioFileTest, EmptyScenarioIsWrittenAsItsSectionAlone) {
    const std::string path = Write("[glodanje]\nteeth = 8\n", "empty.glodanje");
    ASSERT_FALSE(WriteScenarioFile(path, Scenario{}));
    const ReadResult read = ReadScenarioFile(path);
    ASSERT_TRUE(read.scenario) << DescribeError(read.error);
    EXPECT_EQ(read.scenario->fields, Scenario{}.fields);
    EXPECT_TRUE(read.scenario->lines.empty());
    EXPECT_TRUE(WriteScenarioFile((dir_ / "none" / "x.glodanje").string(), Scenario{}));
}

TEST_F(ScenarioFileTest, HandWrittenFileWithCommentsGivesValuesAndLines) {
    const ReadResult read = ReadScenarioFile(Write("; vežba 1\n"
                                                   "[glodanje]\n"
                                                   "depth = 12.5\n"
                                                   "\n"
                                                   "workpiece = NL 600-3\n"
                                                   "text = Prvo, pa drugo\n"));
    ASSERT_TRUE(read.scenario) << DescribeError(read.error);
    EXPECT_EQ((*read.scenario)[InputField::Depth], 125);
    EXPECT_FALSE((*read.scenario)[InputField::Diameter]);
    EXPECT_EQ(read.scenario->workpieceMaterial, 5);
    EXPECT_EQ(read.scenario->text, "Prvo, pa drugo");
    EXPECT_EQ(read.scenario->lines.at("depth"), 3);
    EXPECT_EQ(read.scenario->lines.at("workpiece"), 5);
}

TEST_F(ScenarioFileTest, WritingWhereNoFileCanBeFails) {
    // A plain file where a folder should be.
    const std::string notAFolder = Write("x", "file");
    const std::optional<ScenarioError> error =
        WriteScenarioFile(notAFolder + "/x.glodanje", FullScenario());
    ASSERT_TRUE(error);
    EXPECT_EQ(error->kind, ErrorKind::CannotWrite);
}

struct BadFileRow {
    const char* name;
    const char* content; // nullptr: no file at all; "/": a folder in its place
    ErrorKind kind;
    int line;
    const char* key;
    const char* message; // DescribeError after the file name
};

class BadFileTest : public ScenarioFileTest, public ::testing::WithParamInterface<BadFileRow> {};

TEST_P(BadFileTest, OneErrorNamesFileLineAndKey) {
    const BadFileRow& row = GetParam();
    std::string path = (dir_ / "bad.glodanje").string();
    if (row.content != nullptr && std::string(row.content) == "/") {
        fs::create_directory(path);
    } else if (row.content != nullptr) {
        path = Write(row.content, "bad.glodanje");
    }
    const ReadResult read = ReadScenarioFile(path);
    ASSERT_FALSE(read.scenario);
    EXPECT_EQ(read.error.kind, row.kind);
    EXPECT_EQ(read.error.line, row.line);
    EXPECT_EQ(read.error.key, row.key);
    EXPECT_EQ(read.error.file, path);
    EXPECT_EQ(DescribeError(read.error), path + row.message);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, BadFileTest,
    ::testing::Values(
        BadFileRow{"Missing", nullptr, ErrorKind::Missing, 0, "", ": no such file"},
        BadFileRow{"Folder", "/", ErrorKind::Unreadable, 0, "", ": the file cannot be read"},
        BadFileRow{"NotUtf8", "[glodanje]\ntitle = \xe8\x8a\n", ErrorKind::BadFormat, 0, "",
                   ": not a scenario file (UTF-8 text with key = value lines)"},
        BadFileRow{"Empty", "", ErrorKind::NoSection, 0, "", ": no [glodanje] section"},
        BadFileRow{"UnknownKey", "[glodanje]\nteeth = 8\nradius = 50\n", ErrorKind::UnknownKey, 3,
                   "radius", ":3: unknown key 'radius'"},
        BadFileRow{"KeyOutsideSection", "teeth = 8\n[glodanje]\nhelix = 5\n", ErrorKind::UnknownKey,
                   1, "teeth", ":1: unknown key 'teeth'"},
        BadFileRow{"KeyInOtherSection", "[glodanje]\nhelix = 5\n[alat]\nteeth = 8\n",
                   ErrorKind::UnknownKey, 4, "alat/teeth", ":4: unknown key 'alat/teeth'"},
        BadFileRow{"Duplicate", "[glodanje]\nteeth = 8\nhelix = 5\nteeth = 10\n",
                   ErrorKind::DuplicateKey, 4, "teeth", ":4: key 'teeth': given a second time"},
        BadFileRow{"DuplicateInRepeatedSection", "[glodanje]\nteeth = 8\n[glodanje]\nteeth=8\n",
                   ErrorKind::DuplicateKey, 4, "teeth", ":4: key 'teeth': given a second time"},
        BadFileRow{"AboveLimit", "[glodanje]\ndiameter = 200\n", ErrorKind::OutOfLimits, 2,
                   "diameter", ":2: key 'diameter': 200 is outside 50..180"},
        BadFileRow{"BelowLimitInTenths", "[glodanje]\nchip_max = 0.0\n", ErrorKind::OutOfLimits, 2,
                   "chip_max", ":2: key 'chip_max': 0.0 is outside 0.1..1"},
        BadFileRow{"Overflow", "[glodanje]\nfeed = 99999999999999999999\n", ErrorKind::OutOfLimits,
                   2, "feed", ":2: key 'feed': 99999999999999999999 is outside 40..600"},
        BadFileRow{"DecimalInWholeField", "[glodanje]\nteeth = 8.5\n", ErrorKind::MalformedNumber,
                   2, "teeth", ":2: key 'teeth': '8.5' is not a number for this field"},
        BadFileRow{"DecimalComma", "[glodanje]\ndepth = 10,5\n", ErrorKind::MalformedNumber, 2,
                   "depth", ":2: key 'depth': '10, 5' is not a number for this field"},
        BadFileRow{"TwoDecimals", "[glodanje]\ndepth = 10.25\n", ErrorKind::MalformedNumber, 2,
                   "depth", ":2: key 'depth': '10.25' is not a number for this field"},
        BadFileRow{"EmptyValue", "[glodanje]\nspeed =\n", ErrorKind::MalformedNumber, 2, "speed",
                   ":2: key 'speed': '' is not a number for this field"},
        BadFileRow{"Words", "[glodanje]\n\nspeed = brzo\n", ErrorKind::MalformedNumber, 3, "speed",
                   ":3: key 'speed': 'brzo' is not a number for this field"},
        BadFileRow{"UnknownWorkpiece", "[glodanje]\nworkpiece = Ck45\n", ErrorKind::UnknownMaterial,
                   2, "workpiece", ":2: key 'workpiece': unknown material 'Ck45'"},
        BadFileRow{"ToolNameForWorkpiece", "[glodanje]\ntool = 28Cr4\n", ErrorKind::UnknownMaterial,
                   2, "tool", ":2: key 'tool': unknown material '28Cr4'"},
        BadFileRow{"Direction", "[glodanje]\ndirection = left\n", ErrorKind::UnknownDirection, 2,
                   "direction", ":2: key 'direction': 'left' is neither up nor down"},
        BadFileRow{"Model", "[glodanje]\nmodel = teeth\n", ErrorKind::UnknownModel, 2, "model",
                   ":2: key 'model': 'teeth' is neither sum nor tooth"},
        BadFileRow{"RadialRatioAbove", "[glodanje]\nteeth = 8\nradial_ratio = 0.65\n",
                   ErrorKind::OutOfLimits, 3, "radial_ratio",
                   ":3: key 'radial_ratio': 0.65 is outside 0.2..0.6"},
        BadFileRow{"RadialRatioNegative", "[glodanje]\nradial_ratio = -0.4\n",
                   ErrorKind::OutOfLimits, 2, "radial_ratio",
                   ":2: key 'radial_ratio': -0.4 is outside 0.2..0.6"},
        BadFileRow{"RadialRatioComma", "[glodanje]\nradial_ratio = 0,4\n",
                   ErrorKind::MalformedNumber, 2, "radial_ratio",
                   ":2: key 'radial_ratio': '0, 4' is not a number for this field"},
        BadFileRow{"RadialRatioWord", "[glodanje]\nradial_ratio = nan\n",
                   ErrorKind::MalformedNumber, 2, "radial_ratio",
                   ":2: key 'radial_ratio': 'nan' is not a number for this field"},
        // An escaped line break in a value must not split the one-line message.
        BadFileRow{"EscapedLineBreak", "[glodanje]\nfeed = 1\\n2\\t\n", ErrorKind::MalformedNumber,
                   2, "feed", ":2: key 'feed': '1\\n2\\t' is not a number for this field"}),
    [](const ::testing::TestParamInfo<BadFileRow>& info) { return info.param.name; });

struct NumberRow {
    const char* name;
    InputField field;
    const char* text;
    std::optional<int32_t> value;
};

class FieldNumberTest : public ::testing::TestWithParam<NumberRow> {};

TEST_P(FieldNumberTest, ReadsAsTheFieldHoldsIt) {
    const NumberRow& row = GetParam();
    const sim::InputFieldSpec& fieldSpec = sim::FieldSpec(row.field);
    EXPECT_EQ(ParseFieldValue(fieldSpec, row.text), row.value);
    if (row.value && *row.value >= fieldSpec.minimum && *row.value <= fieldSpec.maximum) {
        EXPECT_EQ(ParseFieldValue(fieldSpec, sim::FieldValueText(fieldSpec, *row.value)),
                  row.value);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Rows, FieldNumberTest,
    ::testing::Values(NumberRow{"Whole", InputField::Teeth, "12", 12},
                      NumberRow{"Signed", InputField::Rake, "+7", 7},
                      NumberRow{"Negative", InputField::Rake, "-3", -3},
                      NumberRow{"TenthsWhole", InputField::Depth, "10", 100},
                      NumberRow{"TenthsDecimal", InputField::Depth, "10.5", 105},
                      NumberRow{"TenthsBelowOne", InputField::ChipMax, "0.5", 5},
                      NumberRow{"TenthsTrailingPoint", InputField::Depth, "10.", std::nullopt},
                      NumberRow{"WholeWithPoint", InputField::Width, "20.0", std::nullopt},
                      NumberRow{"Exponent", InputField::Feed, "1e2", std::nullopt},
                      NumberRow{"SignOnly", InputField::Feed, "-", std::nullopt},
                      NumberRow{"Hex", InputField::Feed, "0x40", std::nullopt},
                      NumberRow{"Huge", InputField::Feed, "4294967296", INT32_MAX},
                      NumberRow{"HugeNegative", InputField::Feed, "-4294967296", INT32_MIN}),
    [](const ::testing::TestParamInfo<NumberRow>& info) { return info.param.name; });

TEST(ScenarioCheck, DepthIsCheckedAgainstTheDiameterTheScenarioSets) {
    auto start = std::make_unique<sim::SimState>();
    sim::InitialiseState(*start);
    Scenario s;
    s[InputField::Depth] = 300; // 30 mm: within half of the 100 mm cutter at the start
    s.lines["depth"] = 7;
    EXPECT_FALSE(CheckAgainstState(s, *start, "a.glodanje"));
    s[InputField::Diameter] = 50; // now deeper than half the cutter
    const std::optional<ScenarioError> error = CheckAgainstState(s, *start, "a.glodanje");
    ASSERT_TRUE(error);
    EXPECT_EQ(DescribeError(*error), "a.glodanje:7: key 'depth': 30 is outside 0.5..25");
    // The check works on a copy.
    EXPECT_EQ(start->CutterDiameter, 100);
}

TEST(ScenarioExamples, EachOpensWithATitleAndAText) {
    auto start = std::make_unique<sim::SimState>();
    sim::InitialiseState(*start);
    int count = 0;
    for (const auto& entry : std::filesystem::directory_iterator(GLODANJE_EXAMPLES)) {
        SCOPED_TRACE(entry.path().string());
        ASSERT_EQ(entry.path().extension(), kFileExtension);
        const ReadResult read = ReadScenarioFile(entry.path().string());
        ASSERT_TRUE(read.scenario) << DescribeError(read.error);
        EXPECT_FALSE(CheckAgainstState(*read.scenario, *start, entry.path().string()));
        EXPECT_FALSE(read.scenario->title.empty());
        EXPECT_FALSE(read.scenario->text.empty());
        EXPECT_NE(read.scenario->workpieceMaterial, 0);
        EXPECT_NE(read.scenario->toolMaterial, 0);
        ++count;
    }
    EXPECT_EQ(count, 3);
}

} // namespace
} // namespace scenario
