// Zoom by dragging a rectangle with the left button, scroll by dragging with the right
// button, and the undo of both.
#include "chart/chart.h"

#include "chart/series/chart_series.h"

#include <cstdlib>

namespace chart {

namespace {

// Distance in pixels within which a click counts as a click on an axis.
constexpr int kAxisClickTolerance = 12;
// A zoom rectangle must be larger than this in both directions.
constexpr int kMinZoomDrag = 16;

bool InRect(const TRect& r, int x, int y) {
    return x >= r.Left && x < r.Right && y >= r.Top && y < r.Bottom;
}

} // namespace

void TCustomChart::DrawZoomRectangle() {
    TQixCanvas3D& c = Canvas();
    TColor pen = ToCanvasColour(Color());
    if (pen == clWhite) {
        pen = clRed;
    }
    c.SetPenColor(pen);
    c.SetPenMode(TPenMode::pmNotXor);
    c.SetPenStyle(TPenStyle::psSolid);
    c.SetPenWidth(1);
    c.SetBrushStyle(TBrushStyle::bsClear);
    c.DrawRectangle(Zoom.X0, Zoom.Y0, Zoom.X1, Zoom.Y1);
}

void TCustomChart::DrawDragRectangleOnScreen() {
    EnsureScreenCanvas();
    TQixCanvas3D& c = Canvas();
    canvas::Canvas* previous = c.Target();
    c.SetTarget(Screen_.get());
    DrawZoomRectangle();
    c.SetPenMode(TPenMode::pmCopy);
    c.SetTarget(previous);
    ShowScreen();
}

void TCustomChart::SaveAxesForUndo() {
    if (!NothingSaved_) {
        return;
    }
    TChartAxis* const axes[] = {&TopAxis(), &BottomAxis(), &LeftAxis(), &RightAxis()};
    for (int k = 0; k < 4; ++k) {
        Saved_[k] =
            TSavedAxisState{axes[k]->Automatic(), axes[k]->AutomaticMinimum(),
                            axes[k]->AutomaticMaximum(), axes[k]->Minimum(), axes[k]->Maximum()};
    }
    NothingSaved_ = false;
}

void TCustomChart::ZoomToDragRectangle() {
    if (Zoom.X0 > Zoom.X1) {
        std::swap(Zoom.X0, Zoom.X1);
    }
    if (Zoom.Y0 > Zoom.Y1) {
        std::swap(Zoom.Y0, Zoom.Y1);
    }
    ZoomToValues(LeftAxis().PixelToValue(Zoom.Y1), LeftAxis().PixelToValue(Zoom.Y0),
                 RightAxis().PixelToValue(Zoom.Y1), RightAxis().PixelToValue(Zoom.Y0),
                 TopAxis().PixelToValue(Zoom.X0), TopAxis().PixelToValue(Zoom.X1),
                 BottomAxis().PixelToValue(Zoom.X0), BottomAxis().PixelToValue(Zoom.X1));
}

void TCustomChart::ZoomToValues(double leftLow, double leftHigh, double rightLow, double rightHigh,
                                double topLow, double topHigh, double bottomLow,
                                double bottomHigh) {
    SaveAxesForUndo();
    TChartAxis* const axes[] = {&LeftAxis(), &RightAxis(), &TopAxis(), &BottomAxis()};
    const double lows[] = {leftLow, rightLow, topLow, bottomLow};
    const double highs[] = {leftHigh, rightHigh, topHigh, bottomHigh};
    if (AnimatedZoom_) {
        for (int step = 1; step < AnimatedZoomSteps_; ++step) {
            for (int k = 0; k < 4; ++k) {
                TChartAxis& a = *axes[k];
                a.SetAxisRange(a.Maximum() - (a.Maximum() - highs[k]) / 3.0,
                               a.Minimum() + (lows[k] - a.Minimum()) / 3.0);
            }
            PaintNow();
            RepaintNow();
        }
    }
    for (int k = 0; k < 4; ++k) {
        axes[k]->SetAxisRange(lows[k], highs[k]);
    }
    Zoomed_ = true;
    if (OnZoom) {
        OnZoom(this);
    }
}

void TCustomChart::UndoZoom() {
    if (!NothingSaved_) {
        TChartAxis* const axes[] = {&TopAxis(), &BottomAxis(), &LeftAxis(), &RightAxis()};
        for (int k = 0; k < 4; ++k) {
            TChartAxis& a = *axes[k];
            a.SetAutomatic(Saved_[k].Automatic);
            a.SetAutomaticMinimum(Saved_[k].AutomaticMinimum);
            a.SetAutomaticMaximum(Saved_[k].AutomaticMaximum);
            if (!Saved_[k].Automatic) {
                a.SetAxisRange(Saved_[k].Maximum, Saved_[k].Minimum);
            }
        }
    }
    NothingSaved_ = true;
    if (OnUndoZoom) {
        OnUndoZoom(this);
    }
    RequestRepaint();
    Zoomed_ = false;
}

void TCustomChart::StartDrag(TMouseButton button, int x, int y) {
    if (AllowZoom_ && button == TMouseButton::mbLeft) {
        SetCursorShape(Qt::ArrowCursor);
        Zoom = TZoomPanningRecord{x, y, x, y, true};
        DrawDragRectangleOnScreen();
    }
    if (AllowPanning_ != TPanningMode::pmNone && button == TMouseButton::mbRight) {
        SetCursorShape(Qt::ArrowCursor);
        Scroll = TZoomPanningRecord{x, y, x, y, true};
    }
}

TChartClickedPart TCustomChart::CalcClickedPart(int x, int y) {
    using TPart = TChartClickedPart::TPart;
    if (Legend.Visible() && InRect(Legend.LegendRect, x, y)) {
        return {TPart::Legend};
    }
    for (auto it = SeriesList().rbegin(); it != SeriesList().rend(); ++it) {
        if ((*it)->Active()) {
            const int i = (*it)->PointAtPixel(x, y);
            if (i != -1) {
                return {TPart::Series, *it, i};
            }
        }
    }
    const TRect& p = PlotRect();
    for (TChartAxis* a : {&TopAxis(), &BottomAxis(), &LeftAxis(), &RightAxis(), &DepthAxis()}) {
        if (!IsAxisShown(*a)) {
            continue;
        }
        const bool along =
            a->Horizontal() ? (x >= p.Left && x <= p.Right) : (y >= p.Top && y <= p.Bottom);
        const int across = a->Horizontal() ? y : x;
        if (along && std::abs(across - a->AxisPos) < kAxisClickTolerance) {
            return {TPart::Axis, nullptr, -1, a};
        }
    }
    if ((Title.Visible() && InRect(Title.TitleRect, x, y)) ||
        (Foot.Visible() && InRect(Foot.TitleRect, x, y))) {
        return {TPart::Title};
    }
    if (InRect(PlotRect(), x, y)) {
        for (const TChartSeries* s : SeriesList()) {
            if (s->Active()) {
                return {TPart::Plot};
            }
        }
    }
    return {};
}

void TCustomChart::ChartMouseDown(TMouseButton button, int x, int y, bool doubleClick) {
    if (Zoom.Active || Scroll.Active || InClickHandler_) {
        return;
    }
    using TPart = TChartClickedPart::TPart;
    const TChartClickedPart hit = CalcClickedPart(x, y);

    bool consumed = false;
    const auto fire = [this, &consumed](const auto& event, auto&&... args) {
        if (!event) {
            return;
        }
        CancelMouse = true;
        InClickHandler_ = true;
        event(args...);
        InClickHandler_ = false;
        consumed = consumed || CancelMouse;
    };
    const auto drag = [&] {
        if (!consumed) {
            StartDrag(button, x, y);
            consumed = Zoom.Active || Scroll.Active;
        }
    };
    switch (hit.Part) {
    case TPart::Axis:
        fire(OnClickAxis, this, hit.Axis, button, x, y);
        drag();
        break;
    case TPart::Series:
        consumed = hit.Series->Clicked(button, doubleClick, hit.PointIndex, x, y);
        fire(OnClickSeries, this, hit.Series, hit.PointIndex, button, x, y);
        drag();
        break;
    case TPart::Plot:
        fire(OnClickBackground, this, button, x, y);
        drag();
        break;
    case TPart::Legend:
        fire(OnClickLegend, this, button, x, y);
        break;
    case TPart::Title:
    case TPart::None:
        break;
    }
    if (!consumed) {
        fire(OnClickBackground, this, button, x, y);
    }
    CancelMouse = false;
}

bool TCustomChart::ScrollAxis(TChartAxis& axis, int from, int to) {
    const double d = axis.PixelToValue(from) - axis.PixelToValue(to);
    double newMinimum = axis.Minimum() + d;
    double newMaximum = axis.Maximum() + d;
    bool allow = true;
    if (OnAllowScroll) {
        OnAllowScroll(&axis, newMinimum, newMaximum, allow);
    }
    if (allow) {
        axis.SetAxisRange(newMaximum, newMinimum);
    }
    return allow;
}

void TCustomChart::ChartMouseMove(int x, int y) {
    if (Zoom.Active) {
        if (x != Zoom.X1 || y != Zoom.Y1) {
            DrawDragRectangleOnScreen();
            Zoom.X1 = x;
            Zoom.Y1 = y;
            DrawDragRectangleOnScreen();
        }
        return;
    }
    if (Scroll.Active) {
        if (!InRect(PlotRect(), x, y)) {
            Scroll.Active = false;
            return;
        }
        if (x == Scroll.X1 && y == Scroll.Y1) {
            return;
        }
        SaveAxesForUndo();
        bool scrolled = false;
        if (x != Scroll.X1 && (AllowPanning_ == TPanningMode::pmHorizontal ||
                               AllowPanning_ == TPanningMode::pmBoth)) {
            scrolled = ScrollAxis(BottomAxis(), Scroll.X1, x) || scrolled;
            scrolled = ScrollAxis(TopAxis(), Scroll.X1, x) || scrolled;
        }
        if (y != Scroll.Y1 &&
            (AllowPanning_ == TPanningMode::pmVertical || AllowPanning_ == TPanningMode::pmBoth)) {
            scrolled = ScrollAxis(LeftAxis(), Scroll.Y1, y) || scrolled;
            scrolled = ScrollAxis(RightAxis(), Scroll.Y1, y) || scrolled;
        }
        Scroll.X1 = x;
        Scroll.Y1 = y;
        if (scrolled) {
            if (OnScroll) {
                OnScroll(this);
            }
            RequestRepaint();
        }
        return;
    }
    int shape = SavedCursor_;
    for (TChartSeries* s : SeriesList()) {
        if (s->Active() && s->Cursor != 0 && s->PointAtPixel(x, y) != -1) {
            shape = s->Cursor;
            break;
        }
    }
    if (CursorShape() != shape) {
        SetCursorShape(shape);
    }
    for (TChartSeries* s : SeriesList()) {
        s->MouseMoved(x, y);
    }
}

void TCustomChart::ChartMouseUp(TMouseButton button, int x, int y) {
    for (TChartSeries* s : SeriesList()) {
        s->MouseReleased(button, x, y);
    }
    if (Zoom.Active && button == TMouseButton::mbLeft) {
        DrawDragRectangleOnScreen();
        Zoom.Active = false;
        Canvas().SetPenMode(TPenMode::pmCopy);
        Zoom.X1 = x;
        Zoom.Y1 = y;
        if (std::abs(Zoom.X1 - Zoom.X0) > kMinZoomDrag &&
            std::abs(Zoom.Y1 - Zoom.Y0) > kMinZoomDrag) {
            if (Zoom.X0 < Zoom.X1 && Zoom.Y0 < Zoom.Y1) {
                ZoomToDragRectangle();
            } else {
                UndoZoom();
            }
            RequestRepaint();
        }
    }
    Scroll.Active = false;
}

void TCustomChart::ChartMouseLeft() {
    SetCursorShape(SavedCursor_);
}

} // namespace chart
