#include "widgets/spin_button.h"

#include "widgets/widget_hooks.h"

#include <QKeyEvent>

namespace widgets {

namespace {

// The widget can take the keyboard focus now (from a press or from the Tab key).
bool CanTakeFocus(const QWidget* widget) {
    return (widget->focusPolicy() & Qt::TabFocus) != 0 && widget->isEnabled() &&
           widget->isVisible();
}

} // namespace

TSpinButton::TSpinButton(QWidget* parent)
    : QWidget(parent), upButton_(new TTimerSpeedButton(TArrowDirection::adUp, this)),
      downButton_(new TTimerSpeedButton(TArrowDirection::adDown, this)), focusedButton_(upButton_) {
    setFocusPolicy(Qt::NoFocus);
    setMinimumWidth(kMinWidth);
    for (TTimerSpeedButton* button : {upButton_, downButton_}) {
        button->OnMouseDown = [this] { ButtonMouseDown(); };
        button->OnClick = [this, button] { ButtonClick(button); };
    }
    resize(kMinWidth, 20);
    LayoutButtons();
}

TSpinButton::~TSpinButton() = default;

void TSpinButton::SetFocusedButton(TTimerSpeedButton* button) {
    Q_ASSERT(button == upButton_ || button == downButton_);
    if (button == focusedButton_) {
        return;
    }
    focusedButton_->SetFocusRect(false);
    focusedButton_ = button;
    focusedButton_->SetFocusRect(hasFocus());
}

void TSpinButton::LayoutButtons() {
    const int w = width();
    const int h = height();
    upButton_->setGeometry(0, 0, w, h / 2);
    downButton_->setGeometry(0, upButton_->height() - 1, w, h - upButton_->height() + 1);
}

void TSpinButton::SetZoom(int percent) {
    upButton_->SetZoom(percent);
    downButton_->SetZoom(percent);
}

QSize TSpinButton::sizeHint() const {
    return {kMinWidth, 20};
}

void TSpinButton::keyPressEvent(QKeyEvent* event) {
    TTimerSpeedButton* target = nullptr;
    switch (event->key()) {
    case Qt::Key_Up:
        SetFocusedButton(upButton_);
        target = upButton_;
        break;
    case Qt::Key_Down:
        SetFocusedButton(downButton_);
        target = downButton_;
        break;
    case Qt::Key_Space:
        target = focusedButton_;
        break;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    RunReportingErrors([target] { target->Click(); });
}

void TSpinButton::focusInEvent(QFocusEvent* event) {
    focusedButton_->SetFocusRect(true);
    QWidget::focusInEvent(event);
}

void TSpinButton::focusOutEvent(QFocusEvent* event) {
    focusedButton_->SetFocusRect(false);
    QWidget::focusOutEvent(event);
}

void TSpinButton::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    LayoutButtons();
}

void TSpinButton::ButtonMouseDown() {
    if (focusControl_ != nullptr && CanTakeFocus(focusControl_) && !focusControl_->hasFocus()) {
        focusControl_->setFocus(Qt::OtherFocusReason);
    } else if (CanTakeFocus(this) && !hasFocus()) {
        setFocus(Qt::OtherFocusReason);
    }
    if (OnButtonDown) {
        OnButtonDown();
    }
}

void TSpinButton::ButtonClick(const TTimerSpeedButton* button) {
    const std::function<void()>& handler = button == upButton_ ? OnUpClick : OnDownClick;
    if (handler) {
        handler();
    }
}

} // namespace widgets
