#include "numeric/integer_text.h"

#include <gtest/gtest.h>

#include <limits>
#include <ostream>
#include <string>

namespace numeric {
namespace {

constexpr int32_t kIntMax = std::numeric_limits<int32_t>::max();
constexpr int32_t kIntMin = std::numeric_limits<int32_t>::min();

struct ParseCase {
    const char* name;
    std::string_view text;
    std::optional<int32_t> value;
};

std::ostream& operator<<(std::ostream& os, const ParseCase& c) {
    return os << c.name << " '" << c.text << "'";
}

class ParseIntegerTextTest : public ::testing::TestWithParam<ParseCase> {};

TEST_P(ParseIntegerTextTest, AcceptsOnlyWholeDecimalNumbersWithinInt32) {
    EXPECT_EQ(ParseIntegerText(GetParam().text), GetParam().value);
}

using namespace std::string_view_literals;

INSTANTIATE_TEST_SUITE_P(
    Texts, ParseIntegerTextTest,
    ::testing::Values(
        ParseCase{"Plain", "100", 100}, ParseCase{"Negative", "-5", -5},
        ParseCase{"PlusSign", "+7", 7}, ParseCase{"LeadingZeros", "007", 7},
        ParseCase{"LeadingBlanks", "  42", 42}, ParseCase{"Maximum", "2147483647", kIntMax},
        ParseCase{"Minimum", "-2147483648", kIntMin},
        ParseCase{"AboveMaximum", "2147483648", std::nullopt},
        ParseCase{"BelowMinimum", "-2147483649", std::nullopt},
        ParseCase{"FarTooLong", "99999999999999999999", std::nullopt},
        ParseCase{"Empty", "", std::nullopt}, ParseCase{"OnlyBlanks", "   ", std::nullopt},
        ParseCase{"OnlyMinus", "-", std::nullopt}, ParseCase{"OnlyPlus", "+", std::nullopt},
        ParseCase{"TwoSigns", "+-3", std::nullopt}, ParseCase{"DoubleMinus", "--1", std::nullopt},
        ParseCase{"BlankAfterSign", "- 1", std::nullopt},
        ParseCase{"DecimalComma", "10,5", std::nullopt},
        ParseCase{"DecimalPoint", "10.5", std::nullopt},
        ParseCase{"SignInside", "1-2", std::nullopt},
        ParseCase{"TrailingBlank", "12 ", std::nullopt}, ParseCase{"Exponent", "1e3", std::nullopt},
        ParseCase{"Tab", "\t1", std::nullopt}, ParseCase{"EmbeddedNull", "1\0"sv, std::nullopt},
        ParseCase{"NonAsciiDigit", "\xd9\xa3", std::nullopt}),
    [](const ::testing::TestParamInfo<ParseCase>& info) { return std::string(info.param.name); });

} // namespace
} // namespace numeric
