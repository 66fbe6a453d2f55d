#include "chart/number_format.h"

#include <gtest/gtest.h>

namespace chart {
namespace {

struct FormatCase {
    double value;
    const char* pattern;
    const char* text;
};

class FormatFloatTest : public testing::TestWithParam<FormatCase> {};

TEST_P(FormatFloatTest, Formats) {
    const FormatCase& c = GetParam();
    EXPECT_EQ(FormatFloatPattern(c.value, c.pattern, '.', ','), QString::fromLatin1(c.text));
}

INSTANTIATE_TEST_SUITE_P(
    Patterns, FormatFloatTest,
    testing::Values(FormatCase{5000, "#,##0.###", "5,000"}, FormatCase{0, "#,##0.###", "0"},
                    FormatCase{0.1, "#,##0.###", "0.1"},
                    FormatCase{1234.5678, "#,##0.###", "1,234.568"},
                    FormatCase{-1500.25, "#,##0.###", "-1,500.25"},
                    FormatCase{0.30000000000000004, "#,##0.###", "0.3"},
                    FormatCase{999.9995, "#,##0.###", "1,000"},
                    FormatCase{-0.0000001, "#,##0.###", "0"},
                    FormatCase{1e6, "#,##0.###", "1,000,000"},
                    FormatCase{0.0015, "#,##0.###", "0.002"}, FormatCase{-0.4, "#,##0.###", "-0.4"},
                    FormatCase{2.5, "0.00", "2.50"}, FormatCase{12345, "0", "12345"}));

TEST(FormatFloatTest, UsesGivenSeparators) {
    EXPECT_EQ(FormatFloatPattern(1234.5, "#,##0.###", ',', '.'), QString("1.234,5"));
}

} // namespace
} // namespace chart
