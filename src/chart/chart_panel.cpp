#include "chart/chart_panel.h"

#include "chart/series/chart_series.h"

#include <algorithm>

namespace chart {

// --- TCustomQixPanel ---

TCustomQixPanel::TCustomQixPanel() {
    Canvas_.OnInvalidate = [this] { update(); };
    EnsureScreenCanvas();
    Canvas_.SetTarget(Screen_.get());
    Constructed_ = true;
}

TCustomQixPanel::~TCustomQixPanel() = default;

void TCustomQixPanel::resize(int width, int height) {
    if (Device_ != nullptr) {
        Device_->ResizeDevice(width, height);
        return;
    }
    if (width != Width_ || height != Height_) {
        Width_ = width;
        Height_ = height;
        DiscardBuffer();
    }
}

void TCustomQixPanel::update() {
    if (Device_ != nullptr) {
        Device_->UpdateDevice();
    }
}

void TCustomQixPanel::RepaintNow() {
    if (Device_ != nullptr) {
        Device_->RepaintDevice();
    }
}

int TCustomQixPanel::CursorShape() const {
    return Device_ != nullptr ? Device_->DeviceCursor() : CursorShape_;
}

void TCustomQixPanel::SetCursorShape(int shape) {
    if (Device_ != nullptr) {
        Device_->SetDeviceCursor(shape);
    } else {
        CursorShape_ = shape;
    }
}

void TCustomQixPanel::EnsureScreenCanvas() {
    const int w = std::max(width(), 1);
    const int h = std::max(height(), 1);
    if (!Screen_ || Screen_->Width() != w || Screen_->Height() != h) {
        const bool retarget = Canvas_.Target() == Screen_.get();
        Screen_ = std::make_unique<canvas::Canvas>(w, h);
        if (retarget) {
            Canvas_.SetTarget(Screen_.get());
        }
    }
}

void TCustomQixPanel::RequestRepaint() {
    if (!Constructed_) {
        return;
    }
    Canvas_.MarkDirty();
    // Any number of requests between two paints cost one update request.
    if (!UpdatePending_) {
        UpdatePending_ = true;
        update();
    }
}

void TCustomQixPanel::SelectFont(const TChartFont& font) {
    Canvas_.SelectFont(font);
}

void TCustomQixPanel::NormalisePlotRect() {
    TRect& r = Plot_.PlotRect;
    r.Left = std::max(r.Left, PanelRect_.Left);
    r.Top = std::max(r.Top, PanelRect_.Top);
    if (r.Right < r.Left) {
        r.Right = r.Left + 1;
    } else if (r.Right == r.Left) {
        r.Right = r.Left + width();
    }
    if (r.Bottom < r.Top) {
        r.Bottom = r.Top + 1;
    } else if (r.Bottom == r.Top) {
        r.Bottom = r.Top + height();
    }
    Plot_.RecalcDerived();
}

void TCustomQixPanel::SetPlotRect(const TRect& rect) {
    Plot_.PlotRect = rect;
    NormalisePlotRect();
}

void TCustomQixPanel::DrawTo(canvas::Canvas* target, const TRect& rect) {
    // Without a buffer the pass needs somewhere to draw: the control's own canvas.
    if (target == nullptr && !Canvas_.GetBuffered()) {
        EnsureScreenCanvas();
        target = Screen_.get();
    }
    PanelRect_ = Canvas_.BeginFrame(target, rect, View3D_);
    const int w = PanelRect_.Width();
    const int h = PanelRect_.Height();
    Plot_.PlotRect = TRect{PanelRect_.Left + BorderWidth_ + MulDiv(MarginLeft_, w, 100),
                           PanelRect_.Top + BorderWidth_ + MulDiv(MarginTop_, h, 100),
                           PanelRect_.Right - BorderWidth_ - MulDiv(MarginRight_, w, 100),
                           PanelRect_.Bottom - BorderWidth_ - MulDiv(MarginBottom_, h, 100)};
    NormalisePlotRect();
    ++DrawPassCount_;
    DrawPass(PanelRect_);
    Canvas_.EndFrame(target, Screen_.get());
}

void TCustomQixPanel::PaintNow() {
    UpdatePending_ = false;
    if (Printing) {
        return;
    }
    EnsureScreenCanvas();
    if (ScreenOnly_) {
        ScreenOnly_ = false;
        if (!Canvas_.Dirty()) {
            return;
        }
    }
    // The resize and move events do not reach a hidden control; a buffer of the old size must
    // not be copied as if it were the current picture.
    const canvas::Canvas* buffer = Canvas_.Buffer();
    if (buffer != nullptr &&
        (buffer->Width() != Screen_->Width() || buffer->Height() != Screen_->Height())) {
        DiscardBuffer();
    }
    if (!Canvas_.RepaintFromBuffer(Screen_.get())) {
        DrawTo(Screen_.get(), TRect{0, 0, width(), height()});
    }
}

void TCustomQixPanel::DiscardBuffer() {
    if (Canvas_.GetBuffered()) {
        Canvas_.SetBuffered(false);
        Canvas_.SetBuffered(true);
    } else {
        Canvas_.MarkDirty();
    }
}

// --- TCustomAxisPanel ---

TCustomAxisPanel::TCustomAxisPanel() {
    Constructed_ = false;
    BottomAxis_ = std::make_unique<TChartAxis>(this, TAxisKind::Bottom);
    TopAxis_ = std::make_unique<TChartAxis>(this, TAxisKind::Top);
    LeftAxis_ = std::make_unique<TChartAxis>(this, TAxisKind::Left);
    RightAxis_ = std::make_unique<TChartAxis>(this, TAxisKind::Right);
    DepthAxis_ = std::make_unique<TChartAxis>(this, TAxisKind::Depth);
    resize(400, 250);
    Constructed_ = true;
}

TCustomAxisPanel::~TCustomAxisPanel() {
    Destroying_ = true;
    const std::vector<TChartSeries*> series = SeriesList_;
    for (TChartSeries* s : series) {
        s->SetParentChart(nullptr);
    }
}

void TCustomAxisPanel::AddSeries(TChartSeries* series) {
    series->SetParentChart(this);
}

void TCustomAxisPanel::RemoveSeries(TChartSeries* series) {
    if (series->ParentChart() == this) {
        series->SetParentChart(nullptr);
    }
}

void TCustomAxisPanel::SeriesJoined(TChartSeries* series) {
    if (series->SeriesColor() == clAutomatic) {
        TColor chosen = PaletteColor(SeriesCount());
        for (int i = 0; i < 16; ++i) {
            if (IsFreeSeriesColor(PaletteColor(i), true)) {
                chosen = PaletteColor(i);
                break;
            }
        }
        series->SetSeriesColor(chosen);
    }
    SeriesList_.push_back(series);
    RequestRepaint();
}

void TCustomAxisPanel::SeriesLeft(TChartSeries* series) {
    SeriesList_.erase(std::remove(SeriesList_.begin(), SeriesList_.end(), series),
                      SeriesList_.end());
    if (!Destroying_) {
        RequestRepaint();
    }
}

bool TCustomAxisPanel::IsFreeSeriesColor(TColor color, bool checkBackground) const {
    if (checkBackground && color == Color()) {
        return false;
    }
    return std::none_of(SeriesList_.begin(), SeriesList_.end(),
                        [color](const TChartSeries* s) { return s->SeriesColor() == color; });
}

void TCustomAxisPanel::SetPage(int v) {
    if (v != Page_ && v >= 1) {
        Page_ = v;
        RequestRepaint();
        if (OnPageChange) {
            OnPageChange(this);
        }
    }
}

bool TCustomAxisPanel::IsAxisShown(const TChartAxis& axis) const {
    if (!AxisVisible_ || !axis.Visible()) {
        return false;
    }
    bool asked = false;
    for (const TChartSeries* s : SeriesList_) {
        if (s->Active() && s->UsesAxis()) {
            asked = true;
            if (s->IsBoundToAxis(&axis)) {
                return true;
            }
        }
    }
    return !asked;
}

double TCustomAxisPanel::SeriesValueBound(const TChartAxis& axis, bool wantMinimum) const {
    bool first = true;
    double result = 0.0;
    const bool horizontal = axis.Horizontal();
    for (const TChartSeries* s : SeriesList_) {
        if (!s->Active() || s->PointCount() == 0) {
            continue;
        }
        const TChartAxis* bound = horizontal ? s->GetHorizontalAxis() : s->GetVerticalAxis();
        if (bound != &axis) {
            continue;
        }
        double v;
        if (wantMinimum) {
            v = horizontal ? s->XMinimum() : s->YMinimum();
        } else {
            v = horizontal ? s->XMaximum() : s->YMaximum();
        }
        if (first) {
            result = v;
            first = false;
        } else if (wantMinimum ? !(v >= result) : v > result) {
            result = v;
        }
    }
    return result;
}

TChartSeries* TCustomAxisPanel::FirstSeriesOfAxis(const TChartAxis& axis) const {
    for (TChartSeries* s : SeriesList_) {
        if (s->Active() && s->IsBoundToAxis(&axis)) {
            return s;
        }
    }
    return nullptr;
}

TAxisLabelStyle TCustomAxisPanel::AutoLabelStyle(const TChartAxis& axis) const {
    const TChartSeries* first = FirstSeriesOfAxis(axis);
    if (first == nullptr) {
        return TAxisLabelStyle::talNone;
    }
    const bool showsOrdering = first->IsYMandatory() == axis.Horizontal();
    if (showsOrdering) {
        for (const TChartSeries* s : SeriesList_) {
            if (s->Active() && s->IsBoundToAxis(&axis) && s->HasTextLabels()) {
                return TAxisLabelStyle::talText;
            }
        }
    }
    return TAxisLabelStyle::talValue;
}

bool TCustomAxisPanel::AxisShowsDateTime(const TChartAxis& axis) const {
    const TChartSeries* first = FirstSeriesOfAxis(axis);
    if (first == nullptr) {
        return false;
    }
    const bool showsX = first->IsYMandatory() == axis.Horizontal();
    return showsX ? first->XValues().DateTime() : first->YValues().DateTime();
}

void TCustomAxisPanel::GetAxisLabel(const TChartAxis& axis, TChartSeries* series, int index,
                                    QString& text) const {
    if (OnGetAxisLabel) {
        OnGetAxisLabel(&axis, series, index, text);
    }
}

void TCustomAxisPanel::LayoutAxes() {
    LeftAxis_->RefreshRange();
    RightAxis_->RefreshRange();
    TopAxis_->RefreshRange();
    BottomAxis_->RefreshRange();
    DepthAxis_->RefreshRange();
    NormalisePlotRect();
    TRect work = Plot_.PlotRect;
    TChartAxis* const axes[] = {LeftAxis_.get(), RightAxis_.get(), TopAxis_.get(),
                                BottomAxis_.get(), DepthAxis_.get()};
    for (TChartAxis* axis : axes) {
        if (!IsAxisShown(*axis)) {
            continue;
        }
        TRect shrunk = Plot_.PlotRect;
        axis->ReserveAxisSpace(Canvas(), shrunk);
        work.Left = std::max(work.Left, shrunk.Left);
        work.Top = std::max(work.Top, shrunk.Top);
        work.Right = std::min(work.Right, shrunk.Right);
        work.Bottom = std::min(work.Bottom, shrunk.Bottom);
    }
    Plot_.PlotRect = work;
    NormalisePlotRect();
}

void TCustomAxisPanel::ApplySeriesMargins() {
    TChartAxis* const axes[] = {TopAxis_.get(), LeftAxis_.get(), RightAxis_.get(),
                                BottomAxis_.get()};
    for (TChartAxis* axis : axes) {
        int a = 0;
        int b = 0;
        for (const TChartSeries* s : SeriesList_) {
            if (!s->Active() || !s->IsBoundToAxis(axis)) {
                continue;
            }
            int m1 = 0;
            int m2 = 0;
            if (axis->Horizontal()) {
                s->HorizontalMargins(m1, m2);
            } else {
                s->VerticalMargins(m1, m2);
            }
            a = std::max(a, m1);
            b = std::max(b, m2);
        }
        if (axis->Horizontal()) {
            axis->ExtendRangeForMargins(a, 0, b, 0);
        } else {
            axis->ExtendRangeForMargins(0, a, 0, b);
        }
    }
}

void TCustomAxisPanel::DrawSeries(TChartSeries& series) {
    series.FindVisibleRange();
    if (series.FirstVisibleIndex == -1) {
        return;
    }
    series.BeforeDrawValuesHook();
    TQixCanvas3D& canvas = Canvas();
    if (ClipPoints_) {
        const TRect& r = Plot_.PlotRect;
        canvas.ClipToRect(TRect{r.Left + 1, r.Top + 1, r.Right, r.Bottom - 1});
    }
    series.DrawVisiblePoints();
    if (ClipPoints_) {
        canvas.RemoveClip();
    }
    if (series.Marks.Visible) {
        series.DrawMarks();
    }
    series.AfterDrawValuesHook();
}

void TCustomAxisPanel::DrawPass(const TRect& panelRect) {
    DrawPanelBackground(panelRect);
    for (TChartSeries* s : SeriesList_) {
        if (s->Active()) {
            s->BeforeDrawChart();
        }
    }
    DrawTitlesAndLegend();
    LayoutAxes();
    ApplySeriesMargins();
    Canvas().SetProjectionCentre(0, panelRect, Plot_.PlotRect);
    DrawWalls();
    if (AxisVisible_) {
        TChartAxis* const axes[] = {TopAxis_.get(), BottomAxis_.get(), LeftAxis_.get(),
                                    RightAxis_.get()};
        for (TChartAxis* axis : axes) {
            if (IsAxisShown(*axis)) {
                axis->DrawAxis(Canvas());
            }
        }
    }
    for (TChartSeries* s : SeriesList_) {
        if (s->Active()) {
            DrawSeries(*s);
        }
    }
    if (Zoom.Active) {
        DrawZoomRectangle();
    }
    Canvas().ResetDrawingState();
    if (OnAfterDraw) {
        OnAfterDraw(this);
    }
}

} // namespace chart
