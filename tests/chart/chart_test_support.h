// Shared set-up of the chart tests: a plain black plot filling the whole chart, so that
// series pixels can be checked at known positions.
#pragma once

#include "chart/chart.h"

#include <set>

namespace chart::test {

// 100 x 100 chart, no margins, no title, no axes drawn, black plot (0, 0, 100, 100).
inline void MakePlainChart(TChart& chart, int width = 100, int height = 100) {
    chart.resize(width, height);
    chart.SetMarginLeft(0);
    chart.SetMarginTop(0);
    chart.SetMarginRight(0);
    chart.SetMarginBottom(0);
    chart.SetView3D(false);
    chart.Title.SetVisible(false);
    chart.SetAxisVisible(false);
    chart.Legend.SetVisible(false);
    chart.SetBackColor(clBlack);
    chart.BackWall.Pen.SetColor(clBlack);
    chart.SetColor(clBlack);
}

// A bare chart: margins 1, 5, 1, 5 (left, top, right, bottom), no title, no axes.
inline void MakeBare(TChart& chart, int width, int height) {
    chart.resize(width, height);
    chart.SetMarginLeft(1);
    chart.SetMarginTop(5);
    chart.SetMarginRight(1);
    chart.SetMarginBottom(5);
    chart.Title.SetVisible(false);
    chart.SetAxisVisible(false);
    chart.SetView3D(false);
}

inline void Draw(TChart& chart, canvas::Canvas& target) {
    chart.DrawTo(&target, TRect{0, 0, target.Width(), target.Height()});
}

inline std::set<TColor> ColoursInRow(const canvas::Canvas& c, int y, int x0, int x1) {
    std::set<TColor> colours;
    for (int x = x0; x < x1; ++x) {
        colours.insert(c.PixelAt(x, y));
    }
    return colours;
}

inline int CountColour(const canvas::Canvas& c, TColor colour) {
    int n = 0;
    for (int y = 0; y < c.Height(); ++y) {
        for (int x = 0; x < c.Width(); ++x) {
            n += c.PixelAt(x, y) == colour ? 1 : 0;
        }
    }
    return n;
}

} // namespace chart::test
