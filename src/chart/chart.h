// The chart control: titles, walls, background gradient, back image and the mouse zoom and
// scroll on top of the axis panel. TChart is the control the windows place.
#pragma once

#include "chart/chart_panel.h"

#include <QImage>
#include <QStringList>

namespace chart {

enum class TAlignment { taLeftJustify, taRightJustify, taCenter };
enum class TPanningMode { pmNone, pmHorizontal, pmVertical, pmBoth };
enum class TBackImageMode { pbmStretch, pbmTile, pbmCenter };

class TCustomChart;

// A title (at the top) or foot (at the bottom): lines of text in a font, an optional frame
// and brush.
class TChartTitle : public TChartObject {
public:
    const QStringList& Text() const { return Text_; }
    void SetText(const QStringList& v) { Store(Text_, v); }
    bool Visible() const { return Visible_; }
    void SetVisible(bool v) { Store(Visible_, v); }
    TAlignment Alignment() const { return Alignment_; }
    void SetAlignment(TAlignment v) { Store(Alignment_, v); }
    bool AdjustFrame() const { return AdjustFrame_; }
    void SetAdjustFrame(bool v) { Store(AdjustFrame_, v); }
    TChartFont Font{QStringLiteral("Arial"), 8, clBlue};
    TChartHiddenPen Frame;
    TChartBrush Brush{clAutomatic, TBrushStyle::bsSolid}; // clAutomatic: no fill
    // Where the text was drawn in the last pass (for the mouse hit test).
    TRect TitleRect;

private:
    QStringList Text_;
    bool Visible_ = true;
    TAlignment Alignment_ = TAlignment::taCenter;
    bool AdjustFrame_ = true;
};

class TChartGradient : public TChartObject {
public:
    bool Visible() const { return Visible_; }
    void SetVisible(bool v) { Store(Visible_, v); }
    TGradientDirection Direction() const { return Direction_; }
    void SetDirection(TGradientDirection v) { Store(Direction_, v); }
    TColor StartColor() const { return StartColor_; }
    void SetStartColor(TColor v) { Store(StartColor_, v); }
    TColor EndColor() const { return EndColor_; }
    void SetEndColor(TColor v) { Store(EndColor_, v); }

private:
    bool Visible_ = false;
    TGradientDirection Direction_ = TGradientDirection::gdTopBottom;
    TColor StartColor_ = clWhite;
    TColor EndColor_ = 0x00FFFF;
};

class TChartWall : public TChartObject {
public:
    explicit TChartWall(TColor color = clAutomatic) : Color_(color) {}
    TColor Color() const { return Color_; }
    void SetColor(TColor v) { Store(Color_, v); }
    int Size() const { return Size_; }
    void SetSize(int v) { Store(Size_, v); }
    TChartBrush Brush{clWhite, TBrushStyle::bsClear};
    TChartPen Pen;

private:
    TColor Color_;
    int Size_ = 0;
};

class TChartLegend : public TChartObject {
public:
    bool Visible() const { return Visible_; }
    void SetVisible(bool v) { Store(Visible_, v); }
    TColor Color() const { return Color_; }
    void SetColor(TColor v) { Store(Color_, v); }
    int ColorWidth() const { return ColorWidth_; } // percent
    void SetColorWidth(int v) { Store(ColorWidth_, v); }
    TChartFont Font;
    TChartPen Frame;
    TRect LegendRect; // where the legend was drawn in the last pass

private:
    bool Visible_ = true;
    TColor Color_ = clWhite;
    int ColorWidth_ = 25;
};

// Axis state kept for UndoZoom.
// The part of a chart under a pixel, as a mouse press finds it: the legend, then a point of a
// series (the last series first), then an axis, then a title, then the plot area.
struct TChartClickedPart {
    enum class TPart { None, Legend, Series, Axis, Title, Plot };
    TPart Part = TPart::None;
    TChartSeries* Series = nullptr; // for Series
    int PointIndex = -1;            // for Series, the point hit
    TChartAxis* Axis = nullptr;     // for Axis
};

struct TSavedAxisState {
    bool Automatic = true;
    bool AutomaticMinimum = true;
    bool AutomaticMaximum = true;
    double Minimum = 0.0;
    double Maximum = 0.0;
};

class TCustomChart : public TCustomAxisPanel {
public:
    TCustomChart();
    ~TCustomChart() override;

