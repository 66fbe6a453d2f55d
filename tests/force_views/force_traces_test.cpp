// The revolution means as a staircase: only the corners are points, and the line through them
// holds each mean until the sample where the next one starts.
#include "force_views/force_traces.h"

#include <gtest/gtest.h>

namespace force_views {
namespace {

TEST(Staircase, HoldsEachValueUntilTheNextStartsWithOnlyItsCorners) {
    sim::Trace time{};
    sim::Trace values{};
    for (std::size_t i = 1; i <= static_cast<std::size_t>(sim::kTraceLength); ++i) {
        time[i] = 0.5 + 0.0015 * static_cast<double>(i);
        values[i] = i < 100 ? 0.0 : i < 250 ? 800.0 : -120.0;
    }
    chart::TFastLineSeries series;
    series.AddPoint(7, 7); // left from an earlier refill
    AddStaircase(series, time, values);
    ASSERT_EQ(series.PointCount(), 6);
    const double expected[6][2] = {{time[1], 0},     {time[100], 0},    {time[100], 800},
                                   {time[250], 800}, {time[250], -120}, {time[313], -120}};
    for (int k = 0; k < 6; ++k) {
        EXPECT_EQ(series.XAt(k), expected[k][0]) << k;
        EXPECT_EQ(series.YAt(k), expected[k][1]) << k;
    }
    // A constant trace is one flat line over the whole time.
    values.fill(42);
    AddStaircase(series, time, values);
    ASSERT_EQ(series.PointCount(), 2);
    EXPECT_EQ(series.XAt(0), time[1]);
    EXPECT_EQ(series.XAt(1), time[313]);
}

} // namespace
} // namespace force_views
