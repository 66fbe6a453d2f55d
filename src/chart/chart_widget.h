// The window that shows a chart: owns a TChart, shows its screen canvas and hands it the
// size, paint, resize, move and mouse events. All drawing is the chart's own. The window may
// show the chart magnified (SetZoom); the chart keeps its size and pixels either way.
#pragma once

#include "chart/chart.h"

#include <QWidget>
#include <memory>

namespace chart {

class TChartWidget : public QWidget, private TChartDevice {
public:
    explicit TChartWidget(QWidget* parent = nullptr);
    ~TChartWidget() override;

    TChart& Chart() { return *Chart_; }
    const TChart& Chart() const { return *Chart_; }

    // Shows the chart at percent (> 0) of its size, each chart pixel a block of screen pixels of
    // its colour (canvas/magnify.h), and takes that size; 100 shows it as it is. The chart keeps
    // its size, so it draws the same pixels at every zoom, and a mouse position reaches it as
    // the chart pixel under the pointer: a drag means at every zoom what it means at 100.
    void SetZoom(int percent);
    int Zoom() const { return zoom_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    // TChartDevice. At 100 the chart is as large as the window; at another zoom it keeps the
    // size it had (or was given) while the window shows it magnified.
    QSize DeviceSize() const override { return zoom_ == 100 ? QWidget::size() : chartSize_; }
    void ResizeDevice(int width, int height) override;
    void UpdateDevice() override { QWidget::update(); }
    void RepaintDevice() override { QWidget::repaint(); }
    int DeviceCursor() const override;
    void SetDeviceCursor(int shape) override;

    // The chart pixel under a mouse position in the window.
    QPoint ChartPixel(const QMouseEvent* event) const;

    std::unique_ptr<TChart> Chart_;
    int zoom_ = 100;  // percent
    QSize chartSize_; // px, the chart's size while zoom_ is not 100
    QImage shown_;    // the magnified copy of the screen canvas, kept between paints
};

} // namespace chart
