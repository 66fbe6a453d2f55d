#include "chart/chart_widget.h"

#include "canvas/magnify.h"

#include <QMouseEvent>
#include <QPainter>

namespace chart {
namespace {

TMouseButton ToChartButton(Qt::MouseButton button) {
    switch (button) {
    case Qt::RightButton:
        return TMouseButton::mbRight;
    case Qt::MiddleButton:
        return TMouseButton::mbMiddle;
    default:
        return TMouseButton::mbLeft;
    }
}

} // namespace

TChartWidget::TChartWidget(QWidget* parent) : QWidget(parent), Chart_(std::make_unique<TChart>()) {
    // The whole client area is painted from the chart's buffer: no background erase.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);
    setMouseTracking(true);
    // The window takes the size the chart was made with, then holds the size for it.
    QWidget::resize(Chart_->width(), Chart_->height());
    Chart_->AttachDevice(this);
}

TChartWidget::~TChartWidget() {
    // The chart's series may still ask for repaints while it is destroyed.
    Chart_->AttachDevice(nullptr);
}

void TChartWidget::SetZoom(int percent) {
    if (zoom_ == 100)
        chartSize_ = QWidget::size();
    zoom_ = percent;
    ResizeDevice(chartSize_.width(), chartSize_.height());
    update();
}

void TChartWidget::ResizeDevice(int width, int height) {
    chartSize_ = QSize(width, height);
    QWidget::resize(canvas::MagnifiedLength(width, zoom_), canvas::MagnifiedLength(height, zoom_));
}

QPoint TChartWidget::ChartPixel(const QMouseEvent* event) const {
    const QPoint p = event->position().toPoint();
    return {canvas::PicturePixelAt(p.x(), zoom_), canvas::PicturePixelAt(p.y(), zoom_)};
}

int TChartWidget::DeviceCursor() const {
    return static_cast<int>(cursor().shape());
}

void TChartWidget::SetDeviceCursor(int shape) {
    setCursor(static_cast<Qt::CursorShape>(shape));
}

void TChartWidget::paintEvent(QPaintEvent* /*event*/) {
    Chart_->PaintNow();
    QPainter painter(this);
    const QImage& chart = Chart_->ScreenCanvas().Image();
    painter.drawImage(0, 0, zoom_ == 100 ? chart : canvas::Magnify(chart, zoom_, shown_));
}

void TChartWidget::resizeEvent(QResizeEvent* event) {
    Chart_->DeviceMoved();
    QWidget::resizeEvent(event);
}

void TChartWidget::moveEvent(QMoveEvent* event) {
    Chart_->DeviceMoved();
    QWidget::moveEvent(event);
}

void TChartWidget::mousePressEvent(QMouseEvent* event) {
    QWidget::mousePressEvent(event);
    const QPoint p = ChartPixel(event);
    Chart_->ChartMouseDown(ToChartButton(event->button()), p.x(), p.y());
}

void TChartWidget::mouseDoubleClickEvent(QMouseEvent* event) {
    QWidget::mouseDoubleClickEvent(event);
    const QPoint p = ChartPixel(event);
    Chart_->ChartMouseDown(ToChartButton(event->button()), p.x(), p.y(), true);
}

void TChartWidget::mouseMoveEvent(QMouseEvent* event) {
    QWidget::mouseMoveEvent(event);
    const QPoint p = ChartPixel(event);
    Chart_->ChartMouseMove(p.x(), p.y());
}

void TChartWidget::mouseReleaseEvent(QMouseEvent* event) {
    QWidget::mouseReleaseEvent(event);
    const QPoint p = ChartPixel(event);
    Chart_->ChartMouseUp(ToChartButton(event->button()), p.x(), p.y());
}

void TChartWidget::leaveEvent(QEvent* event) {
    QWidget::leaveEvent(event);
    Chart_->ChartMouseLeft();
}

} // namespace chart