    TChartTitle Title;
    TChartTitle Foot;
    TChartGradient Gradient;
    TChartWall BackWall;
    TChartWall LeftWall{0x80FFFF};
    TChartWall BottomWall{clWhite};
    TChartLegend Legend;
    // BackWall.Color; writing it also makes the wall brush solid.
    TColor BackColor() const { return BackWall.Color(); }
    void SetBackColor(TColor color);
    TChartPen& Frame() { return BackWall.Pen; }

    const QImage& BackImage() const { return BackImage_; }
    void SetBackImage(const QImage& image);
    bool BackImageInside() const { return BackImageInside_; }
    void SetBackImageInside(bool v) { StoreAndRepaint(BackImageInside_, v); }
    TBackImageMode BackImageMode() const { return BackImageMode_; }
    void SetBackImageMode(TBackImageMode v) { StoreAndRepaint(BackImageMode_, v); }

    // --- zoom and scroll by mouse ---
    bool AllowZoom() const { return AllowZoom_; }
    void SetAllowZoom(bool v) { StoreAndRepaint(AllowZoom_, v); }
    TPanningMode AllowPanning() const { return AllowPanning_; }
    void SetAllowPanning(TPanningMode v) { StoreAndRepaint(AllowPanning_, v); }
    bool AnimatedZoom() const { return AnimatedZoom_; }
    void SetAnimatedZoom(bool v) { StoreAndRepaint(AnimatedZoom_, v); }
    int AnimatedZoomSteps() const { return AnimatedZoomSteps_; }
    void SetAnimatedZoomSteps(int v) { StoreAndRepaint(AnimatedZoomSteps_, v); }
    bool Zoomed() const { return Zoomed_; }

    virtual void ZoomToDragRectangle();
    // Zooms the four axes to the given value pairs (left, right: lower, upper).
    virtual void ZoomToValues(double leftLow, double leftHigh, double rightLow, double rightHigh,
                              double topLow, double topHigh, double bottomLow, double bottomHigh);
    virtual void UndoZoom();

    std::function<void(TCustomChart*)> OnZoom;
    std::function<void(TCustomChart*)> OnUndoZoom;
    std::function<void(TCustomChart*)> OnScroll;
    std::function<void(TChartAxis*, double&, double&, bool&)> OnAllowScroll;
    std::function<void(TCustomChart*, TChartAxis*, TMouseButton, int, int)> OnClickAxis;
    std::function<void(TCustomChart*, TChartSeries*, int, TMouseButton, int, int)> OnClickSeries;
    std::function<void(TCustomChart*, TMouseButton, int, int)> OnClickLegend;
    std::function<void(TCustomChart*, TMouseButton, int, int)> OnClickBackground;
    // Set just before a click event fires; a handler that wants the default processing
    // (a drag) to go on clears it.
    bool CancelMouse = false;

    // Mouse handling (called by the device's event handlers): button, keys, client pixel.
    void ChartMouseDown(TMouseButton button, int x, int y, bool doubleClick = false);
    // The part under the client pixel (x, y); Plot only while some series is active.
    TChartClickedPart CalcClickedPart(int x, int y);
    void ChartMouseMove(int x, int y);
    void ChartMouseUp(TMouseButton button, int x, int y);
    // The mouse left the chart: the cursor it had before any series changed it.
    void ChartMouseLeft();

    // TCustomAxisPanel steps.
    int WallSize(const TChartAxis& axis) const override;
    void DrawWalls() override;
    void DrawPanelBackground(const TRect& rect) override;
    void DrawTitlesAndLegend() override;
    void DrawZoomRectangle() override;
    virtual void DrawBackImage(const TRect& rect);
    virtual void FillPanelBackground(const TRect& rect);

private:
    void DrawTitle(TChartTitle& title, bool isFoot);
    void DrawLegend();
    void SaveAxesForUndo();
    bool ScrollAxis(TChartAxis& axis, int from, int to);
    void StartDrag(TMouseButton button, int x, int y);
    void DrawDragRectangleOnScreen();

    QImage BackImage_;
    bool BackImageInside_ = false;
    TBackImageMode BackImageMode_ = TBackImageMode::pbmStretch;
    bool AllowZoom_ = true;
    TPanningMode AllowPanning_ = TPanningMode::pmBoth;
    bool AnimatedZoom_ = false;
    int AnimatedZoomSteps_ = 8;
    bool Zoomed_ = false;
    bool NothingSaved_ = true;
    TSavedAxisState Saved_[4]; // top, bottom, left, right
    bool InClickHandler_ = false;
    int SavedCursor_ = 0;
};

// The chart engine: draws onto its canvas, into any target (DrawTo), with or without a window.
// TChartWidget (chart_widget.h) shows one in a window.
class TChart : public TCustomChart {};

} // namespace chart
