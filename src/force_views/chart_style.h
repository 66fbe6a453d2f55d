#pragma once

// What the pictures of the forces window share: a white chart with a bold title, line series
// in one colour, and their texts in the current language (context "force_views").

#include "chart/chart.h"
#include "chart/series/fast_line_series.h"

#include <QString>

namespace force_views {

// The translation context of every text of the pictures.
inline constexpr const char* kTextContext = "force_views";

// A text marked with QT_TRANSLATE_NOOP("force_views", ...) in the current language.
QString Text(const char* source);

// White panel and plot, no 3D, a bold title, vertical left-axis title; legend as given.
void SetUpWhiteChart(chart::TChart& chart, bool legend);

// No zoom or scroll by mouse: for a chart whose axes every feed sets again, where a zoom would
// spring back at the next refresh.
void FixMouseView(chart::TChart& chart);

// Sets the chart's title and the titles of its bottom and left axes from their source texts
// (marked with QT_TRANSLATE_NOOP("force_views", ...)) in the current language.
void SetChartTexts(chart::TChart& chart, const char* title, const char* bottom, const char* left);

// A fast line of the given colour and pen width; ordered: its x values only grow (a trace
// against time), otherwise the points are joined in the order they are added.
void SetUpLine(chart::TFastLineSeries& series, chart::TColor colour, int width, bool ordered);

} // namespace force_views
