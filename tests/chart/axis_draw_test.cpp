#include "chart/chart_test_support.h"
#include "chart/series/line_series.h"

#include <QLocale>
#include <climits>
#include <gtest/gtest.h>

namespace chart {
namespace {

using test::Draw;
using test::MakePlainChart;

// A chart with margins, the left axis drawn against a black plot; axis titles and labels in
// white so that they can be told from ticks (gray) and grid (gray dots).
class AxisDrawTest : public testing::Test {
protected:
    AxisDrawTest() : target(300, 200) {
        MakePlainChart(chart, 300, 200);
        chart.SetMarginLeft(10);
        chart.SetMarginTop(10);
        chart.SetMarginRight(10);
        chart.SetMarginBottom(10);
        chart.SetAxisVisible(true);
        chart.SetColor(0x404040);
        series.SetParentChart(&chart);
        series.AddPoint(0, 0, "", 0x00FF00);
        series.AddPoint(1, 1, "", 0x00FF00);
        left().LabelsFont.SetColor(clWhite);
        left().SetAxisRange(0, 5000);
    }
    TChartAxis& left() { return chart.LeftAxis(); }
    int CountGridPixelsInRow(int y) const {
        const TRect& p = chart.PlotRect();
        int n = 0;
        for (int x = p.Left + 2; x < p.Right - 1; ++x) {
            n += target.PixelAt(x, y) == clGray ? 1 : 0;
        }
        return n;
    }
    // Rows of the tick column left of the axis that hold a tick pixel.
    std::vector<int> TickRows() {
        std::vector<int> rows;
        const int x = left().AxisPos - 3;
        for (int y = chart.PlotRect().Top; y <= chart.PlotRect().Bottom; ++y) {
            if (target.PixelAt(x, y) == clGray) {
                rows.push_back(y);
            }
        }
        return rows;
    }
    TChart chart;
    TLineSeries series;
    canvas::Canvas target;
};

TEST_F(AxisDrawTest, GridOnInnerLabelsOnlyAndTicksOnLabels) {
    left().MinorTicks.SetVisible(false);
    Draw(chart, target);
    const double e = [&] {
        chart.Canvas().SelectFont(left().LabelsFont);
        return left().LabelIncrement(chart.Canvas());
    }();
    ASSERT_GT(e, 0.0);
    EXPECT_EQ(std::fmod(5000.0, e), 0.0);
    EXPECT_EQ(CountGridPixelsInRow(left().ValueToPixel(5000)), 0);
    EXPECT_EQ(CountGridPixelsInRow(left().ValueToPixel(0)), 0);
    EXPECT_GT(CountGridPixelsInRow(left().ValueToPixel(e)), 0);
    std::vector<int> expected;
    for (double v = 5000; v >= 0; v -= e) {
        expected.push_back(left().ValueToPixel(v));
    }
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(TickRows(), expected);
}

// Ranges whose labels, stepped down from the maximum in double arithmetic, miss the minimum by
// round-off (0.5 - 5 x 0.1 is 2.78e-17): the minimum still gets its label and tick, no grid.
struct RoundOffRange {
    const char* name;
    double minimum;
    double maximum;
    double increment;
};

class AxisRoundOffTest : public AxisDrawTest, public testing::WithParamInterface<RoundOffRange> {};

TEST_P(AxisRoundOffTest, RangeEndsGetNoGridLine) {
    const RoundOffRange& r = GetParam();
    left().MinorTicks.SetVisible(false);
    left().SetLabelsSeparation(0);
    left().SetAxisRange(r.minimum, r.maximum);
    left().SetIncrement(r.increment);
    Draw(chart, target);
    EXPECT_EQ(CountGridPixelsInRow(left().ValueToPixel(r.minimum)), 0);
    EXPECT_EQ(CountGridPixelsInRow(left().ValueToPixel(r.maximum)), 0);
    const std::vector<int> ticks = TickRows();
    ASSERT_FALSE(ticks.empty());
    EXPECT_EQ(ticks.back(), left().ValueToPixel(r.minimum));
    EXPECT_GT(CountGridPixelsInRow(left().ValueToPixel(r.maximum - r.increment)), 0);
}

INSTANTIATE_TEST_SUITE_P(Ranges, AxisRoundOffTest,
                         testing::Values(RoundOffRange{"ChipAxisStart", 0, 0.5, 0.1},
                                         RoundOffRange{"ChipAxisTop", 0, 1.0, 0.1},
                                         RoundOffRange{"Thirds", 0, 0.3, 0.1},
                                         RoundOffRange{"OffsetMinimum", 0.1, 0.7, 0.1},
                                         RoundOffRange{"NegativeMinimum", -0.3, 0.3, 0.1}),
                         [](const testing::TestParamInfo<RoundOffRange>& info) {
                             return info.param.name;
                         });

TEST_F(AxisDrawTest, EmptyRangeDrawsOneLabelAtTheCentreWithoutGrid) {
    chart.Loading = true;
    left().SetMaximum(0);
    chart.Loading = false;
    Draw(chart, target);
    ASSERT_EQ(left().CurrentRange, 0.0);
    EXPECT_EQ(TickRows(), std::vector<int>{chart.PlotGeometry().PlotCentreY});
    for (int y = chart.PlotRect().Top; y < chart.PlotRect().Bottom; ++y) {
        EXPECT_EQ(CountGridPixelsInRow(y), 0) << y;
    }
}

TEST_F(AxisDrawTest, TooManyIncrementsDrawNothing) {
    left().SetLabelsSeparation(0);
    left().SetIncrement(0.0001);
    left().Title.SetCaption("");
    Draw(chart, target);
    EXPECT_TRUE(TickRows().empty());
    int white = 0;
    for (int y = 2; y < 198; ++y) {
        for (int x = 2; x < left().AxisPos - 2; ++x) {
            white += target.PixelAt(x, y) == clWhite ? 1 : 0;
        }
    }
    EXPECT_EQ(white, 0); // no label text
}

TEST_F(AxisDrawTest, ReservedBandsOfAnAxis) {
    TRect r{0, 0, 300, 200};
    chart.BottomAxis().SetLabels(false);
    chart.BottomAxis().ReserveAxisSpace(chart.Canvas(), r);
    EXPECT_EQ(r.Bottom, 200 - 6); // axis pen 2 + tick 4
    chart.BottomAxis().Title.SetCaption("Vreme, s");
    chart.Canvas().SelectFont(chart.BottomAxis().Title.Font);
    const int h = chart.Canvas().FontHeight();
    r = TRect{0, 0, 300, 200};
    chart.BottomAxis().ReserveAxisSpace(chart.Canvas(), r);
    EXPECT_EQ(chart.BottomAxis().TitlePos, 200 - h);
    EXPECT_EQ(r.Bottom, 200 - h - 6);
    chart.BottomAxis().SetTitleSize(30);
    r = TRect{0, 0, 300, 200};
    chart.BottomAxis().ReserveAxisSpace(chart.Canvas(), r);
    EXPECT_EQ(r.Bottom, 200 - 36);
}

// The blue ink of a picture, cropped to its bounding box.
QImage BlueInk(const canvas::Canvas& c) {
    int left = INT_MAX, top = INT_MAX, right = INT_MIN, bottom = INT_MIN;
    for (int y = 0; y < c.Height(); ++y) {
        for (int x = 0; x < c.Width(); ++x) {
            if (c.PixelAt(x, y) == clBlue) {
                left = std::min(left, x);
                right = std::max(right, x);
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
        }
    }
    if (right < left) {
        return QImage();
    }
    QImage ink(right - left + 1, bottom - top + 1, QImage::Format_Mono);
    for (int y = top; y <= bottom; ++y) {
        for (int x = left; x <= right; ++x) {
            ink.setPixel(x - left, y - top, c.PixelAt(x, y) == clBlue ? 1 : 0);
        }
    }
    return ink;
}

// The title as the canvas draws it alone at the given angle.
QImage ReferenceTitle(const TChartFont& font, const QString& text, int angle) {
    canvas::Canvas c(200, 200, clBlack);
    TQixCanvas3D canvas;
    canvas.SetTarget(&c);
    canvas.SelectFont(font);
    canvas.DrawRotatedText(100, 100, text, angle);
    return BlueInk(c);
}

TEST_F(AxisDrawTest, RightTitleAt90ReadsUpwardsRightOfTitlePos) {
    TLineSeries right;
    right.SetVertAxis(TVertAxis::aRightAxis);
    right.SetParentChart(&chart);
    right.AddPoint(0, 0.1);
    chart.SetMarginRight(20);
    chart.RightAxis().SetAxisRange(0, 0.5);
    chart.RightAxis().SetLabels(false); // narrow labels may run into the title
    TChartAxisTitle& title = chart.RightAxis().Title;
    title.SetCaption("Debljina");
    title.Font.SetColor(clBlue);
    title.SetAngle(90);
    Draw(chart, target);
    EXPECT_EQ(BlueInk(target), ReferenceTitle(title.Font, "Debljina", 90));
    const int titlePos = chart.RightAxis().TitlePos;
    for (int y = 0; y < 200; ++y) {
        for (int x = 0; x < titlePos; ++x) {
            ASSERT_NE(target.PixelAt(x, y), clBlue) << x << "," << y;
        }
    }
    title.SetAngle(270);
    Draw(chart, target);
    EXPECT_EQ(BlueInk(target), ReferenceTitle(title.Font, "Debljina", 270));
    EXPECT_NE(BlueInk(target), ReferenceTitle(title.Font, "Debljina", 90));
}

TEST(AxisLabelTest, LocaleSeparators) {
    TChart chart;
    const QLocale saved;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    EXPECT_EQ(chart.LeftAxis().FormatAxisLabel(5000), "5.000");
    EXPECT_EQ(chart.LeftAxis().FormatAxisLabel(0.5), "0,5");
    QLocale::setDefault(saved);
    chart.LeftAxis().SetLabelsMultiLine(true);
    chart.OnGetAxisLabel = [](const TChartAxis*, TChartSeries*, int, QString& text) {
        text = "a " + text;
    };
    EXPECT_EQ(chart.LeftAxis().FormatAxisLabel(1), "a\n1");
    EXPECT_EQ(chart.LeftAxis().FormatAxisLabel(1, false), "1");
}

} // namespace
} // namespace chart
