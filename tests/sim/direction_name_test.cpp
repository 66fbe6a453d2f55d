// The direction names that files, options and reports share: exact lower-case names only, and
// each name reads back as the direction it was written for.
#include "sim/direction_name.h"

#include <gtest/gtest.h>

namespace sim {
namespace {

struct DirectionNameCase {
    const char* name;
    const char* text;
    std::optional<MillingDirection> direction;
};

class DirectionNameTest : public ::testing::TestWithParam<DirectionNameCase> {};

TEST_P(DirectionNameTest, ReadsOnlyTheExactNames) {
    EXPECT_EQ(ParseDirectionName(GetParam().text), GetParam().direction);
    if (GetParam().direction) {
        EXPECT_STREQ(DirectionName(*GetParam().direction), GetParam().text);
    }
}

INSTANTIATE_TEST_SUITE_P(Rows, DirectionNameTest,
                         ::testing::Values(DirectionNameCase{"Up", "up", MillingDirection::Up},
                                           DirectionNameCase{"Down", "down",
                                                             MillingDirection::Down},
                                           DirectionNameCase{"CapitalLetter", "Up", std::nullopt},
                                           DirectionNameCase{"LeadingSpace", " down", std::nullopt},
                                           DirectionNameCase{"Empty", "", std::nullopt},
                                           DirectionNameCase{"Prefix", "dow", std::nullopt}),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace sim
