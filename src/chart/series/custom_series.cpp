#include "chart/series/custom_series.h"

#include "chart/axis.h"
#include "chart/chart_canvas.h"
#include "chart/chart_exception.h"
#include "chart/chart_panel.h"

#include <array>
#include <cstdint>
#include <cstdlib>

namespace chart {

namespace {

// Pixels beyond this distance from the origin are not drawn.
constexpr int kMaxPixel = 32766;

bool Drawable(int v) {
    return v >= -kMaxPixel && v <= kMaxPixel;
}

bool Between(int v, int a, int b) {
    return a <= b ? (v >= a && v <= b) : (v >= b && v <= a);
}

// Whether (x, y) lies on the segment (x0, y0)-(x1, y1), within about a pixel.
bool OnSegment(int x, int y, int x0, int y0, int x1, int y1) {
    const std::int64_t cross = static_cast<std::int64_t>(x - x0) * (y1 - y0) -
                               static_cast<std::int64_t>(y - y0) * (x1 - x0);
    const std::int64_t tolerance = std::max(std::abs(x1 - x0), std::abs(y1 - y0));
    return std::llabs(cross) < tolerance && Between(x, x0, x1) && Between(y, y0, y1);
}

// Even-odd test of a point against a polygon.
bool InPolygon(int x, int y, const std::array<TPoint, 4>& p) {
    bool inside = false;
    for (std::size_t i = 0, j = p.size() - 1; i < p.size(); j = i++) {
        if ((p[i].y > y) != (p[j].y > y)) {
            const double cx = p[j].x + static_cast<double>(p[i].x - p[j].x) * (y - p[j].y) /
                                           static_cast<double>(p[i].y - p[j].y);
            if (x < cx) {
                inside = !inside;
            }
        }
    }
    return inside;
}

std::unique_ptr<TChartSeries> CreateCustom() {
    return std::make_unique<TCustomSeries>();
}

} // namespace

TSeriesPointer::TSeriesPointer(TCustomSeries* owner) : Owner_(owner) {
    const auto changed = [this] {
        if (Owner_ != nullptr) {
            Owner_->PenChanged();
        }
    };
    Brush.OnChange = changed;
    Pen.OnChange = changed;
}

void TSeriesPointer::SetHorizSize(int v) {
    if (v < 1) {
        throw ChartException("Pointer size must be greater than zero");
    }
    Store(HorizSize_, v);
}

void TSeriesPointer::SetVertSize(int v) {
    if (v < 1) {
        throw ChartException("Pointer size must be greater than zero");
    }
    Store(VertSize_, v);
}

const TSeriesClassInfo& TCustomSeries::ClassInfo() {
    static const TSeriesClassInfo info{"TCustomSeries", &CreateCustom};
    return info;
}

TCustomSeries::TCustomSeries() {
    KeepPointPastEdge = true;
    const auto changed = [this] { PenChanged(); };
    LinePen.OnChange = changed;
    AreaLinesPen.OnChange = changed;
}

int TCustomSeries::OriginY(int /*index*/) const {
    return ParentChart()->PlotGeometry().PlotRect.Bottom;
}

void TCustomSeries::HorizontalMargins(int& left, int& right) const {
    left = 0;
    right = 0;
    if (Pointer.Visible() && Pointer.InflateMargins()) {
        left = std::max(left, Pointer.HorizSize() + 1);
        right = std::max(right, Pointer.HorizSize() + 1);
    }
}

void TCustomSeries::VerticalMargins(int& top, int& bottom) const {
    top = 0;
    bottom = 0;
    if (Pointer.Visible() && Pointer.InflateMargins()) {
        top = std::max(top, Pointer.VertSize() + 1);
        bottom = std::max(bottom, Pointer.VertSize() + 1);
    }
}

int TCustomSeries::EdgeRow(int index) const {
    const TChartAxis* h = GetHorizontalAxis();
    const double x = h->PixelToValue(OldX);
    const double x1 = XAt(index - 1);
    const double y1 = YAt(index - 1);
    const double x2 = XAt(index);
    const double y2 = YAt(index);
    if (x2 - x1 == 0.0) {
        return PointScreenY(index - 1);
    }
    const double y = (y2 - y1) * (x - x1) / (x2 - x1) + y1;
    return GetVerticalAxis()->ValueToPixelY(y);
}

void TCustomSeries::DrawVisiblePoints() {
    if (FirstVisibleIndex >= 0 && LastVisibleIndex >= FirstVisibleIndex) {
        // The axes' mappings are taken once; every point then maps with the same arithmetic
        // as PointScreenX and PointScreenY.
        const TValueMap h = GetHorizontalAxis()->ValueMap(true);
        const TValueMap v = GetVerticalAxis()->ValueMap(false);
        const int first = FirstVisibleIndex > 0 ? FirstVisibleIndex - 1 : 0;
        const auto count = static_cast<std::size_t>(LastVisibleIndex - first + 1);
        MappedX_.resize(count);
        MappedY_.resize(count);
        const TChartValueList& xs = XValues();
        const TChartValueList& ys = YValues();
        // The visible indices lie in both lists (checked once here, so the reads need not be).
        static_cast<void>(xs.ScaledValue(LastVisibleIndex));
        static_cast<void>(ys.ScaledValue(LastVisibleIndex));
        for (std::size_t k = 0; k < count; ++k) {
            const int index = first + static_cast<int>(k);
            MappedX_[k] = h.Map(xs.ScaledValueUnchecked(index));
            MappedY_[k] = v.Map(ys.ScaledValueUnchecked(index));
        }
        MappedFirst_ = first;
        MappedLast_ = LastVisibleIndex;
    }
    // The mapped pixels are forgotten however the drawing ends.
    struct Forget {
        TCustomSeries& series;
        ~Forget() {
            series.MappedFirst_ = 0;
            series.MappedLast_ = -1;
        }
    } forget{*this};
    if (!DrawsLineRuns()) {
        TChartSeries::DrawVisiblePoints();
        return;
    }
    DrawPoint(FirstVisibleIndex);
    DrawLineRuns();
}

bool TCustomSeries::DrawsLineRuns() const {
    return JoinPoints_ && !DrawArea_ && !Stairs_ && !Pointer.Visible() && DrawsForward() &&
           !DrawsPointByPoint() && FirstVisibleIndex >= 0 && LastVisibleIndex >= FirstVisibleIndex;
}

void TCustomSeries::DrawLineRuns() {
    TQixCanvas& c = Canvas();
    canvas::Canvas& target = *c.GetDeviceHandle();
    TColor runColor = clNone; // colour of the points in Run_
    const auto flush = [&] {
        if (Run_.size() > 1) {
            target.Polyline(Run_);
            target.MoveTo(Run_.back().x, Run_.back().y);
        }
        Run_.clear();
    };
    int lastDrawn = -1;      // the last point DrawPoint would not have skipped
    bool lastJoined = false; // whether a segment reached it
    Run_.clear();
    for (int index = FirstVisibleIndex + 1; index <= LastVisibleIndex; ++index) {
        const int x = ScreenX(index);
        const int y = ScreenY(index);
        if (!Drawable(x) || !Drawable(y)) {
            continue;
        }
        const TColor color = PointColor(index);
        if (OldColor == clNone) {
            OldX = x;
            OldY = y;
        }
        lastDrawn = index;
        lastJoined = !(x == OldX && y == OldY) && color != clNone;
        if (lastJoined) {
            if (color != runColor || Run_.empty() || Run_.back().x != OldX ||
                Run_.back().y != OldY) {
                flush();
                if (color != runColor) {
                    c.UseChartPen(LinePen);
                    c.SetBrushStyle(TBrushStyle::bsClear);
                    c.SetPenColor(color);
                    runColor = color;
                }
                Run_.push_back({OldX, OldY});
            }
            Run_.push_back({x, y});
        }
        OldX = x;
        OldY = y;
        OldColor = color;
    }
    flush();
    if (lastDrawn < 0) {
        return;
    }
    // The state the last point's DrawPoint leaves behind.
    const TColor color = PointColor(lastDrawn);
    c.SetPenColor(clBlack);
    c.SetBrushColor(color);
    if (lastJoined) {
        c.UseChartPen(LinePen);
        c.SetBrushStyle(TBrushStyle::bsClear);
        c.SetPenColor(color);
    }
    BottomPos = OriginY(lastDrawn);
    OldBottomPos = BottomPos;
}

void TCustomSeries::DrawPoint(int index) {
    const int x = ScreenX(index);
    const int y = ScreenY(index);
    if (!Drawable(x) || !Drawable(y)) {
        return;
    }
    TQixCanvas& c = Canvas();
    const TColor color = PointColor(index);
    c.SetPenColor(clBlack);
    c.SetBrushColor(color);
    if (OldColor == clNone) {
        OldX = x;
        OldY = y;
    }
    BottomPos = OriginY(index);
    if (index == FirstVisibleIndex) {
        if (index > 0) {
            if (DrawArea_) {
                OldX = ScreenX(index - 1);
                OldY = ScreenY(index - 1);
                OldBottomPos = OriginY(index - 1);
            } else {
                const TRect& plot = ParentChart()->PlotGeometry().PlotRect;
                OldX = GetHorizontalAxis()->Inverted() ? plot.Right : plot.Left;
                OldY = Stairs_ ? ScreenY(index - 1) : EdgeRow(index);
            }
            if (PointColor(index - 1) != clNone) {
                DrawSegment(x, y, color, index, false);
            }
        }
        if (index == LastVisibleIndex && Pointer.Visible() && color != clNone) {
            PreparePointerColours(color);
            DrawPointMarker(x, y, color, index);
        }
    } else {
        DrawSegment(x, y, color, index, true);
    }
    OldX = x;
    OldY = y;
    OldBottomPos = BottomPos;
    OldColor = color;
}

void TCustomSeries::DrawSegment(int x, int y, TColor color, int index, bool markers) {
    TQixCanvas& c = Canvas();
    if (!(x == OldX && y == OldY) && color != clNone) {
        if (DrawArea_) {
            const TColor fill =
                (AreaColor_ == clAutomatic || ColorEachPoint()) ? color : AreaColor_;
            c.UseChartPen(AreaLinesPen);
            if (AreaLinesPen.Color() == clAutomatic) {
                c.SetPenColor(color);
            }
            c.SetBrushColor(fill);
            c.SetBrushStyle(AreaBrush);
            const std::array<TPoint, 4> band{TPoint{OldX, OldY}, TPoint{x, y}, TPoint{x, BottomPos},
                                             TPoint{OldX, OldBottomPos}};
            c.DrawPolygon(band, 3);
        } else if (JoinPoints_) {
            c.UseChartPen(LinePen);
            c.SetBrushStyle(TBrushStyle::bsClear);
            c.SetPenColor(color);
            if (!Stairs_) {
                c.DrawLine(OldX, OldY, x, y);
            } else if (!InvertedStairs_) {
                c.DrawHorizontalLine(OldX, x, OldY);
                c.LineToPoint(x, y);
            } else {
                c.DrawVerticalLine(OldX, OldY, y);
                c.LineToPoint(x, y);
            }
        }
    }
    if (markers && Pointer.Visible()) {
        if (OldColor != clNone) {
            PreparePointerColours(OldColor);
            DrawPointMarker(OldX, OldY, OldColor, index - 1);
        }
        if (index == LastVisibleIndex && color != clNone) {
            PreparePointerColours(color);
            DrawPointMarker(x, y, color, index);
        }
    }
}

void TCustomSeries::PreparePointerColours(TColor color) {
    TQixCanvas& c = Canvas();
    c.UseChartPen(Pointer.Pen);
    if (Pointer.Pen.Visible() && Pointer.Pen.Color() == clAutomatic) {
        c.SetPenColor(color);
    }
    c.SetBrushColor(Pointer.Brush.Color() == clAutomatic ? color : Pointer.Brush.Color());
    c.SetBrushStyle(Pointer.Brush.Style());
}

void TCustomSeries::DrawPointMarker(int x, int y, TColor color, int index) {
    TQixCanvas& c = Canvas();
    const TSeriesPointerStyle style =
        OnGetPointerStyle ? OnGetPointerStyle(this, index) : Pointer.Style();
    const int l = x - Pointer.HorizSize();
    const int r = x + Pointer.HorizSize();
    const int t = y - Pointer.VertSize();
    const int b = y + Pointer.VertSize();
    const auto cross = [&] {
        c.SetPenColor(color);
        c.DrawLine(x, t, x, b + 1);
        c.DrawLine(l, y, r + 1, y);
    };
    const auto diagonals = [&] {
        c.SetPenColor(color);
        c.DrawLine(l, t, r + 1, b + 1);
        c.DrawLine(l, b, r + 1, t - 1);
    };
    switch (style) {
    case TSeriesPointerStyle::psRectangle:
        c.DrawRectangle(l, t, r + 1, b + 1);
        break;
    case TSeriesPointerStyle::psCircle:
        c.DrawEllipse(l, t, r, b);
        break;
    case TSeriesPointerStyle::psTriangle: {
        const std::array<TPoint, 3> p{TPoint{l, b}, TPoint{r, b}, TPoint{x, t}};
        c.DrawPolygon(p, 2);
        break;
    }
    case TSeriesPointerStyle::psDownTriangle: {
        const std::array<TPoint, 3> p{TPoint{l, t}, TPoint{r, t}, TPoint{x, b}};
        c.DrawPolygon(p, 2);
        break;
    }
    case TSeriesPointerStyle::psCross:
        cross();
        break;
    case TSeriesPointerStyle::psDiagCross:
        diagonals();
        break;
    case TSeriesPointerStyle::psStar:
        cross();
        diagonals();
        break;
    case TSeriesPointerStyle::psDiamond: {
        const std::array<TPoint, 4> p{TPoint{l, y}, TPoint{x, t}, TPoint{r, y}, TPoint{x, b}};
        c.DrawPolygon(p, 3);
        break;
    }
    case TSeriesPointerStyle::psSmallDot:
        c.PlotPixel(x, y, color);
        break;
    }
}

bool TCustomSeries::PointerHit(int px, int py, int mouseX, int mouseY) const {
    return std::abs(px - mouseX) < Pointer.HorizSize() &&
           std::abs(py - mouseY) < Pointer.VertSize();
}

int TCustomSeries::PointAtPixel(int x, int y) const {
    if (FirstVisibleIndex == -1 || LastVisibleIndex == -1) {
        return -1;
    }
    int px = 0;
    int py = 0;
    for (int i = FirstVisibleIndex; i <= LastVisibleIndex; ++i) {
        const int sx = PointScreenX(i);
        const int sy = PointScreenY(i);
        if (Pointer.Visible() && PointerHit(sx, sy, x, y)) {
            if (OnClickPointer) {
                OnClickPointer(const_cast<TCustomSeries*>(this), i, x, y);
            }
            return i;
        }
        if (sx == x && sy == y) {
            return i;
        }
        if (i > FirstVisibleIndex && ClickableLine) {
            if (OnSegment(x, y, sx, sy, px, py)) {
                return i - 1;
            }
            if (DrawArea_) {
                const std::array<TPoint, 4> band{TPoint{px, py}, TPoint{sx, sy},
                                                 TPoint{sx, OriginY(i)},
                                                 TPoint{px, OriginY(i - 1)}};
                if (InPolygon(x, y, band)) {
                    return i - 1;
                }
            }
        }
        px = sx;
        py = sy;
    }
    return -1;
}

} // namespace chart
