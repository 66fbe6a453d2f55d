#include "widgets/timer_speed_button.h"

#include "widgets/widget_hooks.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QPolygon>
#include <QStyle>
#include <QStyleOptionFocusRect>
#include <QTimer>
#include <qdrawutil.h>

namespace widgets {

TTimerSpeedButton::TTimerSpeedButton(TArrowDirection direction, QWidget* parent)
    : QWidget(parent), direction_(direction) {
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

TTimerSpeedButton::~TTimerSpeedButton() = default;

void TTimerSpeedButton::SetAllowTimer(bool allow) {
    allowTimer_ = allow;
    if (!allow) {
        StopRepeat();
    }
}

void TTimerSpeedButton::SetFocusRect(bool shown) {
    if (focusRect_ != shown) {
        focusRect_ = shown;
        update();
    }
}

void TTimerSpeedButton::Click() {
    if (OnClick) {
        OnClick();
    }
}

void TTimerSpeedButton::TimerExpired() {
    if (repeatTimer_ != nullptr) {
        repeatTimer_->setInterval(kRepeatPause);
    }
    if (!pressed_) {
        return;
    }
    if (!HoldsMouse()) {
        CancelPress();
        return;
    }
    if (down_) {
        try {
            Click();
        } catch (...) {
            StopRepeat();
            throw;
        }
    }
}

QSize TTimerSpeedButton::sizeHint() const {
    return {15, 11};
}

void TTimerSpeedButton::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        event->ignore();
        return;
    }
    // From here until the release, a modal window coming up takes the mouse from the button.
    mouseTaken_ = false;
    WatchWindow(true);
    if (OnMouseDown) {
        RunReportingErrors(OnMouseDown);
    }
    if (mouseTaken_) {
        // A message box came and went while the focus moved: the press is gone with it.
        WatchWindow(false);
        return;
    }
    pressed_ = true;
    SetDown(true);
    if (allowTimer_) {
        if (repeatTimer_ == nullptr) {
            repeatTimer_ = new QTimer(this);
            // A coarse timer may fire up to 5% early; the repeats must not come before their
            // pauses have passed.
            repeatTimer_->setTimerType(Qt::PreciseTimer);
            connect(repeatTimer_, &QTimer::timeout, this,
                    [this] { RunReportingErrors([this] { TimerExpired(); }); });
        }
        repeatTimer_->setInterval(kInitRepeatPause);
        repeatTimer_->start();
    }
}

void TTimerSpeedButton::mouseMoveEvent(QMouseEvent* event) {
    if (pressed_) {
        SetDown(rect().contains(event->position().toPoint()));
    }
}

void TTimerSpeedButton::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || !pressed_) {
        event->ignore();
        return;
    }
    const bool click = rect().contains(event->position().toPoint());
    WatchWindow(false);
    pressed_ = false;
    SetDown(false);
    // Stopped before the click, so that a click that opens a modal window gets no repeats.
    StopRepeat();
    if (click) {
        RunReportingErrors([this] { Click(); });
    }
}

void TTimerSpeedButton::SetZoom(int percent) {
    zoom_ = percent;
    update();
}

void TTimerSpeedButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QRect face = rect();
    const QBrush fill = palette().button();
    qDrawWinButton(&painter, face, palette(), down_, &fill);

    // The glyph picture is centred; a pushed button shifts its content by one pixel.
    const int shift = down_ ? 1 : 0;
    const int left = (width() - kGlyphWidth * zoom_ / 100) / 2 + 1 + shift;
    const int top = (height() - kGlyphHeight * zoom_ / 100) / 2 + 1 + shift;
    const QColor ink =
        isEnabled() ? QColor(Qt::black) : palette().color(QPalette::Disabled, QPalette::WindowText);
    painter.save();
    painter.setPen(Qt::NoPen);
    painter.setBrush(ink);
    // The glyph's own pixels, each a block at the zoom.
    painter.translate(left, top);
    painter.scale(zoom_ / 100.0, zoom_ / 100.0);
    // Row r of the triangle, counted from its point, is 2r + 1 pixels wide.
    for (int r = 0; r < 4; ++r) {
        const int y = direction_ == TArrowDirection::adUp ? r : 3 - r;
        painter.drawRect(3 - r, y, 2 * r + 1, 1);
    }
    painter.restore();

    if (focusRect_) {
        QStyleOptionFocusRect option;
        option.initFrom(this);
        option.rect =
            face.adjusted(kFocusRectInset, kFocusRectInset, -kFocusRectInset, -kFocusRectInset)
                .translated(shift, shift);
        option.backgroundColor = fill.color();
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
    }
}

void TTimerSpeedButton::changeEvent(QEvent* event) {
    if (event->type() == QEvent::EnabledChange && !isEnabled()) {
        CancelPress();
    }
    QWidget::changeEvent(event);
}

void TTimerSpeedButton::hideEvent(QHideEvent* event) {
    CancelPress();
    QWidget::hideEvent(event);
}

bool TTimerSpeedButton::HoldsMouse() const {
    if (QApplication::activePopupWidget() != nullptr) {
        return false;
    }
    const QWidget* modal = QApplication::activeModalWidget();
    return modal == nullptr || modal == window();
}

bool TTimerSpeedButton::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::WindowBlocked && watched == watchedWindow_) {
        mouseTaken_ = true;
        CancelPress();
    }
    return QWidget::eventFilter(watched, event);
}

void TTimerSpeedButton::WatchWindow(bool watch) {
    if (watchedWindow_ != nullptr) {
        watchedWindow_->removeEventFilter(this);
        watchedWindow_ = nullptr;
    }
    if (watch) {
        watchedWindow_ = window();
        watchedWindow_->installEventFilter(this);
    }
}

void TTimerSpeedButton::CancelPress() {
    WatchWindow(false);
    pressed_ = false;
    SetDown(false);
    StopRepeat();
}

void TTimerSpeedButton::SetDown(bool down) {
    if (down_ != down) {
        down_ = down;
        update();
    }
}

void TTimerSpeedButton::StopRepeat() {
    if (repeatTimer_ != nullptr) {
        repeatTimer_->stop();
    }
}

} // namespace widgets
