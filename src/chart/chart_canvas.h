// The chart canvas: every drawing call of the panel, the axes, the titles and the series
// goes through it. It draws on a target bitmap canvas of the canvas layer, fills gradients,
// draws rotated text and 3D frames, clips, and keeps an off-screen buffer so that a repaint
// that needs no redraw is a single block copy.
//
// TQixCanvas declares the 2D operations, TCanvas3D adds the frame set-up and buffering, and
// TQixCanvas3D implements them on the canvas layer. The chart is always 2D here, so the
// projection operations of a 3D chart are not part of the interface.
#pragma once

#include "chart/chart_pen.h"
#include "chart/chart_types.h"
#include "chart/text_measure.h"

#include "canvas/canvas.h"

#include <QString>
#include <cstddef>
#include <functional>
#include <memory>
#include <span>
#include <string>
#include <utility>
#include <vector>

class QImage;

namespace chart {

enum class TGradientDirection {
    gdTopBottom = 0,
    gdBottomTop = 1,
    gdLeftRight = 2,
    gdRightLeft = 3,
    gdFromCenter = 4,
    gdFromTopLeft = 5,
    gdFromBottomLeft = 6
};

// Background modes of text and dotted lines.
inline constexpr int kTransparent = 1;
inline constexpr int kOpaque = 2;

using TPoint = canvas::CanvasPoint;

// Converts a chart colour to the plain RGB value the canvas layer draws with.
canvas::Colour ToCanvasColour(TColor color);

class TQixCanvas : public TTextMeasure {
public:
    TQixCanvas() = default;
    TQixCanvas(const TQixCanvas&) = delete;
    TQixCanvas& operator=(const TQixCanvas&) = delete;
    ~TQixCanvas() override = default;

    virtual TColor GetBackColor() const = 0;
    virtual int GetBackMode() const = 0; // kTransparent or kOpaque
    virtual canvas::Canvas* GetDeviceHandle() const = 0;
    virtual bool GetMonochrome() const = 0;
    virtual unsigned GetTextAlignment() const = 0;
    virtual bool GetBuffered() const = 0;
    virtual void SetBackColor(TColor color) = 0;
    virtual void SetBackMode(int mode) = 0;
    virtual void SetMonochromeMode(bool value) = 0;
    virtual void PlotPixel(int x, int y, TColor color) = 0;
    virtual void SetTextAlignment(unsigned flags) = 0;
    virtual void SetBuffered(bool value) = 0;
    virtual void DrawArc(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4) = 0;
    virtual void DrawGraphic(int x, int y, const QImage& graphic) = 0;
    virtual void DrawEllipse(int x1, int y1, int x2, int y2) = 0;
    virtual void FillRectangle(const TRect& rect) = 0;
    virtual void DrawFrame3D(TRect rect, TColor topLeft, TColor bottomRight, int width) = 0;
    virtual void LineToPoint(int x, int y) = 0;
    virtual void MoveToPoint(int x, int y) = 0;
    virtual void DrawPie(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4) = 0;
    virtual void DrawRectangle(int x1, int y1, int x2, int y2) = 0;
    virtual void DrawRoundRect(int x1, int y1, int x2, int y2, int cornerWidth,
                               int cornerHeight) = 0;
    virtual void StretchGraphic(const TRect& rect, const QImage& graphic) = 0;
    virtual void OutputText(int x, int y, const QString& text) = 0;
    // MeasureTextWidth and MeasureTextHeight come from TTextMeasure.
    virtual void ClipToRect(const TRect& rect) = 0;
    virtual void DrawHorizontalLine(int x0, int x1, int y) = 0;
    virtual void DrawRectangleRec(const TRect& rect) = 0;
    virtual void DrawVerticalLine(int x, int y0, int y1) = 0;
    virtual void FillBackground(const TRect& rect) = 0;
    virtual void FillGradient(const TRect& rect, TColor a, TColor b,
                              TGradientDirection direction) = 0;
    virtual void MarkDirty() = 0;
    virtual void DrawLine(int x0, int y0, int x1, int y1) = 0;
    // Polygon of points[0 .. lastIndex].
    virtual void DrawPolygon(std::span<const TPoint> points, int lastIndex) = 0;
    virtual void DrawRotatedText(int x, int y, const QString& text, int angle) = 0;
    virtual void RemoveClip() = 0;

    // Pen black, width 1, solid; brush white, solid; font black, size 10; back colour white;
    // back mode opaque.
    void ResetDrawingState();
    // A hidden pen only makes the canvas pen clear; a visible one is copied whole.
    void UseChartPen(const TChartPen& pen);
    // Copies a chart font into the target's font.
    void SelectFont(const TChartFont& font);

