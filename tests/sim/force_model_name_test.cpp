// The force model's names and K_r's text as files, options and reports share them.
#include "sim/force_model_name.h"

#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <string>

namespace sim {
namespace {

TEST(ForceModelName, ReadsOnlyTheExactNamesAndEachNameReadsBack) {
    for (ForceModel model : {ForceModel::ChipSum, ForceModel::PerTooth}) {
        EXPECT_EQ(ParseForceModelName(ForceModelName(model)), model);
    }
    EXPECT_STREQ(ForceModelName(ForceModel::ChipSum), "sum");
    EXPECT_STREQ(ForceModelName(ForceModel::PerTooth), "tooth");
    for (const char* other : {"Sum", "teeth", " tooth", "", "per-tooth"}) {
        EXPECT_EQ(ParseForceModelName(other), std::nullopt) << other;
    }
}

struct DecimalCase {
    const char* name;
    const char* text;
    DecimalMark mark;
    std::optional<double> value;
};

class DecimalText : public ::testing::TestWithParam<DecimalCase> {};

TEST_P(DecimalText, ReadsPlainDecimalsOnly) {
    const std::optional<double> got = ParseDecimalText(GetParam().text, GetParam().mark);
    ASSERT_EQ(got.has_value(), GetParam().value.has_value());
    if (got) {
        EXPECT_EQ(*got, *GetParam().value);
    }
}

constexpr DecimalMark kPoint = DecimalMark::Point;
constexpr DecimalMark kEither = DecimalMark::PointOrComma;

INSTANTIATE_TEST_SUITE_P(
    Texts, DecimalText,
    ::testing::Values(DecimalCase{"Point", "0.45", kPoint, 0.45},
                      DecimalCase{"Whole", "1", kPoint, 1.0},
                      DecimalCase{"Plus", "+0.4", kPoint, 0.4},
                      DecimalCase{"Minus", "-0.4", kPoint, -0.4},
                      DecimalCase{"CommaWhereAllowed", "0,35", kEither, 0.35},
                      DecimalCase{"CommaInAFile", "0,35", kPoint, std::nullopt},
                      DecimalCase{"ManyDigitsRoundToNearest",
                                  "0.1000000000000000055511151231257827", kPoint, 0.1},
                      DecimalCase{"Empty", "", kPoint, std::nullopt},
                      DecimalCase{"Blank", " 0.4", kPoint, std::nullopt},
                      DecimalCase{"TrailingBlank", "0.4 ", kPoint, std::nullopt},
                      DecimalCase{"NoWholePart", ".4", kPoint, std::nullopt},
                      DecimalCase{"NoDecimals", "0.", kPoint, std::nullopt},
                      DecimalCase{"Exponent", "4e-1", kPoint, std::nullopt},
                      DecimalCase{"NotANumber", "nan", kPoint, std::nullopt},
                      DecimalCase{"Infinity", "inf", kPoint, std::nullopt},
                      DecimalCase{"Hex", "0x1p-1", kPoint, std::nullopt},
                      DecimalCase{"TwoPoints", "0.4.5", kPoint, std::nullopt},
                      DecimalCase{"SignAlone", "-", kPoint, std::nullopt}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(DecimalText, TooManyDigitsForADoubleReadAsFarOutOfRangeOrZero) {
    const std::string huge = "1" + std::string(400, '0');
    EXPECT_EQ(ParseDecimalText(huge, kPoint), HUGE_VAL);
    EXPECT_EQ(ParseDecimalText("-" + huge, kPoint), -HUGE_VAL);
    EXPECT_EQ(ParseDecimalText("0." + std::string(400, '0') + "1", kPoint), 0.0);
}

TEST(RadialForceRatioText, WritesTheShortestTextThatReadsBack) {
    for (double ratio : {0.2, 0.25, 0.4, 0.45, 0.6, 0.2 + 5 * 0.05, 1.0 / 3}) {
        const std::string text = RadialForceRatioText(ratio);
        EXPECT_EQ(ParseDecimalText(text, kPoint), ratio) << text;
    }
    EXPECT_EQ(RadialForceRatioText(0.4), "0.4");
    EXPECT_EQ(RadialForceRatioText(0.45), "0.45");
}

} // namespace
} // namespace sim
