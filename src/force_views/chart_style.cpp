#include "force_views/chart_style.h"

#include <QCoreApplication>

namespace force_views {

using namespace chart;

QString Text(const char* source) {
    return QCoreApplication::translate(kTextContext, source);
}

void SetUpWhiteChart(TChart& chart, bool legend) {
    chart.Loading = true;
    chart.SetColor(clWhite);
    chart.SetBackColor(clWhite);
    chart.SetView3D(false);
    chart.Title.Font.SetBold(true);
    chart.LeftAxis().Title.SetAngle(90);
    chart.Legend.SetVisible(legend);
    chart.Loading = false;
}

void FixMouseView(TChart& chart) {
    chart.SetAllowZoom(false);
    chart.SetAllowPanning(TPanningMode::pmNone);
}

void SetChartTexts(TChart& chart, const char* title, const char* bottom, const char* left) {
    chart.Title.SetText({Text(title)});
    chart.BottomAxis().Title.SetCaption(Text(bottom));
    chart.LeftAxis().Title.SetCaption(Text(left));
}

void SetUpLine(TFastLineSeries& series, TColor colour, int width, bool ordered) {
    series.SetSeriesColor(colour);
    series.LinePen.SetWidth(width);
    series.Marks.Visible = false;
    series.XValues().SetOrder(ordered ? TChartListOrder::loAscending : TChartListOrder::loNone);
    series.YValues().SetOrder(TChartListOrder::loNone);
}

} // namespace force_views
