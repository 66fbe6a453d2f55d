#include "sim/text_conversion.h"

#include <gtest/gtest.h>

#include <ostream>

namespace sim {
namespace {

struct ParseCase {
    const char* text;
    bool valid;
    int32_t value;
};

std::ostream& operator<<(std::ostream& os, const ParseCase& c) {
    return os << "'" << c.text << "'";
}

class ParseIntegerTextTest : public ::testing::TestWithParam<ParseCase> {};

TEST_P(ParseIntegerTextTest, AcceptsOnlyWholeNumbers) {
    const std::optional<int32_t> value = ParseIntegerText(GetParam().text);
    ASSERT_EQ(value.has_value(), GetParam().valid) << GetParam().text;
    if (value) {
        EXPECT_EQ(*value, GetParam().value);
    }
}

INSTANTIATE_TEST_SUITE_P(Texts, ParseIntegerTextTest,
                         ::testing::Values(ParseCase{"100", true, 100}, ParseCase{"-5", true, -5},
                                           ParseCase{"+7", true, 7}, ParseCase{"007", true, 7},
                                           ParseCase{"  42", true, 42},
                                           ParseCase{"2147483647", true, 2147483647},
                                           ParseCase{"-2147483648", true, -2147483647 - 1},
                                           ParseCase{"2147483648", false, 0},
                                           ParseCase{"", false, 0}, ParseCase{"-", false, 0},
                                           ParseCase{"+", false, 0}, ParseCase{"10,5", false, 0},
                                           ParseCase{"10.5", false, 0}, ParseCase{"1-2", false, 0},
                                           ParseCase{"--1", false, 0}, ParseCase{"12 ", false, 0},
                                           ParseCase{"1e3", false, 0},
                                           ParseCase{"99999999999999999999", false, 0}));

TEST(NotAnIntegerMessage, QuotesTheText) {
    EXPECT_EQ(NotAnIntegerMessage("1,5"), "'1,5' is not a valid integer value");
    EXPECT_EQ(NotAnIntegerMessage(""), "'' is not a valid integer value");
}

TEST(FormatGeneral, WritesTheShortestFormWithTheSeparator) {
    EXPECT_EQ(FormatGeneral(10.0), "10");
    EXPECT_EQ(FormatGeneral(10.5), "10,5");
    EXPECT_EQ(FormatGeneral(0.5), "0,5");
    EXPECT_EQ(FormatGeneral(0.1), "0,1");
    EXPECT_EQ(FormatGeneral(1.0), "1");
    EXPECT_EQ(FormatGeneral(200 / (400.0 / 70)), "35");
    EXPECT_EQ(FormatGeneral(2.5, '.'), "2.5");
}

} // namespace
} // namespace sim
