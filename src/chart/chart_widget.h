// The window that shows a chart: owns a TChart, shows its screen canvas and hands it the
// size, paint, resize, move and mouse events. All drawing is the chart's own.
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
    // TChartDevice
    QSize DeviceSize() const override { return QWidget::size(); }
    void ResizeDevice(int width, int height) override { QWidget::resize(width, height); }
    void UpdateDevice() override { QWidget::update(); }
    void RepaintDevice() override { QWidget::repaint(); }
    int DeviceCursor() const override;
    void SetDeviceCursor(int shape) override;

    std::unique_ptr<TChart> Chart_;
};

} // namespace chart
