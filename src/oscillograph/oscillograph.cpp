#include "oscillograph/oscillograph.h"

#include <QCoreApplication>

namespace oscillograph {

using namespace chart;

namespace {

constexpr TColor clGreen = 0x008000;

void SetUpSeries(TLineSeries& series, const QString& title, TColor colour, TVertAxis axis) {
    series.SetTitle(title);
    series.SetSeriesColor(colour);
    series.SetVertAxis(axis);
    series.Marks.Visible = false;
    series.Marks.ArrowLength = 8;
    series.Pointer.SetVisible(false);
    series.Pointer.SetStyle(TSeriesPointerStyle::psRectangle);
    series.Pointer.SetInflateMargins(true);
    series.XValues().SetOrder(TChartListOrder::loAscending);
    series.XValues().SetMultiplier(1.0);
    series.YValues().SetOrder(TChartListOrder::loNone);
    series.YValues().SetMultiplier(1.0);
}

void SetUpFixedAxis(TChartAxis& axis, double maximum, TColor titleColour) {
    axis.SetAutomatic(false);
    axis.SetAutomaticMinimum(false);
    axis.SetAutomaticMaximum(false);
    axis.SetMaximum(maximum);
    axis.Title.Font.SetName(QStringLiteral("Tahoma"));
    axis.Title.Font.SetColor(titleColour);
}

} // namespace

void SetChart1Texts(TChart& chart) {
    const auto text = [](const char* source) {
        return QCoreApplication::translate("oscillograph", source);
    };
    chart.Title.SetText({text(QT_TRANSLATE_NOOP("oscillograph", "Oscilograf"))});
    chart.BottomAxis().Title.SetCaption(text(QT_TRANSLATE_NOOP("oscillograph", "Vreme, s")));
    chart.LeftAxis().Title.SetCaption(
        text(QT_TRANSLATE_NOOP("oscillograph", "Glavni otpor rezanja, N")));
    chart.RightAxis().Title.SetCaption(
        text(QT_TRANSLATE_NOOP("oscillograph", "Debljina strugotine, mm")));
}

void ConfigureChart1(TChart& chart, TLineSeries& series1, TLineSeries& series2,
                     TLineSeries& series3) {
    // Stored-form values: the axis minimum/maximum cross-check does not apply while loading.
    chart.Loading = true;
    chart.resize(kOscillographWidth, kOscillographHeight);
    chart.SetColor(clBlack);
    chart.SetBackColor(clBlack);
    chart.Gradient.SetVisible(true);
    chart.Gradient.SetEndColor(kGradientEndColour);
    chart.SetMarginTop(5);
    chart.SetMarginBottom(5);
    chart.SetMarginLeft(1);
    chart.SetMarginRight(1);
    chart.SetView3D(false);

    chart.Title.Font.SetName(QStringLiteral("Tahoma"));
    chart.Title.Font.SetSize(8);
    chart.Title.Font.SetBold(true);
    chart.Title.Font.SetColor(clBlue);

    chart.BottomAxis().Title.Font.SetName(QStringLiteral("Tahoma"));
    chart.BottomAxis().Title.Font.SetColor(clBlack);
    SetUpFixedAxis(chart.LeftAxis(), 5000.0, clGreen);
    SetUpFixedAxis(chart.RightAxis(), 0.5, clBlue);
    chart.RightAxis().Title.SetAngle(90);
    SetChart1Texts(chart);

    chart.Legend.SetVisible(false);
    chart.Legend.SetColor(clGray);
    chart.Legend.SetColorWidth(35);
    chart.Legend.Font.SetColor(clWhite);

    SetUpSeries(series1, QStringLiteral("Po"), kForceColour, TVertAxis::aLeftAxis);
    SetUpSeries(series2, QStringLiteral("Hr"), kChipColour, TVertAxis::aRightAxis);
    SetUpSeries(series3, QString(), kMeanForceColour, TVertAxis::aLeftAxis);
    series1.SetParentChart(&chart);
    series2.SetParentChart(&chart);
    series3.SetParentChart(&chart);
    chart.Loading = false;
}

void FeedOscillograph(const sim::SimState& state, TLineSeries& series1, TLineSeries& series2,
                      TLineSeries& series3) {
    series1.ClearValues();
    series2.ClearValues();
    series3.ClearValues();
    const QString noLabel;
    for (int i = 1; i <= sim::kTraceLength; ++i) {
        const auto k = static_cast<std::size_t>(i);
        const double t = state.TimeAxis[k];
        series1.AddPoint(t, state.ForceTrace[k], noLabel, kForceColour);
        series2.AddPoint(t, state.ChipTrace[k], noLabel, kChipColour);
        series3.AddPoint(t, state.MeanForceTrace[k], noLabel, kMeanForceColour);
    }
}

} // namespace oscillograph
