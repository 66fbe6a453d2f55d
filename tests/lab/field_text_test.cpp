#include "lab/field_text.h"

#include <gtest/gtest.h>

#include <optional>
#include <ostream>
#include <string>

namespace lab {
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

} // namespace
} // namespace lab
