#include "chart/chart.h"

#include "chart/series/chart_series.h"
#include "chart/series/series_types.h"

#include <algorithm>

namespace chart {

namespace {

// Desktop colours of the raised panel bevel.
constexpr TColor clBtnHighlight = 0x80000014;
constexpr TColor clBtnShadow = 0x80000010;

} // namespace

TCustomChart::TCustomChart() {
    Constructed_ = false;
    // The series types are registered when the first chart is made, at start-up.
    static const bool registered = (RegisterStandardSeriesTypes(), true);
    (void)registered;
    const auto repaint = [this] { RequestRepaint(); };
    for (TChartTitle* t : {&Title, &Foot}) {
        t->OnChange = repaint;
        t->Font.OnChange = repaint;
        t->Frame.OnChange = repaint;
        t->Brush.OnChange = repaint;
    }
    Gradient.OnChange = repaint;
    for (TChartWall* w : {&BackWall, &LeftWall, &BottomWall}) {
        w->OnChange = repaint;
        w->Brush.OnChange = repaint;
        w->Pen.OnChange = repaint;
    }
    Legend.OnChange = repaint;
    Legend.Font.OnChange = repaint;
    Legend.Frame.OnChange = repaint;
    SavedCursor_ = CursorShape();
    Constructed_ = true;
}

TCustomChart::~TCustomChart() = default;

void TCustomChart::SetBackColor(TColor color) {
    BackWall.SetColor(color);
    BackWall.Brush.SetStyle(TBrushStyle::bsSolid);
}

void TCustomChart::SetBackImage(const QImage& image) {
    BackImage_ = image;
    RequestRepaint();
}

int TCustomChart::WallSize(const TChartAxis& axis) const {
    if (!View3D() || !View3DWalls()) {
        return 0;
    }
    if (axis.Kind() == TAxisKind::Left || axis.Kind() == TAxisKind::Right) {
        return LeftWall.Size();
    }
    return BottomWall.Size();
}

void TCustomChart::FillPanelBackground(const TRect& rect) {
    TQixCanvas3D& c = Canvas();
    if (Gradient.Visible()) {
        const TGradientDirection d = Gradient.Direction();
        const bool startFirst =
            d == TGradientDirection::gdTopBottom || d == TGradientDirection::gdLeftRight;
        const TColor a = startFirst ? Gradient.StartColor() : Gradient.EndColor();
        const TColor b = startFirst ? Gradient.EndColor() : Gradient.StartColor();
        c.FillGradient(rect, a, b, d);
    } else {
        c.SetBrushStyle(TBrushStyle::bsSolid);
        c.SetBrushColor(Color());
        c.FillRectangle(rect);
    }
}

void TCustomChart::DrawBackImage(const TRect& rect) {
    if (BackImage_.isNull()) {
        return;
    }
    TQixCanvas3D& c = Canvas();
    switch (BackImageMode_) {
    case TBackImageMode::pbmStretch:
        c.StretchGraphic(rect, BackImage_);
        break;
    case TBackImageMode::pbmTile:
        c.ClipToRect(rect);
        for (int y = rect.Top; y < rect.Bottom; y += BackImage_.height()) {
            for (int x = rect.Left; x < rect.Right; x += BackImage_.width()) {
                c.DrawGraphic(x, y, BackImage_);
            }
        }
        c.RemoveClip();
        break;
    case TBackImageMode::pbmCenter:
        c.DrawGraphic((rect.Left + rect.Right - BackImage_.width()) / 2,
                      (rect.Top + rect.Bottom - BackImage_.height()) / 2, BackImage_);
        break;
    }
}

void TCustomChart::DrawPanelBackground(const TRect& rect) {
    FillPanelBackground(rect);
    if (!BackImage_.isNull() && !BackImageInside_) {
        DrawBackImage(rect);
    }
    TQixCanvas3D& c = Canvas();
    c.SetPenStyle(TPenStyle::psSolid);
    c.SetPenWidth(1);
    c.SetPenMode(TPenMode::pmCopy);
    c.SetBrushStyle(TBrushStyle::bsClear);
    TRect r = rect;
    c.DrawFrame3D(r, clBtnHighlight, clBtnShadow, 1);
    r = TRect{r.Left + 1, r.Top + 1, r.Right - 1, r.Bottom - 1};
    if (BorderWidth() > 0) {
        c.DrawFrame3D(r, Color(), Color(), BorderWidth());
    }
}

namespace {

// The frame r of a title narrowed to its widest line and frame width f, placed by the title's
// alignment.
TRect FrameFittedToText(TRect r, const TChartTitle& title, TQixCanvas3D& c, int f) {
    int widest = 0;
    for (const QString& line : title.Text()) {
        widest = std::max(widest, c.MeasureTextWidth(line));
    }
    const int w = widest + 2 * f;
    switch (title.Alignment()) {
    case TAlignment::taLeftJustify:
        r.Right = r.Left + w;
        break;
    case TAlignment::taRightJustify:
        r.Left = r.Right - w;
        break;
    case TAlignment::taCenter: {
        const int centre = (r.Left + r.Right) / 2;
        r.Left = centre - w / 2 - f;
        r.Right = centre + w / 2 + f;
        break;
    }
    }
    return r;
}

} // namespace

void TCustomChart::DrawTitle(TChartTitle& title, bool isFoot) {
    if (!title.Visible() || title.Text().isEmpty()) {
        return;
    }
    TQixCanvas3D& c = Canvas();
    SelectFont(title.Font);
    const int h = c.FontHeight();
    if (title.Brush.Color() == clAutomatic) {
        c.SetBrushStyle(TBrushStyle::bsClear);
    } else {
        c.SetBrushColor(title.Brush.Color());
        c.SetBrushStyle(title.Brush.Style());
    }
    const bool framed = title.Frame.Visible() && title.Frame.Color() != clAutomatic;
    const int f = framed ? title.Frame.Width() : 0;
    const int lines = static_cast<int>(title.Text().size());
    const TRect plot = PlotRect();
    TRect r;
    r.Left = plot.Left + f;
    r.Right = plot.Right - f;
    if (isFoot) {
        r.Bottom = plot.Bottom - f;
        r.Top = r.Bottom - lines * h;
    } else {
        r.Top = plot.Top + f;
        r.Bottom = r.Top + lines * h;
    }
    const TRect text = r;
    r = TRect{r.Left - f, r.Top - f, r.Right + f, r.Bottom + f};
    if (framed) {
        if (title.AdjustFrame()) {
            r = FrameFittedToText(r, title, c, f);
        }
        c.UseChartPen(title.Frame);
        c.DrawRectangleRec(r);
    }
    title.TitleRect = r;
    c.SetBackMode(kTransparent);
    for (int k = 0; k < lines; ++k) {
        const QString& line = isFoot ? title.Text()[lines - 1 - k] : title.Text()[k];
        const int w = c.MeasureTextWidth(line);
        int x;
        switch (title.Alignment()) {
        case TAlignment::taLeftJustify:
            x = r.Left + f;
            break;
        case TAlignment::taRightJustify:
            x = r.Right - f - w;
            break;
        case TAlignment::taCenter:
        default:
            x = (r.Left + r.Right) / 2 - w / 2;
            break;
        }
        const int y = isFoot ? text.Bottom - (k + 1) * h : text.Top + k * h;
        c.OutputText(x, y, line);
    }
    TRect p = PlotRect();
    if (isFoot) {
        p.Bottom = text.Top - (framed ? 2 * f : 0) - 5;
    } else {
        p.Top = text.Bottom + (framed ? 2 * f : 0) + 5;
    }
    SetPlotRect(p);
}

void TCustomChart::DrawLegend() {
    // A plain legend at the right of the plot: one line per active series.
    std::vector<TChartSeries*> shown;
    for (TChartSeries* s : SeriesList()) {
        if (s->Active() && s->ShowInLegend()) {
            shown.push_back(s);
        }
    }
    if (shown.empty()) {
        return;
    }
    TQixCanvas3D& c = Canvas();
    SelectFont(Legend.Font);
    const int h = c.FontHeight();
    int widest = 0;
    for (TChartSeries* s : shown) {
        widest = std::max(widest, c.MeasureTextWidth(s->Title()));
    }
    const int symbol = 2 * h;
    const TRect plot = PlotRect();
    const int width = symbol + widest + 12;
    TRect r{plot.Right - width, plot.Top, plot.Right,
            plot.Top + static_cast<int>(shown.size()) * h + 4};
    c.UseChartPen(Legend.Frame);
    c.SetBrushStyle(TBrushStyle::bsSolid);
    c.SetBrushColor(Legend.Color());
    c.DrawRectangleRec(r);
    c.SetBackMode(kTransparent);
    for (std::size_t k = 0; k < shown.size(); ++k) {
        const int y = r.Top + 2 + static_cast<int>(k) * h;
        c.SetPenStyle(TPenStyle::psSolid);
        c.SetPenWidth(1);
        c.SetPenColor(shown[k]->SeriesColor());
        c.DrawHorizontalLine(r.Left + 4, r.Left + 4 + symbol, y + h / 2);
        c.OutputText(r.Left + 8 + symbol, y, shown[k]->Title());
    }
    Legend.LegendRect = r;
    TRect p = plot;
    p.Right = r.Left - 5;
    SetPlotRect(p);
}

void TCustomChart::DrawTitlesAndLegend() {
    const bool anyActive = std::any_of(SeriesList().begin(), SeriesList().end(),
                                       [](const TChartSeries* s) { return s->Active(); });
    Legend.LegendRect = TRect{};
    if (!Legend.Visible() || !anyActive) {
        DrawTitle(Title, false);
        DrawTitle(Foot, true);
        return;
    }
    DrawTitle(Title, false);
    DrawTitle(Foot, true);
    DrawLegend();
}

void TCustomChart::DrawWalls() {
    TQixCanvas3D& c = Canvas();
    c.UseChartPen(BackWall.Pen);
    if (BackWall.Color() == clAutomatic && BackWall.Brush.Style() == TBrushStyle::bsSolid) {
        c.SetBrushStyle(TBrushStyle::bsClear);
    } else {
        c.SetBrushColor(BackWall.Color());
        c.SetBrushStyle(BackWall.Brush.Style());
        if (BackWall.Brush.Style() == TBrushStyle::bsSolid) {
            c.SetBackMode(kTransparent);
        } else {
            // Hatch gaps are painted opaque in the brush's own colour.
            c.SetBackColor(BackWall.Brush.Color());
            c.SetBackMode(kOpaque);
        }
    }
    const TRect& p = PlotRect();
    c.DrawRectangle(p.Left, p.Top, p.Right + 1, p.Bottom);
    if (!BackImage_.isNull() && BackImageInside_) {
        DrawBackImage(p);
    }
}

} // namespace chart
