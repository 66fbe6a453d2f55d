#include "sim/text_conversion.h"

#include <gtest/gtest.h>

#include <string>

namespace sim {
namespace {

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

struct EscapeCase {
    const char* name;
    std::string text;
    std::string kept;    // Backslash::Keep
    std::string doubled; // Backslash::Double
};

class EscapeControlsTest : public testing::TestWithParam<EscapeCase> {};

TEST_P(EscapeControlsTest, KeepsMessagesOnOneLine) {
    EXPECT_EQ(EscapeControls(GetParam().text, Backslash::Keep), GetParam().kept);
    EXPECT_EQ(EscapeControls(GetParam().text, Backslash::Double), GetParam().doubled);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, EscapeControlsTest,
    testing::Values(EscapeCase{"Plain", "100 mm", "100 mm", "100 mm"},
                    EscapeCase{"LineBreaks", "a\nb\r\nc", "a\\nb\\r\\nc", "a\\nb\\r\\nc"},
                    EscapeCase{"Tab", "a\tb", "a\\tb", "a\\tb"},
                    EscapeCase{"TerminalEscape", "\x1b[31mred", "\\x1b[31mred", "\\x1b[31mred"},
                    EscapeCase{"DeleteAndNul", std::string("x\x7f\0y", 4), "x\\x7f\\x00y",
                               "x\\x7f\\x00y"},
                    EscapeCase{"Backslash", "C:\\n", "C:\\n", "C:\\\\n"},
                    EscapeCase{"Utf8StaysAsItIs", "Sa\u010duvaj", "Sa\u010duvaj", "Sa\u010duvaj"}),
    [](const testing::TestParamInfo<EscapeCase>& info) { return info.param.name; });

} // namespace
} // namespace sim
