// The pair of arrow buttons of a spin edit: the up button above the down button. It moves the
// keyboard focus to its focus control when pressed and can be worked from the keyboard when it
// has the focus itself.
#pragma once

#include "widgets/timer_speed_button.h"

#include <QPointer>
#include <QWidget>
#include <functional>

namespace widgets {

class TSpinButton : public QWidget {
    Q_OBJECT

public:
    static constexpr int kMinWidth = 15; // px, the control is never narrower

    explicit TSpinButton(QWidget* parent = nullptr);
    ~TSpinButton() override;

    TTimerSpeedButton* UpButton() const { return upButton_; }
    TTimerSpeedButton* DownButton() const { return downButton_; }

    // The button that Space clicks and that shows the focus rectangle while this control has the
    // focus; the up button at first.
    TTimerSpeedButton* FocusedButton() const { return focusedButton_; }
    void SetFocusedButton(TTimerSpeedButton* button);

    // The control that takes the keyboard focus when a button is pressed (the spin edit).
    QWidget* FocusControl() const { return focusControl_; }
    void SetFocusControl(QWidget* control) { focusControl_ = control; }

    // Places the two buttons over the whole control: the up button takes the upper half (rounded
    // down), the down button starts one pixel above the up button's lower edge.
    void LayoutButtons();
    // Draws both arrows at percent of their designed size (the spin edit's zoom).
    void SetZoom(int percent);

    std::function<void()> OnUpClick;
    std::function<void()> OnDownClick;
    // Runs on every left press of either button, after the focus has moved.
    std::function<void()> OnButtonDown;

    QSize sizeHint() const override;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void ButtonMouseDown();
    void ButtonClick(const TTimerSpeedButton* button);

    TTimerSpeedButton* upButton_;   // child
    TTimerSpeedButton* downButton_; // child
    TTimerSpeedButton* focusedButton_;
    QPointer<QWidget> focusControl_;
};

} // namespace widgets
