// A test binary for the checks of run_whole.py and run_case.sh (case_verdicts_test.py): one case
// of each outcome. Not a test itself: one of its cases fails on purpose.
#include <gtest/gtest.h>

#include <cstdlib>

TEST(Sample, Passes) {
    EXPECT_EQ(1 + 1, 2);
}

TEST(Sample, Fails) {
    EXPECT_EQ(1 + 1, 3) << "the planted failure";
}

TEST(Sample, IsSkipped) {
    GTEST_SKIP() << "skipped on purpose";
}

// Stops the whole run before GoogleTest writes its report, when asked.
TEST(Sample, StopsTheRunWhenAsked) {
    if (std::getenv("CASE_SAMPLE_STOP") != nullptr) {
        std::_Exit(3);
    }
}

class Rows : public ::testing::TestWithParam<int> {};

TEST_P(Rows, Pass) {
    EXPECT_GT(GetParam(), 0);
}

INSTANTIATE_TEST_SUITE_P(Each, Rows, ::testing::Values(1, 2));
