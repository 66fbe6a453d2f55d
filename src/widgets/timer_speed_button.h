// A flat push button with an arrow glyph that clicks on release and, while held down, repeats
// its click from a timer: the up and down buttons of the spin button pair.
#pragma once

#include <QPointer>
#include <QWidget>
#include <functional>

class QTimer;

namespace widgets {

// Which way the button's triangle points.
enum class TArrowDirection { adUp, adDown };

class TTimerSpeedButton : public QWidget {
    Q_OBJECT

public:
    static constexpr int kInitRepeatPause = 400; // ms from the press to the first repeat click
    static constexpr int kRepeatPause = 100;     // ms between the following repeat clicks
    static constexpr int kGlyphWidth = 9;        // px, the glyph picture; the triangle inside it
    static constexpr int kGlyphHeight = 6;       // is 7 px wide and 4 px high
    static constexpr int kFocusRectInset = 3;    // px between the edge and the focus rectangle

    explicit TTimerSpeedButton(TArrowDirection direction, QWidget* parent = nullptr);
    ~TTimerSpeedButton() override;

    TArrowDirection Direction() const { return direction_; }

    // Whether holding the button down repeats its click (true by default).
    bool AllowTimer() const { return allowTimer_; }
    void SetAllowTimer(bool allow);

    // Whether the focus rectangle is drawn: set by the owner on the button that has its focus.
    bool FocusRect() const { return focusRect_; }
    void SetFocusRect(bool shown);

    // Draws the glyph at percent of its designed size (100: 9 x 6 px), for a window shown larger.
    void SetZoom(int percent);

    // True while the button is shown pushed in: pressed with the left button and the mouse over it.
    bool IsDown() const { return down_; }

    // One click: runs OnClick. Exceptions from OnClick go to the caller.
    void Click();

    // The repeat timer's handler: the next repeats come every kRepeatPause ms, and while the
    // button is still down and holds the mouse, it clicks. An exception from the click stops the
    // timer and goes on to the caller. Public so that tests can drive the repeat without waiting.
    void TimerExpired();

    // The repeat timer: none before the first press, then owned by the button.
    QTimer* RepeatTimer() const { return repeatTimer_; }

    // Runs at the start of every left press, before the button goes down (the spin button moves
    // the keyboard focus there).
    std::function<void()> OnMouseDown;
    std::function<void()> OnClick;

    QSize sizeHint() const override;

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    // Watches the window for a modal window blocking it, which ends the press.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The mouse press is still ours: no modal window or popup has taken the mouse since.
    bool HoldsMouse() const;
    // Ends a press without a click (the mouse was taken away, the button hidden or disabled).
    void CancelPress();
    void WatchWindow(bool watch);
    void SetDown(bool down);
    void StopRepeat();

    TArrowDirection direction_;
    bool allowTimer_ = true;
    bool focusRect_ = false;
    int zoom_ = 100;       // percent, of the glyph
    bool pressed_ = false; // the left button went down here and has not been released
    bool down_ = false;
    bool mouseTaken_ = false;         // a modal window blocked the window during this press
    QPointer<QWidget> watchedWindow_; // the window watched while the button is pressed
    QTimer* repeatTimer_ = nullptr;   // child of this button, created on the first press
};

} // namespace widgets
