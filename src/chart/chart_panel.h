// The chart control's lower layers. TCustomQixPanel owns the chart canvas, the margins,
// the plot rectangle and the buffered paint, and is shown through a TChartDevice (a window,
// chart_widget.h) or drawn into pictures without one; TCustomAxisPanel adds the series list, the
// five axes and the drawing pass, whose steps TCustomChart fills in (chart.h).
#pragma once

#include "chart/axis.h"
#include "chart/chart_canvas.h"
#include "chart/chart_types.h"

#include <QSize>
#include <functional>
#include <memory>
#include <vector>

namespace chart {

class TChartSeries;

struct TView3DOptions {
    int Elevation = 345;
    int Rotation = 345;
    int Tilt = 0;
    int Zoom = 100;
    int HorizOffset = 0;
    int VertOffset = 0;
    bool Orthogonal = true;
    friend bool operator==(const TView3DOptions&, const TView3DOptions&) = default;
};

// A drag in progress: where it started (X0, Y0) and the latest point (X1, Y1), client pixels.
struct TZoomPanningRecord {
    int X0 = 0;
    int Y0 = 0;
    int X1 = 0;
    int Y1 = 0;
    bool Active = false;
};

// What a chart needs of the device that shows it: its size, a repaint (later or at once) and
// the mouse cursor. A chart without a device has a size of its own and repaints nothing.
class TChartDevice {
public:
    virtual ~TChartDevice() = default;
    virtual QSize DeviceSize() const = 0;
    virtual void ResizeDevice(int width, int height) = 0;
    // Repaints when the event loop next runs.
    virtual void UpdateDevice() = 0;
    // Repaints at once.
    virtual void RepaintDevice() = 0;
    // A Qt::CursorShape value.
    virtual int DeviceCursor() const = 0;
    virtual void SetDeviceCursor(int shape) = 0;
};

class TCustomQixPanel {
public:
    TCustomQixPanel();
    virtual ~TCustomQixPanel();
    TCustomQixPanel(const TCustomQixPanel&) = delete;
    TCustomQixPanel& operator=(const TCustomQixPanel&) = delete;

    // The device that shows the chart (not owned; null: none). Its size becomes the chart's.
    void AttachDevice(TChartDevice* device) { Device_ = device; }
    // Pixels of the client area: the device's, or the chart's own without one.
    int width() const { return Device_ != nullptr ? Device_->DeviceSize().width() : Width_; }
    int height() const { return Device_ != nullptr ? Device_->DeviceSize().height() : Height_; }
    QSize size() const { return QSize(width(), height()); }
    void resize(int width, int height);
    // Asks the device for a paint when the event loop next runs (nothing without a device).
    void update();
    // Paints at once on the device (nothing without one).
    void RepaintNow();
    // The mouse cursor over the chart, a Qt::CursorShape value.
    int CursorShape() const;
    void SetCursorShape(int shape);
    // The device's resize or move: a buffer drawn for the old place is not shown again.
    void DeviceMoved() { DiscardBuffer(); }

    // Margins in percent of the panel's width (left, right) or height (top, bottom).
    int MarginLeft() const { return MarginLeft_; }
    void SetMarginLeft(int v) { StoreAndRepaint(MarginLeft_, v); }
    int MarginTop() const { return MarginTop_; }
    void SetMarginTop(int v) { StoreAndRepaint(MarginTop_, v); }
    int MarginRight() const { return MarginRight_; }
    void SetMarginRight(int v) { StoreAndRepaint(MarginRight_, v); }
    int MarginBottom() const { return MarginBottom_; }
    void SetMarginBottom(int v) { StoreAndRepaint(MarginBottom_, v); }
    bool View3D() const { return View3D_; }
    void SetView3D(bool v) { StoreAndRepaint(View3D_, v); }
    const TView3DOptions& View3DOptions() const { return View3DOptions_; }
    void SetView3DOptions(const TView3DOptions& v) { StoreAndRepaint(View3DOptions_, v); }
    bool Monochrome() const { return Canvas_.GetMonochrome(); }
    void SetMonochrome(bool v) { Canvas_.SetMonochromeMode(v); }
    // The control's colour (fills the background when the gradient is off).
    TColor Color() const { return Color_; }
    void SetColor(TColor v) { StoreAndRepaint(Color_, v); }
    int BorderWidth() const { return BorderWidth_; }
    void SetBorderWidth(int v) { StoreAndRepaint(BorderWidth_, v); }
    bool Printing = false;

