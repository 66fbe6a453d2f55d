#include "batch/batch_options.h"

#include <gtest/gtest.h>

#include <ostream>

namespace batch {
namespace {

struct DepthCase {
    const char* text;
    const char* tenths; // nullptr: rejected
};

std::ostream& operator<<(std::ostream& os, const DepthCase& c) {
    return os << "'" << c.text << "'";
}

class DepthTextTest : public ::testing::TestWithParam<DepthCase> {};

TEST_P(DepthTextTest, ReadsMillimetresWithOneDecimal) {
    const std::optional<std::string> tenths = DepthTextToTenths(GetParam().text);
    if (GetParam().tenths == nullptr) {
        EXPECT_FALSE(tenths) << *tenths;
    } else {
        ASSERT_TRUE(tenths);
        EXPECT_EQ(*tenths, GetParam().tenths);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Texts, DepthTextTest,
    ::testing::Values(DepthCase{"10", "100"}, DepthCase{"10.5", "105"}, DepthCase{"10,5", "105"},
                      DepthCase{"0.5", "5"}, DepthCase{"010", "100"}, DepthCase{"25.0", "250"},
                      DepthCase{"-3", "-30"}, DepthCase{"0", "0"}, DepthCase{"1.25", nullptr},
                      DepthCase{"10.", nullptr}, DepthCase{".5", nullptr}, DepthCase{"", nullptr},
                      DepthCase{"1e1", nullptr}, DepthCase{"12345678901", nullptr},
                      DepthCase{"1 0", nullptr}));

TEST(ParseBatchOptions, ReadsEveryOption) {
    const ParseResult r = ParseBatchOptions(
        {"--diameter",  "80",      "--teeth=10", "--rake",      "5",      "--clearance", "12",
         "--helix",     "0",       "--speed",    "90",          "--feed", "300",         "--depth",
         "7,5",         "--width", "40",         "--workpiece", "SL 200", "--tool",      "K40",
         "--direction", "down",    "--ticks",    "50",          "--csv",  "out.csv"});
    ASSERT_TRUE(r.ok) << r.error;
    const BatchOptions& o = r.options;
    using sim::InputField;
    EXPECT_EQ(o.fields[InputField::Diameter], "80");
    EXPECT_EQ(o.fields[InputField::Teeth], "10");
    EXPECT_EQ(o.fields[InputField::Rake], "5");
    EXPECT_EQ(o.fields[InputField::Clearance], "12");
    EXPECT_EQ(o.fields[InputField::Helix], "0");
    EXPECT_EQ(o.fields[InputField::Speed], "90");
    EXPECT_EQ(o.fields[InputField::Feed], "300");
    EXPECT_EQ(o.fields[InputField::Depth], "75");
    EXPECT_EQ(o.fields[InputField::Width], "40");
    EXPECT_FALSE(o.fields[InputField::ForceMax]);
    EXPECT_FALSE(o.fields[InputField::ChipMax]);
    EXPECT_EQ(o.workpieceMaterial, 4);
    EXPECT_EQ(o.toolMaterial, 4);
    EXPECT_EQ(o.direction, sim::MillingDirection::Down);
    EXPECT_EQ(o.ticks, 50);
    EXPECT_EQ(o.csvPath, "out.csv");
    EXPECT_FALSE(o.help);
}

struct BadArgsCase {
    std::vector<std::string> args;
    const char* error;
};

std::ostream& operator<<(std::ostream& os, const BadArgsCase& c) {
    for (const std::string& a : c.args) {
        os << a << ' ';
    }
    return os;
}

class BadArgumentsTest : public ::testing::TestWithParam<BadArgsCase> {};

TEST_P(BadArgumentsTest, GiveOneLineMessages) {
    const ParseResult r = ParseBatchOptions(GetParam().args);
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.error, GetParam().error);
}

INSTANTIATE_TEST_SUITE_P(
    Arguments, BadArgumentsTest,
    ::testing::Values(
        BadArgsCase{{"--speed"}, "option '--speed' needs a value"},
        BadArgsCase{{"speed", "60"}, "unknown option 'speed' (see --help)"},
        BadArgsCase{{"--sped=60"}, "unknown option '--sped' (see --help)"},
        BadArgsCase{{"--direction", "left"}, "--direction: 'left' is neither up nor down"},
        BadArgsCase{{"--ticks", "-5"}, "--ticks: '-5' is not a whole number of at least 0"},
        BadArgsCase{{"--ticks", "many"}, "--ticks: 'many' is not a whole number of at least 0"},
        BadArgsCase{{"--view-png", ""}, "--view-png: the file name is empty"},
        BadArgsCase{{"--depth", "10.25"},
                    "--depth: '10.25' is not a depth in mm with at most one decimal"},
        BadArgsCase{{"--tool", "HSS"},
                    "--tool: unknown material 'HSS' (valid: C7680, C9681, P30, K40, K50)"},
        BadArgsCase{{"--workpiece", "28cr4"},
                    "--workpiece: unknown material '28cr4' (valid: 28Cr4, C35, C4131, SL 200, "
                    "NL 600-3, C1633, PTEL 65-2, C4130, C1430, AlSi8)"},
        BadArgsCase{{"--csv="}, "--csv: the file name is empty"}));

} // namespace
} // namespace batch
