#include "lab/sweep_plot.h"

#include "lab/write_error.h"

#include "canvas/canvas.h"
#include "chart/series/bar_series.h"
#include "chart/series/line_series.h"

#include <QCoreApplication>
#include <QImage>

namespace lab {

using namespace chart;

namespace {

constexpr TColor kCurrentColour = 0xC00000; // blue
constexpr TColor kKeptColour = 0x0000C0;    // red
constexpr TColor kTextbookShade = 0x808080; // mixed into the textbook line
constexpr int kPointerSize = 3;             // pixels

// A text of the plot in the current language.
QString Text(const char* source) {
    return QCoreApplication::translate("lab::SweepPlot", source);
}

bool IsCategorical(const SweepPlan& plan) {
    return plan.kind != SweepKind::Field;
}

void SetUpLine(TCustomSeries& series, TColor colour, TPenStyle style, bool pointers) {
    series.SetSeriesColor(colour);
    series.LinePen.SetStyle(style);
    series.LinePen.SetWidth(2);
    series.Marks.Visible = false;
    series.Pointer.SetVisible(pointers);
    series.Pointer.SetStyle(TSeriesPointerStyle::psCircle);
    series.Pointer.SetHorizSize(kPointerSize);
    series.Pointer.SetVertSize(kPointerSize);
    series.XValues().SetOrder(TChartListOrder::loAscending);
}

std::unique_ptr<TChartSeries> MakeSimulated(bool bars, TColor colour) {
    if (bars) {
        auto series = std::make_unique<TBarSeries>();
        series->SetSeriesColor(colour);
        series->Marks.Visible = false;
        series->SetBarWidthPercent(50);
        return series;
    }
    auto series = std::make_unique<TLineSeries>();
    SetUpLine(*series, colour, TPenStyle::psSolid, true);
    return series;
}

std::unique_ptr<TChartSeries> MakeTextbook(bool bars, TColor colour) {
    if (bars) {
        auto series = std::make_unique<TPointSeries>();
        SetUpLine(*series, colour ^ kTextbookShade, TPenStyle::psSolid, true);
        series->Pointer.SetStyle(TSeriesPointerStyle::psDiamond);
        return series;
    }
    auto series = std::make_unique<TLineSeries>();
    SetUpLine(*series, colour ^ kTextbookShade, TPenStyle::psDash, false);
    return series;
}

} // namespace

SweepPlot::SweepPlot(TChart& chart, SweepLegend legend) : chart_(chart), legend_(legend) {
    chart_.Loading = true;
    chart_.SetColor(clWhite);
    chart_.SetBackColor(clWhite);
    chart_.SetView3D(false);
    SetChartTitles();
    chart_.Title.Font.SetBold(true);
    chart_.LeftAxis().Title.SetAngle(90);
    chart_.Legend.SetVisible(true);
    chart_.Loading = false;
    Start(plan_, QString());
}

SweepPlot::~SweepPlot() {
    for (std::unique_ptr<TChartSeries>& series : series_) {
        series->SetParentChart(nullptr);
    }
}

void SweepPlot::SetChartTitles() {
    chart_.Title.SetText(
        {Text(QT_TRANSLATE_NOOP("lab::SweepPlot", "Srednja sila pri promeni jednog ulaza"))});
    chart_.LeftAxis().Title.SetCaption(
        Text(QT_TRANSLATE_NOOP("lab::SweepPlot", "Srednja sila, N")));
    chart_.BottomAxis().Title.SetCaption(QString::fromStdString(SweepAxisTitle(plan_)));
}

void SweepPlot::SetTexts(const QString& name, const QString& keptName) {
    name_ = name;
    keptName_ = keptName;
    SetChartTitles();
    ApplyTitles();
}

void SweepPlot::Start(const SweepPlan& plan, const QString& name) {
    plan_ = plan;
    name_ = name;
    rows_.clear();
    chart_.BottomAxis().Title.SetCaption(QString::fromStdString(SweepAxisTitle(plan)));
    chart_.BottomAxis().SetLabelStyle(IsCategorical(plan) ? TAxisLabelStyle::talText
                                                          : TAxisLabelStyle::talValue);
    Rebuild();
}

void SweepPlot::AddRow(const SweepRow& row) {
    rows_.push_back(row);
    Fill(*series_[0], *series_[1], {row});
    ShowInLegend();
}

void SweepPlot::SetLogAxes(bool log) {
    log_ = log && !IsCategorical(plan_);
    Rebuild();
}

void SweepPlot::KeepCurrent(const QString& name) {
    keptRows_ = rows_;
    keptName_ = name;
    keptBars_ = IsCategorical(plan_);
    Rebuild();
}

int SweepPlot::PointCount(int series) const {
    return series_[static_cast<size_t>(series)]->PointCount();
}

void SweepPlot::Rebuild() {
    for (std::unique_ptr<TChartSeries>& series : series_) {
        series->SetParentChart(nullptr);
    }
    series_.clear();
    const bool bars = IsCategorical(plan_);
    series_.push_back(MakeSimulated(bars, kCurrentColour));
    series_.push_back(MakeTextbook(bars, kCurrentColour));
    // Two bar series would cover each other, so kept bars are drawn as markers.
    series_.push_back(keptBars_ ? MakeTextbook(true, kKeptColour ^ kTextbookShade)
                                : MakeSimulated(false, kKeptColour));
    series_.push_back(MakeTextbook(keptBars_, kKeptColour));
    chart_.BottomAxis().SetLogarithmic(false);
    chart_.LeftAxis().SetLogarithmic(false);
    for (std::unique_ptr<TChartSeries>& series : series_) {
        series->SetParentChart(&chart_);
    }
    ApplyTitles();
    Fill(*series_[0], *series_[1], rows_);
    Fill(*series_[2], *series_[3], keptRows_);
    chart_.BottomAxis().SetLogarithmic(log_);
    chart_.LeftAxis().SetLogarithmic(log_);
    ShowInLegend();
}

void SweepPlot::ShowInLegend() {
    for (std::unique_ptr<TChartSeries>& series : series_) {
        series->SetShowInLegend(legend_ == SweepLegend::EverySeries || series->PointCount() > 0);
    }
}

void SweepPlot::Fill(TChartSeries& simulated, TChartSeries& textbook,
                     const std::vector<SweepRow>& rows) const {
    for (const SweepRow& row : rows) {
        if (!row.ran || (log_ && row.point.x <= 0)) {
            continue;
        }
        const QString label =
            IsCategorical(plan_) ? QString::fromStdString(row.point.label) : QString();
        if (!log_ || row.meanForce > 0) {
            simulated.AddPoint(row.point.x, row.meanForce, label);
        }
        if (row.textbookMeanForce && (!log_ || *row.textbookMeanForce > 0)) {
            textbook.AddPoint(row.point.x, *row.textbookMeanForce, label);
        }
    }
}

void SweepPlot::ApplyTitles() {
    const auto titled = [](const QString& name, const QString& text) {
        return name.isEmpty() ? text : name + QStringLiteral(": ") + text;
    };
    const QString simulated = Text(QT_TRANSLATE_NOOP("lab::SweepPlot", "simulacija"));
    const QString textbook = Text(QT_TRANSLATE_NOOP("lab::SweepPlot", "udžbenik"));
    series_[0]->SetTitle(titled(name_, simulated));
    series_[1]->SetTitle(titled(name_, textbook));
    series_[2]->SetTitle(titled(keptName_, simulated));
    series_[3]->SetTitle(titled(keptName_, textbook));
}

std::string SaveSweepPng(const std::string& path, const SweepPlan& plan,
                         const std::vector<SweepRow>& rows, bool logAxes) {
    TChart chart;
    chart.resize(kSweepPlotWidth, kSweepPlotHeight);
    SweepPlot plot(chart);
    plot.Start(plan, QString());
    plot.SetLogAxes(logAxes);
    for (const SweepRow& row : rows) {
        plot.AddRow(row);
    }
    canvas::Canvas target(kSweepPlotWidth, kSweepPlotHeight);
    chart.DrawTo(&target, TRect{0, 0, kSweepPlotWidth, kSweepPlotHeight});
    if (!target.Image().save(QString::fromStdString(path), "PNG")) {
        return CannotWriteMessage(path);
    }
    return {};
}

} // namespace lab