    TQixCanvas3D& Canvas() { return Canvas_; }
    const TRect& PanelRect() const { return PanelRect_; }
    const TPlotGeometry& PlotGeometry() const { return Plot_; }
    const TRect& PlotRect() const { return Plot_.PlotRect; }
    // Replaces the plot rectangle and normalises it.
    void SetPlotRect(const TRect& rect);

    TZoomPanningRecord Zoom;
    TZoomPanningRecord Scroll;

    // One drawing pass into the current frame (implemented by TCustomAxisPanel).
    virtual void DrawPass(const TRect& panelRect) = 0;
    // Marks the buffer dirty and invalidates the window (ignored during construction).
    virtual void RequestRepaint();
    // Draws the whole chart onto target within rect (also without a window).
    virtual void DrawTo(canvas::Canvas* target, const TRect& rect);
    // Copies a font into the chart canvas.
    virtual void SelectFont(const TChartFont& font);
    virtual TRect GetPanelRect() const { return PanelRect_; }
    // Number of drawing passes run so far.
    int DrawPassCount() const { return DrawPassCount_; }
    // What the window shows: the buffer copied by the last paint (and the drag rectangle).
    const canvas::Canvas& ScreenCanvas() const { return *Screen_; }
    // The paint handler without a paint event: copies the buffer, or draws a pass when
    // something changed.
    void PaintNow();

protected:
    template <class T> void StoreAndRepaint(T& field, const T& value) {
        if (!(field == value)) {
            field = value;
            RequestRepaint();
        }
    }
    // Clamps the plot rectangle into the panel and recomputes its derived sizes.
    void NormalisePlotRect();
    void EnsureScreenCanvas();
    // Shows the screen canvas in the window without a drawing pass.
    void ShowScreen() {
        ScreenOnly_ = true;
        update();
    }

    bool Constructed_ = false;
    TPlotGeometry Plot_;
    std::unique_ptr<canvas::Canvas> Screen_; // the control's own canvas

private:
    void DiscardBuffer();

    TChartDevice* Device_ = nullptr;
    int Width_ = 0;       // pixels, without a device
    int Height_ = 0;      // pixels, without a device
    int CursorShape_ = 0; // Qt::ArrowCursor, without a device
    int MarginLeft_ = 3;
    int MarginTop_ = 4;
    int MarginRight_ = 3;
    int MarginBottom_ = 4;
    bool View3D_ = true;
    TView3DOptions View3DOptions_;
    TColor Color_ = clBtnFace;
    int BorderWidth_ = 0;
    TQixCanvas3D Canvas_;
    TRect PanelRect_;
    int DrawPassCount_ = 0;
    bool UpdatePending_ = false;
    bool ScreenOnly_ = false;
};

class TCustomAxisPanel : public TCustomQixPanel, public TAxisHost {
public:
    TCustomAxisPanel();
    ~TCustomAxisPanel() override;

    TChartAxis& BottomAxis() { return *BottomAxis_; }
    TChartAxis& TopAxis() { return *TopAxis_; }
    TChartAxis& LeftAxis() { return *LeftAxis_; }
    TChartAxis& RightAxis() { return *RightAxis_; }
    TChartAxis& DepthAxis() { return *DepthAxis_; }

    // Series in drawing order (not owned).
    const std::vector<TChartSeries*>& SeriesList() const { return SeriesList_; }
    int SeriesCount() const { return static_cast<int>(SeriesList_.size()); }
    TChartSeries* Series(int index) const { return SeriesList_[static_cast<std::size_t>(index)]; }
    // Makes this chart the series' parent (same as series->SetParentChart(this)).
    void AddSeries(TChartSeries* series);
    void RemoveSeries(TChartSeries* series);
    // Called by TChartSeries::SetParentChart.
    void SeriesJoined(TChartSeries* series);
    void SeriesLeft(TChartSeries* series);
    bool IsDestroying() const { return Destroying_; }

