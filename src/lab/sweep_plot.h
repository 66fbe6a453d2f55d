#pragma once

// The plot of a sweep on the chart engine: the simulated mean force and the textbook mean force
// against the swept input, as points joined by lines for a numeric input and as bars (with the
// textbook value as a marker) for materials and directions. A second pair of series keeps an
// earlier sweep for comparison, in its own colour, with a legend.

#include "lab/sweep.h"

#include "chart/chart.h"
#include "chart/series/chart_series.h"

#include <QString>
#include <memory>
#include <string>
#include <vector>

namespace lab {

inline constexpr int kSweepPlotWidth = 800;  // pixels
inline constexpr int kSweepPlotHeight = 500; // pixels

// Which series the legend lists: all four (the PNG glodanje-batch writes, pinned by its golden
// images), or only those that have points (the experiment window, where nothing has run before
// the first "Pokreni" and the kept pair is empty until "Zadrži").
enum class SweepLegend { EverySeries, SeriesWithPoints };

class SweepPlot {
public:
    // Sets chart up (title, axes, legend); the series join it and stay owned here.
    explicit SweepPlot(chart::TChart& chart, SweepLegend legend = SweepLegend::EverySeries);
    ~SweepPlot();
    SweepPlot(const SweepPlot&) = delete;
    SweepPlot& operator=(const SweepPlot&) = delete;

    // Starts the current series afresh for plan; name heads its legend entries. The kept
    // series stay.
    void Start(const SweepPlan& plan, const QString& name);
    // Adds one row to the current series (a skipped row adds nothing; on logarithmic axes
    // neither does a value of 0 or below).
    void AddRow(const SweepRow& row);
    // Both axes logarithmic or linear; the rows already added are placed again.
    void SetLogAxes(bool log);
    bool LogAxes() const { return log_; }
    // Copies the current series into the kept ones (replacing what they held), under name.
    void KeepCurrent(const QString& name);
    // Sets the chart's title, axis titles and legend in the current language, the current
    // series under name and the kept ones under keptName (after a language change).
    void SetTexts(const QString& name, const QString& keptName);
    bool HasKept() const { return !keptRows_.empty(); }

    // Points in each series: current simulated, current textbook, kept simulated, kept
    // textbook.
    int PointCount(int series) const;

private:
    void Rebuild();
    void Fill(chart::TChartSeries& simulated, chart::TChartSeries& textbook,
              const std::vector<SweepRow>& rows) const;
    void ApplyTitles();
    void SetChartTitles();
    // Lists the series in the legend as legend_ says.
    void ShowInLegend();

    chart::TChart& chart_;
    SweepLegend legend_;
    SweepPlan plan_;
    bool log_ = false;
    QString name_;
    QString keptName_;
    std::vector<SweepRow> rows_;
    std::vector<SweepRow> keptRows_;
    bool keptBars_ = false;
    std::vector<std::unique_ptr<chart::TChartSeries>> series_; // the four series above
};

// Draws the plot of rows for plan into an 800 x 500 PNG; returns "" or an error message.
// Needs a QApplication for the fonts.
std::string SaveSweepPng(const std::string& path, const SweepPlan& plan,
                         const std::vector<SweepRow>& rows, bool logAxes);

} // namespace lab
