#include "sim/cutting_inputs.h"
#include "sim/input_fields.h"
#include "sim/scenarios.h"
#include "sim/state_compare.h"
#include "sim/tool_inputs.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

namespace sim {
namespace {

struct ClearanceCase {
    const char* teeth;
    const char* degrees;
    int row; // 0: accepted
    const char* correctedText;
    double storedAngle;
};

std::ostream& operator<<(std::ostream& os, const ClearanceCase& c) {
    return os << c.teeth << " teeth, " << c.degrees << " degrees";
}

class ClearanceMinimumTest : public ::testing::TestWithParam<ClearanceCase> {};

TEST_P(ClearanceMinimumTest, FiresTheFirstMatchingRow) {
    SimState s = StartupState();
    ASSERT_TRUE(SetToothCount(s, GetParam().teeth).applied());
    // What happens, in order: the warning, the rewrite of the field (whose nested run passes
    // every row, seen with the angle it stored), and the angle left at the end.
    std::vector<std::string> events;
    const ClearanceResult result = ApplyClearanceAngle(
        s, GetParam().degrees, [&](const char* message) { events.push_back(message); },
        [&](const std::string& text) {
            const ClearanceResult nested = ApplyClearanceAngle(
                s, text, [&](const char*) { events.push_back("second warning"); },
                [&](const std::string&) { events.push_back("second rewrite"); });
            events.push_back("rewrite " + text + (nested.minimumRow == 0 ? " passes" : " fires"));
            EXPECT_EQ(s.ClearanceAngle, DegreesToRadians(nested.input.value));
        });
    ASSERT_TRUE(result.input.applied());
    EXPECT_EQ(result.minimumRow, GetParam().row);
    if (GetParam().row == 0) {
        EXPECT_TRUE(events.empty());
        EXPECT_EQ(s.ClearanceAngle, DegreesToRadians(result.input.value));
        return;
    }
    EXPECT_EQ(events, (std::vector<std::string>{kSmallClearanceMessage,
                                                "rewrite " + std::string(GetParam().correctedText) +
                                                    " passes"}));
    EXPECT_EQ(s.ClearanceAngle, GetParam().storedAngle);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ClearanceMinimumTest,
    ::testing::Values(ClearanceCase{"8", "9", 0, "", 0}, ClearanceCase{"8", "8", 3, "9", 0.157},
                      ClearanceCase{"6", "10", 0, "", 0}, ClearanceCase{"6", "9", 2, "10", 0.1745},
                      ClearanceCase{"4", "11", 1, "12", 0.2094}, ClearanceCase{"4", "12", 0, "", 0},
                      ClearanceCase{"5", "11", 1, "12", 0.2094},
                      ClearanceCase{"10", "7", 4, "8", 0.14},
                      ClearanceCase{"16", "6", 5, "7", 0.122},
                      ClearanceCase{"18", "5", 6, "6", 0.105}, ClearanceCase{"20", "5", 0, "", 0}));

TEST(SetCutterDiameter, StartDiameterGivesTheStartScale) {
    SimState s = StartupState();
    const DiameterResult result = SetCutterDiameter(s, "100");
    ASSERT_TRUE(result.input.applied());
    EXPECT_FALSE(result.depthClamped);
    EXPECT_EQ(s.PixelsPerMm, 4.0);
    EXPECT_EQ(s.ChipScaleUp, 52.0);
    EXPECT_EQ(s.ChipScaleDown, 58.0);
    EXPECT_EQ(s.DepthPixels, 40);
    EXPECT_DOUBLE_EQ(s.StepTime, 0.000125);
    EXPECT_DOUBLE_EQ(s.RevolutionTime, 0.3141666666666667);
    EXPECT_EQ(s.CutterRadius, 200);
}

TEST(SetCutterDiameter, EveryDiameterKeepsTheDrawnRadius) {
    for (int d = FieldSpec(InputField::Diameter).minimum;
         d <= FieldSpec(InputField::Diameter).maximum; ++d) {
        SimState s = StartupState();
        ASSERT_TRUE(SetCutterDiameter(s, std::to_string(d)).input.applied());
        ASSERT_NEAR(s.CutterDiameter * s.PixelsPerMm / 2, 200.0, 1e-12) << d;
        ASSERT_EQ(s.CutterRadius, 200);
        ASSERT_LE(s.DepthPixels, 200);
    }
}

TEST(SetCutterDiameter, ClampsTheDepthToHalfTheDiameter) {
    SimState s = StartupState();
    ASSERT_TRUE(SetDepth(s, "250").input.applied());
    const DiameterResult result = SetCutterDiameter(s, "50");
    ASSERT_TRUE(result.input.applied());
    EXPECT_TRUE(result.depthClamped);
    EXPECT_EQ(s.DepthMm, 25.0);
    EXPECT_EQ(s.DepthPixels, 200);
    EXPECT_EQ(result.depthText, "25");
    EXPECT_EQ(result.depthSpinMax, 250);
    EXPECT_EQ(s.DepthSpinMax, 250);
    EXPECT_EQ(s.ContactHalfWidth, 200.0);
    EXPECT_EQ(s.WorkpiecePoints[2].y, 83);
}

// An odd count takes the sizes of the next even count above, whatever count came before.
TEST(SetToothCount, AnOddCountTakesTheRowAboveNotThePreviousSizes) {
    SimState s = StartupState();
    ASSERT_TRUE(SetToothCount(s, "5").applied());
    EXPECT_EQ(s.ToothPitch, 6.283185 / 5);
    EXPECT_DOUBLE_EQ(s.PhaseLimit, 6.283185 / 5 - 0.0025);
    EXPECT_EQ(s.GulletRadius, 32.0);
    EXPECT_EQ(s.FlankLength, 60.0);
    EXPECT_EQ(s.RakeFaceLength, 52.0);
    ASSERT_TRUE(SetToothCount(s, "4").applied());
    ASSERT_TRUE(SetToothCount(s, "19").applied());
    EXPECT_EQ(s.GulletRadius, 9.0);
    EXPECT_EQ(s.FlankLength, 20.0);
    EXPECT_EQ(s.RakeFaceLength, 24.0);
    ASSERT_TRUE(SetToothCount(s, "20").applied());
    EXPECT_EQ(s.GulletRadius, 9.0);
}

TEST(ToothDimensionsFor, CountsBeyondTheTableTakeItsEnds) {
    EXPECT_EQ(ToothDimensionsFor(1).teeth, 4);
    EXPECT_EQ(ToothDimensionsFor(22).teeth, 22);
    EXPECT_EQ(ToothDimensionsFor(30).teeth, 22);
}

TEST(SetAngles, ConvertDegrees) {
    SimState s = StartupState();
    ASSERT_TRUE(SetRakeAngle(s, "20").applied());
    EXPECT_EQ(s.RakeAngle, 20 * 3.141592 / 180);
    ASSERT_TRUE(SetHelixAngle(s, "0").applied());
    EXPECT_EQ(s.HelixAngle, 0.0);
    EXPECT_EQ(s.HelixLagTicks, 0);
}

struct RejectCase {
    const char* field;
    const char* text;
};

std::ostream& operator<<(std::ostream& os, const RejectCase& c) {
    return os << c.field << " '" << c.text << "'";
}

class RejectedToolInputTest : public ::testing::TestWithParam<RejectCase> {};

InputStatus Apply(SimState& s, const std::string& field, const char* text) {
    if (field == "diameter") {
        return SetCutterDiameter(s, text).input.status;
    }
    if (field == "teeth") {
        return SetToothCount(s, text).status;
    }
    if (field == "rake") {
        return SetRakeAngle(s, text).status;
    }
    if (field == "clearance") {
        return SetClearanceAngle(s, text).input.status;
    }
    return SetHelixAngle(s, text).status;
}

TEST_P(RejectedToolInputTest, ChangesNothing) {
    SimState s = MidRunState(MillingDirection::Down, 500);
    const SimState before = s;
    EXPECT_FALSE(Apply(s, GetParam().field, GetParam().text) == InputStatus::Applied);
    EXPECT_TRUE(StatesIdentical(s, before));
}

INSTANTIATE_TEST_SUITE_P(
    Inputs, RejectedToolInputTest,
    ::testing::Values(RejectCase{"diameter", "0"}, RejectCase{"diameter", "-100"},
                      RejectCase{"diameter", "6"}, RejectCase{"diameter", "190"},
                      RejectCase{"diameter", ""}, RejectCase{"teeth", "0"},
                      RejectCase{"teeth", "36"}, RejectCase{"teeth", "3"}, RejectCase{"rake", "-1"},
                      RejectCase{"rake", "21"}, RejectCase{"clearance", "4"},
                      RejectCase{"clearance", "26"}, RejectCase{"clearance", "1,5"},
                      RejectCase{"helix", "51"}, RejectCase{"helix", "+"},
                      RejectCase{"helix", "90"}));

} // namespace
} // namespace sim
