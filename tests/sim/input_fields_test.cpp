#include "sim/input_fields.h"

#include "sim/scenarios.h"
#include "sim/state_compare.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

namespace sim {
namespace {

std::string RowName(const ::testing::TestParamInfo<InputFieldSpec>& info) {
    return info.param.key;
}

class InputFieldRowTest : public ::testing::TestWithParam<InputFieldSpec> {};

TEST_P(InputFieldRowTest, StartValueIsAStepOfTheFieldWithinItsLimits) {
    const InputFieldSpec& fieldSpec = GetParam();
    EXPECT_LT(fieldSpec.minimum, fieldSpec.maximum);
    EXPECT_GE(fieldSpec.start, fieldSpec.minimum);
    EXPECT_LE(fieldSpec.start, fieldSpec.maximum);
    EXPECT_EQ((fieldSpec.start - fieldSpec.minimum) % fieldSpec.step, 0);
    EXPECT_TRUE(fieldSpec.scale == 1 || fieldSpec.scale == 10);
}

// The routine of each row checks exactly the row's limits and changes nothing outside them.
TEST_P(InputFieldRowTest, RoutineTakesTheLimitsAndRejectsWhatLiesBeyond) {
    const InputFieldSpec& fieldSpec = GetParam();
    for (const int32_t outside : {fieldSpec.minimum - 1, fieldSpec.maximum + 1}) {
        SimState s = StartupState();
        const InputResult r = fieldSpec.apply(s, std::to_string(outside), {});
        EXPECT_EQ(r.status, InputStatus::OutOfRange) << outside;
        EXPECT_EQ(r.minimum, fieldSpec.minimum);
        EXPECT_EQ(r.maximum, fieldSpec.maximum);
        EXPECT_TRUE(StatesIdentical(s, StartupState())) << outside;
    }
    for (const int32_t limit : {fieldSpec.minimum, fieldSpec.maximum}) {
        SimState s = StartupState();
        EXPECT_TRUE(fieldSpec.apply(s, std::to_string(limit), {}).applied()) << limit;
    }
    SimState s = StartupState();
    const InputResult r = fieldSpec.apply(s, "1x", {});
    EXPECT_EQ(r.status, InputStatus::NotAnInteger);
    EXPECT_EQ(r.message, "'1x' is not a valid integer value");
    EXPECT_TRUE(StatesIdentical(s, StartupState()));
}

INSTANTIATE_TEST_SUITE_P(Table, InputFieldRowTest, ::testing::ValuesIn(kInputFields), RowName);

TEST(InputFields, KeysAreUniqueAndFoundAgain) {
    std::set<std::string> keys;
    for (const InputFieldSpec& fieldSpec : kInputFields) {
        EXPECT_TRUE(keys.insert(fieldSpec.key).second) << fieldSpec.key;
        ASSERT_NE(FindInputField(fieldSpec.key), nullptr) << fieldSpec.key;
        EXPECT_EQ(FindInputField(fieldSpec.key)->field, fieldSpec.field);
        EXPECT_EQ(&FieldSpec(fieldSpec.field), &fieldSpec);
    }
    EXPECT_EQ(FindInputField("Diameter"), nullptr);
    EXPECT_EQ(FindInputField(""), nullptr);
}

// Writing the start text into a field whose start-up value is the shown one leaves the
// start-up state as it is: the table's start values and the start-up agree, and the routines
// recompute the derived fields as the start-up computed them. (The rake and clearance angles
// start at stored values, and the axis maxima are not set at start.)
TEST(InputFields, StartTextsReproduceTheStartUpState) {
    for (const InputField field :
         {InputField::Diameter, InputField::Teeth, InputField::Helix, InputField::Speed,
          InputField::Feed, InputField::Depth, InputField::Width}) {
        const InputFieldSpec& fieldSpec = FieldSpec(field);
        SimState s = StartupState();
        ASSERT_TRUE(fieldSpec.apply(s, std::to_string(fieldSpec.start), {}).applied())
            << fieldSpec.key;
        EXPECT_TRUE(StatesIdentical(s, StartupState())) << fieldSpec.key;
    }
}

struct HookCase {
    const char* name;
    InputField field;
    const char* teeth; // tooth count set first
    const char* text;
    int redraws;
    std::vector<std::string> warnings;
};

class InputHooksTest : public ::testing::TestWithParam<HookCase> {};

TEST_P(InputHooksTest, RedrawOnlyWhereThePictureChanges) {
    const HookCase& c = GetParam();
    SimState s = StartupState();
    ASSERT_TRUE(FieldSpec(InputField::Teeth).apply(s, c.teeth, {}).applied());
    int redraws = 0;
    std::vector<std::string> warnings;
    InputHooks hooks;
    hooks.redraw = [&] { ++redraws; };
    hooks.warn = [&](const char* message) { warnings.push_back(message); };
    FieldSpec(c.field).apply(s, c.text, hooks);
    EXPECT_EQ(redraws, c.redraws);
    EXPECT_EQ(warnings, c.warnings);
}

INSTANTIATE_TEST_SUITE_P(
    Fields, InputHooksTest,
    ::testing::Values(
        HookCase{"Diameter", InputField::Diameter, "8", "80", 1, {}},
        HookCase{"DiameterRejected", InputField::Diameter, "8", "40", 0, {}},
        HookCase{"Teeth", InputField::Teeth, "8", "10", 1, {}},
        HookCase{"Rake", InputField::Rake, "8", "5", 1, {}},
        HookCase{"Clearance", InputField::Clearance, "8", "12", 1, {}},
        // The corrected field's nested run redraws once; the outer run does not.
        HookCase{"ClearanceCorrected", InputField::Clearance, "8", "8", 1, {"Mali ledjni ugao!"}},
        HookCase{"ClearanceRejected", InputField::Clearance, "4", "30", 0, {}},
        HookCase{"Helix", InputField::Helix, "8", "45", 0, {}},
        HookCase{"Speed", InputField::Speed, "8", "90", 0, {}},
        HookCase{"Feed", InputField::Feed, "8", "300", 0, {}},
        HookCase{"Depth", InputField::Depth, "8", "150", 1, {}},
        HookCase{"DepthBeyondTheRadius", InputField::Depth, "8", "505", 0, {}},
        HookCase{"Width", InputField::Width, "8", "40", 0, {}},
        HookCase{"ForceMax", InputField::ForceMax, "8", "8000", 0, {}},
        HookCase{"ChipMax", InputField::ChipMax, "8", "3", 0, {}}),
    [](const ::testing::TestParamInfo<HookCase>& info) { return info.param.name; });

TEST(InputFields, ClearanceCorrectionLeavesTheRowsAngle) {
    SimState s = StartupState();
    std::vector<std::string> warnings;
    InputHooks hooks;
    hooks.warn = [&](const char* message) { warnings.push_back(message); };
    const InputResult r = FieldSpec(InputField::Clearance).apply(s, "8", hooks);
    EXPECT_TRUE(r.applied());
    EXPECT_EQ(r.value, 8);
    EXPECT_EQ(s.ClearanceAngle, 0.157);
    EXPECT_EQ(warnings.size(), 1u);
}

} // namespace
} // namespace sim