    // Current pen, brush and font of the target.
    void SetPenColor(TColor color);
    void SetPenWidth(int width);
    void SetPenStyle(TPenStyle style);
    void SetPenMode(TPenMode mode);
    void SetBrushColor(TColor color);
    void SetBrushStyle(TBrushStyle style);
    void SetFontColor(TColor color);
    canvas::Pen Pen() const { return GetDeviceHandle()->GetPen(); }
    canvas::Brush Brush() const { return GetDeviceHandle()->GetBrush(); }

private:
    // The faces selected so far, as the chart names them and as the canvas layer does: a chart
    // switches between a few fonts on every pass, and each is converted once.
    static constexpr std::size_t kMaxFaces = 8;
    std::vector<std::pair<QString, std::string>> Faces_;
};

class TCanvas3D : public TQixCanvas {
public:
    // Starts a drawing pass on target within bounds: answers the rectangle to draw in
    // ((0, 0, width, height) when buffered). target may be null only when buffered.
    virtual TRect BeginFrame(canvas::Canvas* target, const TRect& bounds, bool is3D) = 0;
    // Centre of the (unused) 3D projection: midpoint of the chart rectangle.
    virtual void SetProjectionCentre(int depth, const TRect& panel, const TRect& chart) = 0;
    // Ends the pass: copies the buffer to target (when buffered and target is set) at the
    // bounds' top-left corner, clears the dirty flag and re-targets to ownCanvas.
    virtual void EndFrame(canvas::Canvas* target, canvas::Canvas* ownCanvas) = 0;
    // When nothing changed since the last pass: copies the buffer to target at (0, 0) and
    // answers true; otherwise answers false.
    virtual bool RepaintFromBuffer(canvas::Canvas* target) = 0;
};

class TQixCanvas3D final : public TCanvas3D {
public:
    TQixCanvas3D() = default;
    ~TQixCanvas3D() override;

    // Re-targets every operation to canvas (may be null between passes).
    void SetTarget(canvas::Canvas* canvas) { Target_ = canvas; }
    canvas::Canvas* Target() const { return Target_; }
    bool Dirty() const { return Dirty_; }
    // The off-screen bitmap, or null when there is none.
    const canvas::Canvas* Buffer() const { return Buffer_.get(); }
    // Frees the buffer bitmap (the next pass creates one of the new size).
    void FreeBuffer() { Buffer_.reset(); }
    double ZoomFactor() const { return ZoomFactor_; }
    int CentreX() const { return CentreX_; }
    int CentreY() const { return CentreY_; }
    const TRect& Bounds() const { return Bounds_; }
    // Called by SetMonochromeMode to let the owner invalidate its window.
    std::function<void()> OnInvalidate;

    TColor GetBackColor() const override;
    int GetBackMode() const override;
    canvas::Canvas* GetDeviceHandle() const override { return Target_; }
    bool GetMonochrome() const override { return Monochrome_; }
    unsigned GetTextAlignment() const override;
    bool GetBuffered() const override { return Buffered_; }
    void SetBackColor(TColor color) override;
    void SetBackMode(int mode) override;
    void SetMonochromeMode(bool value) override;
    void PlotPixel(int x, int y, TColor color) override;
    void SetTextAlignment(unsigned flags) override;
    void SetBuffered(bool value) override;
    void DrawArc(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4) override;
    void DrawGraphic(int x, int y, const QImage& graphic) override;
    void DrawEllipse(int x1, int y1, int x2, int y2) override;
    void FillRectangle(const TRect& rect) override;
    void DrawFrame3D(TRect rect, TColor topLeft, TColor bottomRight, int width) override;
    void LineToPoint(int x, int y) override;
    void MoveToPoint(int x, int y) override;
    void DrawPie(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4) override;
    void DrawRectangle(int x1, int y1, int x2, int y2) override;
    void DrawRoundRect(int x1, int y1, int x2, int y2, int cornerWidth, int cornerHeight) override;
    void StretchGraphic(const TRect& rect, const QImage& graphic) override;
    void OutputText(int x, int y, const QString& text) override;
    int MeasureTextWidth(const QString& text) override;
    int MeasureTextHeight(const QString& text) override;
    void ClipToRect(const TRect& rect) override;
    void DrawHorizontalLine(int x0, int x1, int y) override;
    void DrawRectangleRec(const TRect& rect) override;
    void DrawVerticalLine(int x, int y0, int y1) override;
    void FillBackground(const TRect& rect) override;
    void FillGradient(const TRect& rect, TColor a, TColor b, TGradientDirection direction) override;
    void MarkDirty() override { Dirty_ = true; }
    void DrawLine(int x0, int y0, int x1, int y1) override;
    void DrawPolygon(std::span<const TPoint> points, int lastIndex) override;
    void DrawRotatedText(int x, int y, const QString& text, int angle) override;
    void RemoveClip() override;

    TRect BeginFrame(canvas::Canvas* target, const TRect& bounds, bool is3D) override;
    void SetProjectionCentre(int depth, const TRect& panel, const TRect& chart) override;
    void EndFrame(canvas::Canvas* target, canvas::Canvas* ownCanvas) override;
    bool RepaintFromBuffer(canvas::Canvas* target) override;

private:
    void FillBand(int left, int top, int right, int bottom, TColor color);
    // The centre and corner gradients of FillGradient: from colour a by (dR, dG, dB) in all.
    void GradientFromCentre(const TRect& r, TColor a, int dR, int dG, int dB);
    void GradientFromCorner(const TRect& r, TColor a, int dR, int dG, int dB, bool fromTop);

    canvas::Canvas* Target_ = nullptr;
    bool Is3D_ = true;
    double ZoomFactor_ = 1.0;
    int CentreX_ = 0;
    int CentreY_ = 0;
    int CentreZ_ = 0;
    bool Buffered_ = true;
    bool Monochrome_ = false;
    bool Dirty_ = true;
    std::unique_ptr<canvas::Canvas> Buffer_;
    TRect Bounds_;
};

} // namespace chart