    bool AxisVisible() const { return AxisVisible_; }
    void SetAxisVisible(bool v) { StoreAndRepaint(AxisVisible_, v); }
    bool ClipPoints() const { return ClipPoints_; }
    void SetClipPoints(bool v) { StoreAndRepaint(ClipPoints_, v); }
    bool View3DWalls() const { return View3DWalls_; }
    void SetView3DWalls(bool v) { StoreAndRepaint(View3DWalls_, v); }
    int Chart3DPercent() const { return Chart3DPercent_; }
    void SetChart3DPercent(int v) { StoreAndRepaint(Chart3DPercent_, v); }
    int MaxPointsPerPage() const { return MaxPointsPerPage_; }
    void SetMaxPointsPerPage(int v) { StoreAndRepaint(MaxPointsPerPage_, v); }
    int Page() const { return Page_; }
    void SetPage(int v);
    bool ScaleLastPage() const { return ScaleLastPage_; }
    void SetScaleLastPage(bool v) { StoreAndRepaint(ScaleLastPage_, v); }

    std::function<void(TCustomAxisPanel*)> OnAfterDraw;
    std::function<void(const TChartAxis*, TChartSeries*, int, QString&)> OnGetAxisLabel;
    // Asked for label values with an index counting from 0; setting stop ends the labels.
    std::function<void(const TChartAxis*, int, double&, bool&)> OnGetNextAxisLabel;
    std::function<void(TCustomAxisPanel*)> OnPageChange;

    bool IsAxisShown(const TChartAxis& axis) const;

    // TAxisHost
    const TPlotGeometry& PlotGeometry() const override { return Plot_; }
    void RequestRepaint() override { TCustomQixPanel::RequestRepaint(); }
    bool IsLoading() const override { return Loading; }
    double SeriesValueBound(const TChartAxis& axis, bool wantMinimum) const override;
    TAxisLabelStyle AutoLabelStyle(const TChartAxis& axis) const override;
    bool AxisShowsDateTime(const TChartAxis& axis) const override;
    void GetAxisLabel(const TChartAxis& axis, TChartSeries* series, int index,
                      QString& text) const override;
    // First active series bound to the axis, or null.
    TChartSeries* FirstSeriesOfAxis(const TChartAxis& axis) const;

    bool Loading = false; // true while loaded from a stored form

    void DrawPass(const TRect& panelRect) override;

    // Steps of the drawing pass, implemented by TCustomChart.
    virtual int WallSize(const TChartAxis& axis) const = 0;
    virtual void DrawWalls() = 0;
    virtual void DrawPanelBackground(const TRect& rect) = 0;
    virtual void DrawTitlesAndLegend() = 0;
    virtual void LayoutAxes();
    virtual void ApplySeriesMargins();
    virtual bool IsFreeSeriesColor(TColor color, bool checkBackground) const;
    // Draws the zoom drag rectangle (step 11 of the pass, and directly during a drag).
    virtual void DrawZoomRectangle() {}

private:
    void DrawSeries(TChartSeries& series);

    std::vector<TChartSeries*> SeriesList_;
    std::unique_ptr<TChartAxis> BottomAxis_;
    std::unique_ptr<TChartAxis> TopAxis_;
    std::unique_ptr<TChartAxis> LeftAxis_;
    std::unique_ptr<TChartAxis> RightAxis_;
    std::unique_ptr<TChartAxis> DepthAxis_;
    bool AxisVisible_ = true;
    bool ClipPoints_ = true;
    bool View3DWalls_ = true;
    int Chart3DPercent_ = 15;
    int MaxPointsPerPage_ = 0;
    int Page_ = 1;
    bool ScaleLastPage_ = true;
    bool Destroying_ = false;
};

} // namespace chart
