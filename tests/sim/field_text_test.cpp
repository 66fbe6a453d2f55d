#include "sim/field_text.h"

#include <gtest/gtest.h>

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

} // namespace
} // namespace sim
