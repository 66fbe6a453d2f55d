// Series that place a point per value and may join the points: the per-point marker
// (TSeriesPointer) and the drawing of segments, steps, areas and markers (TCustomSeries).
#pragma once

#include "canvas/canvas.h"
#include "chart/chart_pen.h"
#include "chart/series/chart_series.h"

#include <vector>

namespace chart {

class TCustomSeries;

enum class TSeriesPointerStyle {
    psRectangle,
    psCircle,
    psTriangle,
    psDownTriangle,
    psCross,
    psDiagCross,
    psStar,
    psDiamond,
    psSmallDot
};

// The marker drawn at each point.
class TSeriesPointer {
public:
    explicit TSeriesPointer(TCustomSeries* owner);

    bool Draw3D() const { return Draw3D_; }
    void SetDraw3D(bool v) { Store(Draw3D_, v); }
    int HorizSize() const { return HorizSize_; } // pixels from the centre, >= 1
    // Throws ChartException "Pointer size must be greater than zero" below 1.
    void SetHorizSize(int v);
    int VertSize() const { return VertSize_; }
    void SetVertSize(int v);
    bool InflateMargins() const { return InflateMargins_; }
    void SetInflateMargins(bool v) { Store(InflateMargins_, v); }
    TSeriesPointerStyle Style() const { return Style_; }
    void SetStyle(TSeriesPointerStyle v) { Store(Style_, v); }
    bool Visible() const { return Visible_; }
    void SetVisible(bool v) { Store(Visible_, v); }
    TCustomSeries* OwnerSeries() const { return Owner_; }
    TChartBrush Brush{clAutomatic, TBrushStyle::bsSolid}; // clAutomatic: the point colour
    TChartPen Pen;

private:
    template <class T> void Store(T& field, const T& value);

    bool Draw3D_ = true;
    int HorizSize_ = 4;
    bool InflateMargins_ = true;
    TCustomSeries* Owner_;
    TSeriesPointerStyle Style_ = TSeriesPointerStyle::psRectangle;
    int VertSize_ = 4;
    bool Visible_ = true;
};

class TCustomSeries : public TChartSeries {
public:
    TCustomSeries();

    static const TSeriesClassInfo& ClassInfo();
    const TSeriesClassInfo& GetClassInfo() const override { return ClassInfo(); }

    // Draws point index and the segment that reaches it, in increasing index order.
    void DrawPoint(int index) override;
    // The point (or the first point of the segment) under the pixel, -1 when none.
    int PointAtPixel(int x, int y) const override;
    void HorizontalMargins(int& left, int& right) const override;
    void VerticalMargins(int& top, int& bottom) const override;
    // True when the marker centred on (px, py) covers the mouse pixel.
    virtual bool PointerHit(int px, int py, int mouseX, int mouseY) const;
    // Draws the marker of point index centred on (x, y).
    virtual void DrawPointMarker(int x, int y, TColor color, int index);
    // Base row of the area under point index: the plot's bottom row.
    virtual int OriginY(int index) const;
    // Whether every point goes through DrawPoint; a subclass that draws its points its own way
    // answers true.
    virtual bool DrawsPointByPoint() const { return false; }

    TBrushStyle AreaBrush = TBrushStyle::bsSolid;
    TColor AreaColor() const { return AreaColor_; }
    void SetAreaColor(TColor v) { Store(AreaColor_, v); }
    TChartPen AreaLinesPen;
    bool ClickableLine = true;
    bool Dark3D() const { return Dark3D_; }
    void SetDark3D(bool v) { Store(Dark3D_, v); }
    bool DrawArea() const { return DrawArea_; }
    void SetDrawArea(bool v) { Store(DrawArea_, v); }
    bool JoinPoints() const { return JoinPoints_; }
    void SetJoinPoints(bool v) { Store(JoinPoints_, v); }
    bool InvertedStairs() const { return InvertedStairs_; }
    void SetInvertedStairs(bool v) { Store(InvertedStairs_, v); }
    TBrushStyle LineBrush() const { return LineBrush_; }
    void SetLineBrush(TBrushStyle v) { Store(LineBrush_, v); }
    TChartPen LinePen;
    TSeriesPointer Pointer{this};
    bool Stairs() const { return Stairs_; }
    void SetStairs(bool v) { Store(Stairs_, v); }

    std::function<void(TCustomSeries*, int, int, int)> OnClickPointer;
    std::function<TSeriesPointerStyle(TCustomSeries*, int)> OnGetPointerStyle;

    // Drawing state of one pass (pixels of the previously drawn point).
    int BottomPos = 0;
    int OldBottomPos = 0;
    int OldX = 0;
    int OldY = 0;
    TColor OldColor = clBlack;
    double SlopeLimit = 1.0;

    // Maps the visible points (and the one before) in one go, then draws them. Plain joined
    // lines (no area, stairs or markers) are drawn in runs of one colour without going through
    // DrawPoint for every point; the pixels and the canvas state at the end are those of the
    // point-by-point drawing. A subclass that overrides DrawPoint turns the runs off with
    // DrawsPointByPoint.
    void DrawVisiblePoints() override;

private:
    // Pixels of point index: from the pass's mapped points when it is among them.
    int ScreenX(int index) const {
        return index >= MappedFirst_ && index <= MappedLast_ ? MappedX_[index - MappedFirst_]
                                                             : PointScreenX(index);
    }
    int ScreenY(int index) const {
        return index >= MappedFirst_ && index <= MappedLast_ ? MappedY_[index - MappedFirst_]
                                                             : PointScreenY(index);
    }
    void DrawSegment(int x, int y, TColor color, int index, bool markers);
    // True when the points after the first visible one are drawn by DrawLineRuns.
    bool DrawsLineRuns() const;
    // Draws the segments reaching points FirstVisibleIndex + 1 .. LastVisibleIndex as
    // DrawPoint would, with the pen set once per run of one colour.
    void DrawLineRuns();
    void PreparePointerColours(TColor color);
    int EdgeRow(int index) const;

    // Pixels of the points MappedFirst_ .. MappedLast_ during DrawVisiblePoints (buffers
    // kept from pass to pass); none outside it.
    int MappedFirst_ = 0;
    int MappedLast_ = -1;
    std::vector<int> MappedX_;
    std::vector<int> MappedY_;
    std::vector<canvas::CanvasPoint> Run_; // points of one run of DrawLineRuns, capacity kept
    TColor AreaColor_ = clAutomatic;
    bool Dark3D_ = true;
    bool DrawArea_ = false;
    bool JoinPoints_ = false;
    bool InvertedStairs_ = false;
    TBrushStyle LineBrush_ = TBrushStyle::bsSolid;
    bool Stairs_ = false;
};

template <class T> void TSeriesPointer::Store(T& field, const T& value) {
    if (!(field == value)) {
        field = value;
        if (Owner_ != nullptr) {
            Owner_->PenChanged();
        }
    }
}

} // namespace chart
