#include "force_views/polar_diagram.h"

#include "force_views/chart_style.h"
#include "numeric/rounding.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace force_views {

using namespace chart;

namespace {

constexpr TColor kCrossColour = 0xC0C0C0;  // light grey
constexpr double kSmallestHalfRange = 100; // N: the axes of a diagram without force
constexpr double kSpareFraction = 1.1;     // the largest force reaches 1 / 1.1 of the half range
constexpr double kHeadFraction = 0.08;     // arrow head length per half range
constexpr double kBarbAngle = 25 * std::numbers::pi / 180;

// A line whose series asks the chart for the pixel margins that give both of its axes the same
// pixels per newton: the axis with more pixels per newton keeps its range inside a band narrowed
// on both sides. The chart asks after it has laid out the plot, so the margins follow any size.
class EqualScaleLine : public TFastLineSeries {
public:
    void HorizontalMargins(int& left, int& right) const override { left = right = Margin(true); }
    void VerticalMargins(int& top, int& bottom) const override { top = bottom = Margin(false); }

private:
    int Margin(bool horizontal) const {
        const TCustomAxisPanel* chart = ParentChart();
        if (chart == nullptr) {
            return 0;
        }
        const TPlotGeometry& g = chart->PlotGeometry();
        const TChartAxis* x = GetHorizontalAxis();
        const TChartAxis* y = GetVerticalAxis();
        const double xRange = x->CurrentMaximum - x->CurrentMinimum;
        const double yRange = y->CurrentMaximum - y->CurrentMinimum;
        if (!(xRange > 0 && yRange > 0 && g.PlotWidth > 0 && g.PlotHeight > 0)) {
            return 0;
        }
        const double xScale = g.PlotWidth / xRange;
        const double yScale = g.PlotHeight / yRange;
        if (horizontal && xScale > yScale) {
            return numeric::Round((g.PlotWidth - yScale * xRange) / 2);
        }
        if (!horizontal && yScale > xScale) {
            return numeric::Round((g.PlotHeight - xScale * yRange) / 2);
        }
        return 0;
    }
};

void AddArrow(TFastLineSeries& series, double x, double y, double headLength) {
    series.ClearValues();
    for (const auto& point : ArrowPolyline(x, y, headLength)) {
        series.AddPoint(point[0], point[1]);
    }
}

} // namespace

int SamplesPerRevolution(const sim::SimState& s) {
    const double tick = sim::kSubStepsPerTick * s.StepTime;
    if (!(tick > 0 && s.RevolutionTime > 0)) {
        return sim::kTraceLength;
    }
    const double samples = std::ceil(s.RevolutionTime / tick);
    return static_cast<int>(std::clamp(samples, 1.0, static_cast<double>(sim::kTraceLength)));
}

double NiceCeiling(double value) {
    if (!(value > 0)) {
        return 1;
    }
    const double power = std::pow(10.0, std::floor(std::log10(value)));
    for (const double m : {1.0, 1.5, 2.0, 2.5, 3.0, 4.0, 5.0, 6.0, 8.0}) {
        if (m * power >= value) {
            return m * power;
        }
    }
    return 10 * power;
}

std::array<std::array<double, 2>, 5> ArrowPolyline(double x, double y, double headLength) {
    const double length = std::hypot(x, y);
    if (!(length > 0)) {
        return {};
    }
    // The shaft's direction turned back from the tip, then by the barb angle either way.
    const double bx = -x / length * headLength;
    const double by = -y / length * headLength;
    const double c = std::cos(kBarbAngle);
    const double n = std::sin(kBarbAngle);
    return {{{0, 0},
             {x, y},
             {x + bx * c - by * n, y + bx * n + by * c},
             {x, y},
             {x + bx * c + by * n, y - bx * n + by * c}}};
}

PolarDiagram::PolarDiagram(TChart& chart)
    : chart_(chart), cross_(std::make_unique<TFastLineSeries>()),
      curve_(std::make_unique<EqualScaleLine>()), newest_(std::make_unique<TFastLineSeries>()),
      mean_(std::make_unique<TFastLineSeries>()) {
    SetUpWhiteChart(chart_, true);
    FixMouseView(chart_);
    SetUpLine(*cross_, kCrossColour, 1, false);
    cross_->SetShowInLegend(false);
    SetUpLine(*curve_, kCurveColour, 1, false);
    SetUpLine(*newest_, kNewestArrowColour, 2, false);
    SetUpLine(*mean_, kMeanArrowColour, 2, false);
    for (TFastLineSeries* series : {cross_.get(), curve_.get(), newest_.get(), mean_.get()}) {
        series->SetParentChart(&chart_);
    }
    SetTexts();
}

PolarDiagram::~PolarDiagram() {
    for (TFastLineSeries* series : {cross_.get(), curve_.get(), newest_.get(), mean_.get()}) {
        series->SetParentChart(nullptr);
    }
}

void PolarDiagram::SetTexts() {
    SetChartTexts(chart_, QT_TRANSLATE_NOOP("force_views", "Sila na obratku"),
                  QT_TRANSLATE_NOOP("force_views", "U pravcu pomaka F_f, N"),
                  QT_TRANSLATE_NOOP("force_views", "Normalna F_n, N"));
    curve_->SetTitle(Text(QT_TRANSLATE_NOOP("force_views", "poslednji obrt")));
    newest_->SetTitle(Text(QT_TRANSLATE_NOOP("force_views", "sada")));
    mean_->SetTitle(Text(QT_TRANSLATE_NOOP("force_views", "srednja obrta")));
}

void PolarDiagram::Feed(const sim::SimState& s) {
    const int samples = SamplesPerRevolution(s);
    const int first = sim::kTraceLength - samples + 1;
    double largest = 0;
    curve_->ClearValues();
    for (int i = first; i <= sim::kTraceLength; ++i) {
        const auto k = static_cast<std::size_t>(i);
        curve_->AddPoint(s.FeedForceTrace[k], s.NormalForceTrace[k]);
        largest = std::max(largest, std::hypot(s.FeedForceTrace[k], s.NormalForceTrace[k]));
    }
    const auto closing = static_cast<std::size_t>(first);
    curve_->AddPoint(s.FeedForceTrace[closing], s.NormalForceTrace[closing]);

    const auto newest = static_cast<std::size_t>(sim::kTraceLength);
    largest = std::max(largest, std::hypot(s.MeanFeedTrace[newest], s.MeanNormalTrace[newest]));
    halfRange_ = std::max(kSmallestHalfRange, NiceCeiling(kSpareFraction * largest));
    const double head = kHeadFraction * halfRange_;
    AddArrow(*newest_, s.FeedForceTrace[newest], s.NormalForceTrace[newest], head);
    AddArrow(*mean_, s.MeanFeedTrace[newest], s.MeanNormalTrace[newest], head);

    cross_->ClearValues();
    cross_->AddPoint(-halfRange_, 0);
    cross_->AddPoint(halfRange_, 0);
    cross_->AddPoint(halfRange_, 0, QString(), clNone);
    cross_->AddPoint(0, -halfRange_);
    cross_->AddPoint(0, halfRange_);
    chart_.BottomAxis().SetAxisRange(-halfRange_, halfRange_);
    chart_.LeftAxis().SetAxisRange(-halfRange_, halfRange_);
}

} // namespace force_views
