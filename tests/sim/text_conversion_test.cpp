#include "sim/text_conversion.h"

#include <gtest/gtest.h>

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

} // namespace
} // namespace sim
