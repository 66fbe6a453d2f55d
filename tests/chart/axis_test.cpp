#include "chart/axis.h"
#include "chart/chart_exception.h"

#include <QLocale>
#include <cmath>
#include <gtest/gtest.h>
#include <string>

namespace chart {
namespace {

// A panel stand-in: a fixed plot rectangle and fixed series bounds.
class FakeHost : public TAxisHost {
public:
    explicit FakeHost(TRect plot) {
        geometry.PlotRect = plot;
        geometry.RecalcDerived();
    }
    const TPlotGeometry& PlotGeometry() const override { return geometry; }
    void RequestRepaint() override { ++repaints; }
    bool IsLoading() const override { return loading; }
    double SeriesValueBound(const TChartAxis&, bool wantMinimum) const override {
        return wantMinimum ? boundMin : boundMax;
    }
    TAxisLabelStyle AutoLabelStyle(const TChartAxis&) const override {
        return TAxisLabelStyle::talValue;
    }
    bool AxisShowsDateTime(const TChartAxis&) const override { return false; }
    void GetAxisLabel(const TChartAxis&, TChartSeries*, int, QString&) const override {}

    TPlotGeometry geometry;
    int repaints = 0;
    bool loading = false;
    double boundMin = 0.0;
    double boundMax = 0.0;
};

// Every character 6 pixels wide, lines 13 pixels high.
class FixedMeasure : public TTextMeasure {
public:
    int MeasureTextWidth(const QString& text) override { return 6 * static_cast<int>(text.size()); }
    int MeasureTextHeight(const QString&) override { return 13; }
};

void SetRange(TChartAxis& axis, double lo, double hi) {
    axis.CurrentMinimum = lo;
    axis.CurrentMaximum = hi;
    axis.CurrentRange = hi - lo;
}

TEST(AxisMappingTest, FixedForceAxisOnHundredPixelPlot) {
    FakeHost host({10, 20, 110, 120});
    TChartAxis left(&host, TAxisKind::Left);
    SetRange(left, 0, 5000);
    EXPECT_EQ(left.ValueToPixel(2500), 120 - 50);
    EXPECT_EQ(left.ValueToPixel(5000), 20);
    EXPECT_EQ(left.ValueToPixel(0), 120);
    EXPECT_DOUBLE_EQ(left.PixelToValue(70), 2500.0);
    left.SetInverted(true);
    EXPECT_EQ(left.ValueToPixel(5000), 120);
    EXPECT_EQ(left.ValueToPixel(1000), 40);
}

struct TieCase {
    double value;
    int pixel;
};

class AxisTieTest : public testing::TestWithParam<TieCase> {};

// Range 0 .. 200 over 100 pixels: odd values fall exactly on half pixels.
TEST_P(AxisTieTest, HalvesGoToEvenNeighbour) {
    FakeHost host({0, 0, 100, 50});
    TChartAxis bottom(&host, TAxisKind::Bottom);
    SetRange(bottom, 0, 200);
    EXPECT_EQ(bottom.ValueToPixel(GetParam().value), GetParam().pixel);
}

INSTANTIATE_TEST_SUITE_P(Ties, AxisTieTest,
                         testing::Values(TieCase{1, 0}, TieCase{3, 2}, TieCase{5, 2}, TieCase{7, 4},
                                         TieCase{-1, 0}, TieCase{-3, -2}, TieCase{2, 1}));

TEST(AxisMappingTest, EmptyRangeMapsToCentreAndEmptyPlotToZero) {
    FakeHost host({4, 8, 381, 153});
    TChartAxis bottom(&host, TAxisKind::Bottom);
    TChartAxis left(&host, TAxisKind::Left);
    host.boundMin = host.boundMax = 0.0;
    bottom.RefreshRange();
    left.SetAxisRange(0, 0);
    left.RefreshRange();
    SetRange(left, 0, 0);
    EXPECT_EQ(bottom.ValueToPixel(123.0), (4 + 381) / 2);
    EXPECT_EQ(left.ValueToPixel(-5.0), (8 + 153) / 2);

    FakeHost flat({10, 10, 10, 10});
    TChartAxis axis(&flat, TAxisKind::Bottom);
    SetRange(axis, 0, 10);
    EXPECT_EQ(axis.PixelToValue(5), 0.0);
}

TEST(AxisMappingTest, FarValuesSaturateInsteadOfWrapping) {
    FakeHost host({0, 0, 100, 100});
    TChartAxis bottom(&host, TAxisKind::Bottom);
    SetRange(bottom, 0, 1);
    EXPECT_EQ(bottom.ValueToPixel(1e300), 2147483647);
    EXPECT_EQ(bottom.ValueToPixel(-1e300), -2147483647 - 1);
}

TEST(AxisRangeTest, SetAxisRangeOrdersAndWidensEmptySpans) {
    FakeHost host({0, 0, 100, 100});
    TChartAxis axis(&host, TAxisKind::Left);
    axis.SetAxisRange(3, 3);
    EXPECT_EQ(axis.Minimum(), 3.0);
    EXPECT_EQ(axis.Maximum(), 3.0 + 1e-10);
    axis.SetAxisRange(5, 1);
    EXPECT_EQ(axis.Minimum(), 1.0);
    EXPECT_EQ(axis.Maximum(), 5.0);
    EXPECT_FALSE(axis.Automatic());
    EXPECT_FALSE(axis.AutomaticMinimum());
    EXPECT_FALSE(axis.AutomaticMaximum());
}

TEST(AxisRangeTest, SettersValidateAndKeepOldValue) {
    FakeHost host({0, 0, 100, 100});
    TChartAxis axis(&host, TAxisKind::Left);
    axis.SetAxisRange(2, 10);
    try {
        axis.SetMaximum(1);
        FAIL() << "no exception";
    } catch (const AxisException& e) {
        EXPECT_STREQ(e.what(), "Axis Maximum Value must be >= Minimum");
    }
    EXPECT_EQ(axis.Maximum(), 10.0);
    try {
        axis.SetMinimum(11);
        FAIL() << "no exception";
    } catch (const AxisException& e) {
        EXPECT_STREQ(e.what(), "Axis Minimum Value must be <= Maximum");
    }
    EXPECT_EQ(axis.Minimum(), 2.0);
    axis.SetMaximum(2); // equal to the minimum is accepted
    EXPECT_EQ(axis.Maximum(), 2.0);
    EXPECT_THROW(axis.SetIncrement(-1), AxisException);
    EXPECT_THROW(axis.SetIncrement(std::nan("")), AxisException);
    EXPECT_THROW(axis.SetLabelsSeparation(-1), AxisException);
    host.loading = true;
    axis.SetMaximum(0); // no cross-check while loading
    EXPECT_EQ(axis.Maximum(), 0.0);
}

TEST(AxisRangeTest, StoreIfDifferentRepaintsOnlyOnChange) {
    FakeHost host({0, 0, 100, 100});
    TChartAxis axis(&host, TAxisKind::Left);
    axis.SetMaximum(5);
    const int after = host.repaints;
    axis.SetMaximum(5);
    axis.SetInverted(false);
    EXPECT_EQ(host.repaints, after);
    axis.Grid.SetColor(0x123456);
    EXPECT_EQ(host.repaints, after + 1);
}

TEST(AxisRangeTest, AngleSettersRejectOutOfRange) {
    FakeHost host({0, 0, 100, 100});
    TChartAxis axis(&host, TAxisKind::Right);
    EXPECT_EQ(axis.Title.Angle(), 270);
    try {
        axis.SetLabelsAngle(361);
        FAIL() << "no exception";
    } catch (const ChartException& e) {
        EXPECT_STREQ(e.what(), "Axis Labels Angle must be between 0 and 359 degrees");
    }
    try {
        axis.Title.SetAngle(-1);
        FAIL() << "no exception";
    } catch (const ChartException& e) {
        EXPECT_STREQ(e.what(), "Axis Title Angle must be between 0 and 359 degrees");
    }
    axis.Title.SetAngle(360);
    EXPECT_EQ(axis.Title.Angle(), 0);
}

TEST(AxisRangeTest, AutomaticRangeComesFromSeriesBounds) {
    FakeHost host({0, 0, 100, 100});
    TChartAxis bottom(&host, TAxisKind::Bottom);
    host.boundMin = -0.468;
    host.boundMax = 0.0015;
    bottom.RefreshRange();
    EXPECT_EQ(bottom.CurrentMinimum, -0.468);
    EXPECT_EQ(bottom.CurrentMaximum, 0.0015);
    EXPECT_EQ(bottom.CurrentRange, 0.0015 - -0.468);
    TChartAxis left(&host, TAxisKind::Left);
    left.SetAxisRange(0, 5000);
    left.RefreshRange();
    EXPECT_EQ(left.CurrentMaximum, 5000.0);
}

TEST(AxisRangeTest, MarginsWidenTheRange) {
    FakeHost host({0, 0, 100, 100});
    TChartAxis bottom(&host, TAxisKind::Bottom);
    SetRange(bottom, 0, 10);
    bottom.ExtendRangeForMargins(10, 0, 10, 0);
    EXPECT_DOUBLE_EQ(bottom.CurrentMinimum, -1.25);
    EXPECT_DOUBLE_EQ(bottom.CurrentMaximum, 11.25);
    TChartAxis left(&host, TAxisKind::Left);
    SetRange(left, 0, 10);
    left.ExtendRangeForMargins(0, 0, 0, 0);
    EXPECT_EQ(left.CurrentMinimum, 0.0);
    EXPECT_EQ(left.CurrentMaximum, 10.0);
    left.ExtendRangeForMargins(0, 20, 0, 0);
    EXPECT_DOUBLE_EQ(left.CurrentMinimum, 0.0);
    EXPECT_DOUBLE_EQ(left.CurrentMaximum, 12.5);
}

struct StepCase {
    double in;
    double out;
};

class NextNiceStepTest : public testing::TestWithParam<StepCase> {};

TEST_P(NextNiceStepTest, Steps) {
    EXPECT_DOUBLE_EQ(NextNiceStep(GetParam().in), GetParam().out);
}

INSTANTIATE_TEST_SUITE_P(Table, NextNiceStepTest,
                         testing::Values(StepCase{1, 2}, StepCase{2, 5}, StepCase{5, 10},
                                         StepCase{0.3, 0.5}, StepCase{37, 50}, StepCase{500, 1000},
                                         StepCase{1.999, 2}, StepCase{9.5, 10},
                                         // Just below each threshold, in three decades.
                                         StepCase{4.999, 5}, StepCase{0.45, 0.5},
                                         StepCase{4500, 5000}));

TEST(AxisIncrementTest, ComputeIncrement) {
    FakeHost host({0, 0, 100, 100});
    TChartAxis axis(&host, TAxisKind::Left);
    SetRange(axis, 0, 5000);
    EXPECT_EQ(axis.ComputeIncrement(7), 1000.0);
    EXPECT_EQ(axis.ComputeIncrement(0), 1e-12);
    axis.SetIncrement(300);
    EXPECT_EQ(axis.ComputeIncrement(100), 300.0);
    EXPECT_EQ(axis.ComputeIncrement(7), 1000.0);
    axis.SetIncrement(0);
    SetRange(axis, 0, 0.5);
    EXPECT_NEAR(axis.ComputeIncrement(5), 0.1, 1e-15);
    axis.SetLabelsSeparation(0);
    EXPECT_EQ(axis.ComputeIncrement(5), 1e-12);
}

TEST(AxisIncrementTest, LabelIncrementFromLabelSize) {
    FakeHost host({0, 0, 300, 130});
    FixedMeasure measure;
    TChartAxis left(&host, TAxisKind::Left);
    SetRange(left, 0, 5000);
    // Vertical: 13 + round(1.3) = 14 pixels a label, 130 / 14 -> 9 labels -> step 1000.
    EXPECT_EQ(left.LabelIncrement(measure), 1000.0);
    TChartAxis bottom(&host, TAxisKind::Bottom);
    SetRange(bottom, 0, 100);
    // "100" is 18 pixels, + 2 = 20; 300 / 20 = 15 labels -> step 10.
    EXPECT_EQ(bottom.LabelIncrement(measure), 10.0);
}

struct RoundCase {
    const char* name;
    double value;
    int rounded;
};

class RoundTest : public testing::TestWithParam<RoundCase> {};

TEST_P(RoundTest, NearestWithHalvesToEven) {
    EXPECT_EQ(Round(GetParam().value), GetParam().rounded);
}

INSTANTIATE_TEST_SUITE_P(
    Values, RoundTest,
    testing::Values(
        RoundCase{"HalfDown", 0.5, 0}, RoundCase{"HalfUp", 1.5, 2},
        RoundCase{"TwoAndAHalf", 2.5, 2}, RoundCase{"NegativeHalf", -0.5, 0},
        RoundCase{"NegativeOneAndAHalf", -1.5, -2}, RoundCase{"NegativeTwoAndAHalf", -2.5, -2},
        RoundCase{"JustBelowHalf", 0.49999999999999994, 0},
        RoundCase{"JustAboveHalf", 2.5000000000000004, 3}, RoundCase{"NegativeFraction", -7.3, -7},
        RoundCase{"Large", 123456789.5, 123456790}, RoundCase{"Saturates", 1e12, 2147483647},
        RoundCase{"SaturatesLow", -1e12, -2147483647 - 1}, RoundCase{"NaN", std::nan(""), 0}),
    [](const testing::TestParamInfo<RoundCase>& info) { return std::string(info.param.name); });

struct MapCase {
    const char* name;
    TAxisKind kind;
    double lo, hi;
    bool inverted;
    bool logarithmic;
};

class ValueMapTest : public testing::TestWithParam<MapCase> {};

// The mapping taken once maps every value as ValueToPixel does.
TEST_P(ValueMapTest, MapsAsValueToPixel) {
    const MapCase& c = GetParam();
    FakeHost host({7, 11, 390, 150});
    TChartAxis axis(&host, c.kind);
    axis.SetInverted(c.inverted);
    if (c.logarithmic) {
        axis.SetLogarithmic(true);
    }
    SetRange(axis, c.lo, c.hi);
    const TValueMap map = axis.ValueMap(axis.Horizontal());
    for (int k = -20; k <= 120; ++k) {
        const double value = c.lo + (c.hi - c.lo) * k / 100.0 + 1e-3 * k;
        EXPECT_EQ(map.Map(value), axis.ValueToPixel(value)) << value;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Axes, ValueMapTest,
    testing::Values(MapCase{"Time", TAxisKind::Bottom, -0.4695, 0.0, false, false},
                    MapCase{"Force", TAxisKind::Left, 0, 5000, false, false},
                    MapCase{"ChipInverted", TAxisKind::Right, 0, 0.5, true, false},
                    MapCase{"ZeroRange", TAxisKind::Bottom, 3, 3, false, false},
                    MapCase{"Logarithmic", TAxisKind::Left, 1, 1000, false, true},
                    MapCase{"HugeRange", TAxisKind::Top, -1e300, 1e300, false, false}),
    [](const testing::TestParamInfo<MapCase>& info) { return std::string(info.param.name); });

TEST(AxisLabelTextTest, FollowsTheFormatAndTheLocale) {
    FakeHost host({0, 0, 100, 100});
    TChartAxis axis(&host, TAxisKind::Left);
    const QLocale saved;
    QLocale::setDefault(QLocale(QLocale::English));
    EXPECT_EQ(axis.FormatAxisLabel(1234.5), QStringLiteral("1,234.5"));
    axis.SetAxisValuesFormat(QStringLiteral("0.00"));
    EXPECT_EQ(axis.FormatAxisLabel(1234.5), QStringLiteral("1234.50"));
    QLocale::setDefault(QLocale(QLocale::German));
    EXPECT_EQ(axis.FormatAxisLabel(1234.5), QStringLiteral("1234,50"));
    axis.SetAxisValuesFormat(QStringLiteral("#,##0.###"));
    EXPECT_EQ(axis.FormatAxisLabel(1234.5), QStringLiteral("1.234,5"));
    QLocale::setDefault(saved);
    // Many different values, beyond what is kept, still format correctly.
    for (int i = 0; i < 200; ++i) {
        axis.FormatAxisLabel(i * 0.25);
    }
    EXPECT_EQ(axis.FormatAxisLabel(-0.0), axis.FormatAxisLabel(0.0));
}

} // namespace
} // namespace chart
