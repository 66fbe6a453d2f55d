#include "chart/chart_canvas.h"

#include <QImage>
#include <algorithm>
#include <array>

namespace chart {

namespace {

canvas::PenStyle ToCanvasPenStyle(TPenStyle style) {
    switch (style) {
    case TPenStyle::psSolid:
        return canvas::PenStyle::Solid;
    case TPenStyle::psClear:
        return canvas::PenStyle::Clear;
    case TPenStyle::psDash:
    case TPenStyle::psDot:
    case TPenStyle::psDashDot:
    case TPenStyle::psDashDotDot:
        return canvas::PenStyle::Dotted;
    }
    return canvas::PenStyle::Solid;
}

canvas::CanvasRect ToCanvasRect(const TRect& r) {
    return {r.Left, r.Top, r.Right, r.Bottom};
}

// A + MulDiv(k, B - A, d) per component, each taken modulo 256.
TColor BlendComponents(TColor a, int k, int dR, int dG, int dB, int d) {
    const int r = RedOf(a) + MulDiv(k, dR, d);
    const int g = GreenOf(a) + MulDiv(k, dG, d);
    const int b = BlueOf(a) + MulDiv(k, dB, d);
    return MakeColour(r & 0xFF, g & 0xFF, b & 0xFF);
}

} // namespace

canvas::Colour ToCanvasColour(TColor color) {
    return canvas::ColourToRgb(color);
}

// --- TQixCanvas non-virtual operations ---

void TQixCanvas::ResetDrawingState() {
    canvas::Canvas* c = GetDeviceHandle();
    canvas::Pen pen;
    pen.colour = canvas::kColourBlack;
    pen.width = 1;
    pen.style = canvas::PenStyle::Solid;
    c->SetPen(pen);
    c->SetBrush({canvas::kColourWhite, canvas::BrushStyle::Solid});
    canvas::FontSpec font = c->GetFont();
    font.colour = canvas::kColourBlack;
    font.size = 10;
    c->SetFont(font);
    SetBackColor(clWhite);
    SetBackMode(kOpaque);
}

void TQixCanvas::UseChartPen(const TChartPen& pen) {
    canvas::Canvas* c = GetDeviceHandle();
    if (!pen.Visible()) {
        c->SetPenStyle(canvas::PenStyle::Clear);
        return;
    }
    canvas::Pen p;
    p.colour = ToCanvasColour(pen.Color());
    p.width = pen.Width();
    p.style = ToCanvasPenStyle(pen.Style());
    p.mode = pen.Mode() == TPenMode::pmNotXor ? canvas::PenMode::NotXor : canvas::PenMode::Copy;
    c->SetPen(p);
}

void TQixCanvas::SelectFont(const TChartFont& font) {
    const std::string* faceName = nullptr;
    for (const auto& [name, converted] : Faces_) {
        if (name == font.Name()) {
            faceName = &converted;
            break;
        }
    }
    if (faceName == nullptr) {
        if (Faces_.size() >= kMaxFaces) {
            Faces_.clear();
        }
        Faces_.emplace_back(font.Name(), font.Name().toStdString());
        faceName = &Faces_.back().second;
    }
    canvas::FontSpec face;
    face.face = *faceName;
    face.size = font.Size();
    face.colour = ToCanvasColour(font.Color());
    face.bold = font.Bold();
    face.italic = font.Italic();
    GetDeviceHandle()->SetFont(face);
}

void TQixCanvas::SetPenColor(TColor color) {
    GetDeviceHandle()->SetPenColour(ToCanvasColour(color));
}
void TQixCanvas::SetPenWidth(int width) {
    GetDeviceHandle()->SetPenWidth(width);
}
void TQixCanvas::SetPenStyle(TPenStyle style) {
    GetDeviceHandle()->SetPenStyle(ToCanvasPenStyle(style));
}
void TQixCanvas::SetPenMode(TPenMode mode) {
    GetDeviceHandle()->SetPenMode(mode == TPenMode::pmNotXor ? canvas::PenMode::NotXor
                                                             : canvas::PenMode::Copy);
}
void TQixCanvas::SetBrushColor(TColor color) {
    GetDeviceHandle()->SetBrushColour(ToCanvasColour(color));
}
void TQixCanvas::SetBrushStyle(TBrushStyle style) {
    // The canvas layer fills solid or not at all; hatch styles fill solid.
    GetDeviceHandle()->SetBrushStyle(style == TBrushStyle::bsClear ? canvas::BrushStyle::Clear
                                                                   : canvas::BrushStyle::Solid);
}
void TQixCanvas::SetFontColor(TColor color) {
    GetDeviceHandle()->SetFontColour(ToCanvasColour(color));
}

// --- TQixCanvas3D ---

TQixCanvas3D::~TQixCanvas3D() = default;

TColor TQixCanvas3D::GetBackColor() const {
    return Target_->BackColour();
}
int TQixCanvas3D::GetBackMode() const {
    return static_cast<int>(Target_->GetBackMode());
}
unsigned TQixCanvas3D::GetTextAlignment() const {
    return Target_->TextAlignment();
}
void TQixCanvas3D::SetBackColor(TColor color) {
    Target_->SetBackColour(ToCanvasColour(color));
}
void TQixCanvas3D::SetBackMode(int mode) {
    Target_->SetBackMode(mode == kTransparent ? canvas::BackMode::Transparent
                                              : canvas::BackMode::Opaque);
}

void TQixCanvas3D::SetMonochromeMode(bool value) {
    if (value == Monochrome_) {
        return;
    }
    Monochrome_ = value;
    Buffer_.reset();
    Dirty_ = true;
    if (OnInvalidate) {
        OnInvalidate();
    }
}

void TQixCanvas3D::PlotPixel(int x, int y, TColor color) {
    Target_->SetPixel(x, y, ToCanvasColour(color));
}
void TQixCanvas3D::SetTextAlignment(unsigned flags) {
    Target_->SetTextAlignment(flags);
}

void TQixCanvas3D::SetBuffered(bool value) {
    Buffered_ = value;
    if (!value && Buffer_) {
        Buffer_.reset();
        Dirty_ = true;
    }
}

void TQixCanvas3D::DrawArc(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4) {
    Target_->Arc(x1, y1, x2, y2, x3, y3, x4, y4);
}
void TQixCanvas3D::DrawGraphic(int x, int y, const QImage& graphic) {
    Target_->Draw(x, y, graphic);
}
void TQixCanvas3D::DrawEllipse(int x1, int y1, int x2, int y2) {
    Target_->Ellipse(x1, y1, x2, y2);
}
void TQixCanvas3D::FillRectangle(const TRect& rect) {
    Target_->FillRect(ToCanvasRect(rect));
}

void TQixCanvas3D::DrawFrame3D(TRect rect, TColor topLeft, TColor bottomRight, int width) {
    Target_->SetPenWidth(1);
    --rect.Right;
    --rect.Bottom;
    for (int k = 0; k < width; ++k) {
        Target_->SetPenColour(ToCanvasColour(topLeft));
        const std::array<TPoint, 3> first{TPoint{rect.Left, rect.Bottom},
                                          TPoint{rect.Left, rect.Top},
                                          TPoint{rect.Right, rect.Top}};
        Target_->Polyline(first);
        Target_->SetPenColour(ToCanvasColour(bottomRight));
        const std::array<TPoint, 3> second{TPoint{rect.Right, rect.Top},
                                           TPoint{rect.Right, rect.Bottom},
                                           TPoint{rect.Left - 1, rect.Bottom}};
        Target_->Polyline(second);
        ++rect.Left;
        ++rect.Top;
        --rect.Right;
        --rect.Bottom;
    }
}

void TQixCanvas3D::LineToPoint(int x, int y) {
    Target_->LineTo(x, y);
}
void TQixCanvas3D::MoveToPoint(int x, int y) {
    Target_->MoveTo(x, y);
}
void TQixCanvas3D::DrawPie(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4) {
    Target_->Pie(x1, y1, x2, y2, x3, y3, x4, y4);
}
void TQixCanvas3D::DrawRectangle(int x1, int y1, int x2, int y2) {
    Target_->Rectangle(x1, y1, x2, y2);
}
void TQixCanvas3D::DrawRoundRect(int x1, int y1, int x2, int y2, int /*cornerWidth*/,
                                 int /*cornerHeight*/) {
    // The canvas layer has no rounded figure; the chart draws none of its own.
    Target_->Rectangle(x1, y1, x2, y2);
}
void TQixCanvas3D::StretchGraphic(const TRect& rect, const QImage& graphic) {
    if (rect.Width() <= 0 || rect.Height() <= 0 || graphic.isNull()) {
        return;
    }
    Target_->Draw(rect.Left, rect.Top, graphic.scaled(rect.Width(), rect.Height()));
}
void TQixCanvas3D::OutputText(int x, int y, const QString& text) {
    Target_->TextOut(x, y, text);
}
int TQixCanvas3D::MeasureTextWidth(const QString& text) {
    return Target_->TextExtent(text).width;
}
int TQixCanvas3D::MeasureTextHeight(const QString& /*text*/) {
    // Every text of a font has the font's height.
    return Target_->FontHeight();
}
void TQixCanvas3D::ClipToRect(const TRect& rect) {
    Target_->ClipToRect(ToCanvasRect(rect));
}

void TQixCanvas3D::DrawHorizontalLine(int x0, int x1, int y) {
    Target_->MoveTo(x0, y);
    Target_->LineTo(x1, y);
}
void TQixCanvas3D::DrawRectangleRec(const TRect& rect) {
    Target_->Rectangle(rect.Left, rect.Top, rect.Right, rect.Bottom);
}
void TQixCanvas3D::DrawVerticalLine(int x, int y0, int y1) {
    Target_->MoveTo(x, y0);
    Target_->LineTo(x, y1);
}
void TQixCanvas3D::FillBackground(const TRect& rect) {
    Target_->FillRect(ToCanvasRect(rect));
}
void TQixCanvas3D::DrawLine(int x0, int y0, int x1, int y1) {
    Target_->MoveTo(x0, y0);
    Target_->LineTo(x1, y1);
}
void TQixCanvas3D::DrawPolygon(std::span<const TPoint> points, int lastIndex) {
    const auto count = static_cast<std::size_t>(std::max(lastIndex + 1, 0));
    Target_->Polygon(points.first(std::min(count, points.size())));
}

void TQixCanvas3D::DrawRotatedText(int x, int y, const QString& text, int angle) {
    Target_->SetBrushStyle(canvas::BrushStyle::Clear);
    Target_->TextOutRotated(x, y, text, angle);
}

void TQixCanvas3D::RemoveClip() {
    Target_->RemoveClip();
}

void TQixCanvas3D::FillBand(int left, int top, int right, int bottom, TColor color) {
    Target_->SetBrush({ToCanvasColour(color), canvas::BrushStyle::Solid});
    Target_->FillRect({left, top, right, bottom});
}

void TQixCanvas3D::FillGradient(const TRect& rectIn, TColor a, TColor b,
                                TGradientDirection direction) {
    TRect r = rectIn;
    if (r.Left > r.Right) {
        std::swap(r.Left, r.Right);
    }
    if (r.Top > r.Bottom) {
        std::swap(r.Top, r.Bottom);
    }
    const int dR = RedOf(b) - RedOf(a);
    const int dG = GreenOf(b) - GreenOf(a);
    const int dB = BlueOf(b) - BlueOf(a);

    // The bands are filled with brushes of their own: the current brush and background
    // survive the fill.
    const canvas::Brush savedBrush = Target_->GetBrush();
    const canvas::Colour savedBack = Target_->BackColour();
    const canvas::BackMode savedMode = Target_->GetBackMode();
    switch (direction) {
    case TGradientDirection::gdTopBottom:
    case TGradientDirection::gdBottomTop:
    case TGradientDirection::gdLeftRight:
    case TGradientDirection::gdRightLeft: {
        const bool rows = direction == TGradientDirection::gdTopBottom ||
                          direction == TGradientDirection::gdBottomTop;
        const int extent = rows ? r.Bottom - r.Top : r.Right - r.Left;
        const int N = extent + 1;
        const int n = std::min(N, 256);
        for (int i = 0; i <= n - 2; ++i) {
            const TColor c = BlendComponents(a, i, dR, dG, dB, n - 1);
            const int s = MulDiv(i, N, n);
            int e = MulDiv(i + 1, N, n);
            // Past 255 bands the last one also covers the strip left at the far edge.
            if (i == n - 2) {
                e = std::max(e, extent);
            }
            if (rows) {
                FillBand(r.Left, r.Bottom - e, r.Right, r.Bottom - s, c);
            } else {
                FillBand(r.Right - e, r.Top, r.Right - s, r.Bottom, c);
            }
        }
        break;
    }
    case TGradientDirection::gdFromCenter:
        GradientFromCentre(r, a, dR, dG, dB);
        break;
    case TGradientDirection::gdFromTopLeft:
    case TGradientDirection::gdFromBottomLeft:
        GradientFromCorner(r, a, dR, dG, dB, direction == TGradientDirection::gdFromTopLeft);
        break;
    }
    Target_->SetBrush(savedBrush);
    Target_->SetBackColour(savedBack);
    Target_->SetBackMode(savedMode);
}

// Rectangles from the edge inwards, each in the colour of its distance from the edge.
void TQixCanvas3D::GradientFromCentre(const TRect& r, TColor a, int dR, int dG, int dB) {
    Target_->SetBrushStyle(canvas::BrushStyle::Clear);
    const int w = r.Right - r.Left;
    const int h = r.Bottom - r.Top;
    const int hw = w / 2;
    const int hh = h / 2;
    int i = 0;
    int j = 0;
    do {
        Target_->SetPenColour(ToCanvasColour(BlendComponents(a, j, dR, dG, dB, hw)));
        Target_->Rectangle(r.Left + j, r.Top + i, r.Right - j, r.Bottom - i);
        if (i < hh) {
            ++i;
        }
        if (j < hw) {
            ++j;
        }
    } while (!(i == hh && j == hw));
}

// L-shaped strokes from the left corner (the top one, or the bottom one) outwards.
void TQixCanvas3D::GradientFromCorner(const TRect& r, TColor a, int dR, int dG, int dB,
                                      bool fromTop) {
    const int w = r.Right - r.Left;
    const int h = r.Bottom - r.Top;
    const int anchor = fromTop ? r.Top : r.Bottom;
    int i = 0;
    int j = 0;
    do {
        Target_->SetPenColour(ToCanvasColour(BlendComponents(a, j, dR, dG, dB, w)));
        const int y = fromTop ? r.Top + i : r.Bottom - i;
        Target_->MoveTo(r.Left, y);
        Target_->LineTo(r.Left + j, y);
        Target_->LineTo(r.Left + j, anchor);
        if (i < h) {
            ++i;
        }
        if (j < w) {
            ++j;
        }
    } while (!(i == h && j == w));
}

TRect TQixCanvas3D::BeginFrame(canvas::Canvas* target, const TRect& bounds, bool is3D) {
    Bounds_ = bounds;
    Is3D_ = is3D;
    ZoomFactor_ = 1.0;
    if (!Buffered_) {
        Target_ = target;
        return bounds;
    }
    const int w = std::max(bounds.Width(), 1);
    const int h = std::max(bounds.Height(), 1);
    // A bitmap of another size (the bounds changed without a resize event reaching the panel,
    // as for a hidden control) would clip or misplace the pass: make one of the frame's size.
    if (!Buffer_ || Buffer_->Width() != w || Buffer_->Height() != h) {
        Buffer_ = std::make_unique<canvas::Canvas>(w, h);
    }
    Target_ = Buffer_.get();
    return TRect{0, 0, bounds.Width(), bounds.Height()};
}

void TQixCanvas3D::SetProjectionCentre(int depth, const TRect& /*panel*/, const TRect& chart) {
    CentreX_ = (chart.Left + chart.Right) / 2;
    CentreY_ = (chart.Top + chart.Bottom) / 2;
    CentreZ_ = depth / 2;
}

void TQixCanvas3D::EndFrame(canvas::Canvas* target, canvas::Canvas* ownCanvas) {
    if (Buffered_ && Buffer_) {
        if (target != nullptr) {
            target->Draw(Bounds_.Left, Bounds_.Top, *Buffer_);
        }
        Dirty_ = false;
    }
    Target_ = ownCanvas;
}

bool TQixCanvas3D::RepaintFromBuffer(canvas::Canvas* target) {
    if (Dirty_ || !Buffer_) {
        return false;
    }
    if (target != nullptr) {
        target->Draw(0, 0, *Buffer_);
    }
    return true;
}

} // namespace chart
