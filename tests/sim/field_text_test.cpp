#include "sim/field_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>
#include <string>

namespace sim {
namespace {

// What scenario files and the batch runner's options write is what they read back, for every
// field at its limits, start, step and their negatives, whichever mark the reader takes.
TEST(FieldText, EveryFieldReadsBackWhatIsWritten) {
    for (const InputFieldSpec& fieldRow : kInputFields) {
        for (const int32_t value : {fieldRow.minimum, fieldRow.maximum, fieldRow.start,
                                    fieldRow.step, -fieldRow.step, -fieldRow.maximum, 0}) {
            const std::string text = FieldValueText(fieldRow, value);
            for (const DecimalMark mark : {DecimalMark::Point, DecimalMark::PointOrComma}) {
                EXPECT_EQ(ParseFieldValue(fieldRow, text, mark), value)
                    << fieldRow.key << " '" << text << "'";
            }
        }
    }
}

struct MarkRow {
    const char* name;
    InputField field;
    const char* text;
    std::optional<int64_t> withPoint;        // read by scenario files
    std::optional<int64_t> withPointOrComma; // read by the batch runner's options
};

class FieldTextMarkTest : public ::testing::TestWithParam<MarkRow> {};

TEST_P(FieldTextMarkTest, ReadsAsTheMarkAllows) {
    const MarkRow& row = GetParam();
    EXPECT_EQ(ParseFieldValue(FieldSpec(row.field), row.text, DecimalMark::Point), row.withPoint);
    EXPECT_EQ(ParseFieldValue(FieldSpec(row.field), row.text, DecimalMark::PointOrComma),
              row.withPointOrComma);
}

constexpr int64_t kLargest = std::numeric_limits<int64_t>::max();

INSTANTIATE_TEST_SUITE_P(
    Rows, FieldTextMarkTest,
    ::testing::Values(
        MarkRow{"PointInTenths", InputField::Depth, "10.5", 105, 105},
        MarkRow{"CommaInTenths", InputField::Depth, "10,5", std::nullopt, 105},
        MarkRow{"CommaInAWholeField", InputField::Feed, "40,0", std::nullopt, std::nullopt},
        MarkRow{"TwoDecimals", InputField::ChipMax, "0,25", std::nullopt, std::nullopt},
        MarkRow{"MarkFirst", InputField::Depth, ",5", std::nullopt, std::nullopt},
        MarkRow{"MoreThanEighteenDigits", InputField::Feed, "1234567890123456789", kLargest,
                kLargest},
        MarkRow{"MoreThanEighteenDigitsNegative", InputField::Depth, "-999999999999999999,9",
                std::nullopt, -kLargest}),
    [](const ::testing::TestParamInfo<MarkRow>& info) { return info.param.name; });

// Decimal numbers that are not fields (K_r).
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

} // namespace
} // namespace sim
