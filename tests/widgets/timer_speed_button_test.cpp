#include "widgets/timer_speed_button.h"

#include "widgets/widget_test_support.h"

#include <QDialog>
#include <QImage>
#include <QTimer>

namespace widgets::test {
namespace {

class TimerSpeedButtonTest : public WidgetTest {
protected:
    void SetUp() override {
        WidgetTest::SetUp();
        button = new TTimerSpeedButton(TArrowDirection::adUp, window.get());
        button->setGeometry(10, 10, 15, 11);
        button->OnClick = [this] {
            ++clicks;
            if (clicks == failAtClick) {
                throw std::runtime_error("step failed");
            }
        };
        ShowActive();
    }

    void Press() { QTest::mousePress(button, Qt::LeftButton, {}, QPoint(7, 5)); }
    void Release(QPoint at = QPoint(7, 5)) { QTest::mouseRelease(button, Qt::LeftButton, {}, at); }

    TTimerSpeedButton* button = nullptr; // owned by window
    int clicks = 0;
    int failAtClick = 0; // the click that throws, 0 for none
};

TEST_F(TimerSpeedButtonTest, ClickComesOnReleaseNotOnPress) {
    Press();
    EXPECT_TRUE(button->IsDown());
    EXPECT_EQ(clicks, 0);
    Release();
    EXPECT_FALSE(button->IsDown());
    EXPECT_EQ(clicks, 1);
}

TEST_F(TimerSpeedButtonTest, RepeatWaits400msThenEvery100ms) {
    Press();
    ASSERT_NE(button->RepeatTimer(), nullptr);
    EXPECT_TRUE(button->RepeatTimer()->isActive());
    EXPECT_EQ(button->RepeatTimer()->interval(), 400);
    EXPECT_EQ(button->RepeatTimer()->timerType(), Qt::PreciseTimer); // never early
    button->TimerExpired();
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(button->RepeatTimer()->interval(), 100);
    EXPECT_TRUE(button->RepeatTimer()->isActive());
    Release();
    EXPECT_FALSE(button->RepeatTimer()->isActive());
    EXPECT_EQ(clicks, 2);
    // A new press starts again with the long pause.
    Press();
    EXPECT_EQ(button->RepeatTimer()->interval(), 400);
    Release();
}

TEST_F(TimerSpeedButtonTest, HoldingOneSecondGivesSevenRepeatsAndTheReleaseClick) {
    Press();
    for (int ms = 400; ms <= 1000; ms += 100) {
        button->TimerExpired();
    }
    Release();
    EXPECT_EQ(clicks, 8);
}

TEST_F(TimerSpeedButtonTest, MouseOffTheButtonPausesTheRepeatAndReleasingThereDoesNotClick) {
    Press();
    QTest::mouseMove(button, QPoint(40, 5));
    EXPECT_FALSE(button->IsDown());
    button->TimerExpired();
    EXPECT_EQ(clicks, 0);
    QTest::mouseMove(button, QPoint(3, 3));
    EXPECT_TRUE(button->IsDown());
    button->TimerExpired();
    EXPECT_EQ(clicks, 1);
    QTest::mouseMove(button, QPoint(-2, 3));
    Release(QPoint(-2, 3));
    EXPECT_EQ(clicks, 1);
    EXPECT_FALSE(button->RepeatTimer()->isActive());
}

TEST_F(TimerSpeedButtonTest, ErrorInARepeatClickStopsTheTimerAndReachesTheCaller) {
    failAtClick = 2;
    Press();
    button->TimerExpired();
    EXPECT_THROW(button->TimerExpired(), std::runtime_error);
    EXPECT_FALSE(button->RepeatTimer()->isActive());
    EXPECT_EQ(clicks, 2);
}

TEST_F(TimerSpeedButtonTest, TimerDrivenRepeatReportsItsErrorOnceAndStops) {
    failAtClick = 1;
    Press();
    // Through the real timer: waits until its first repeat has come, however slow the machine.
    EXPECT_TRUE(QTest::qWaitFor([this] { return clicks >= 1; }, 10000));
    QTest::qWait(250);
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(errors, std::vector<std::string>{"step failed"});
    EXPECT_FALSE(button->RepeatTimer()->isActive());
    Release();
    EXPECT_EQ(clicks, 2);
}

TEST_F(TimerSpeedButtonTest, ErrorInTheReleaseClickGoesToTheErrorDisplay) {
    failAtClick = 1;
    Press();
    Release();
    EXPECT_EQ(errors, std::vector<std::string>{"step failed"});
    EXPECT_FALSE(button->IsDown());
}

TEST_F(TimerSpeedButtonTest, ModalWindowTakesTheMouseAndEndsThePress) {
    Press();
    QDialog dialog(window.get());
    dialog.setModal(true);
    dialog.show();
    button->TimerExpired();
    EXPECT_EQ(clicks, 0);
    EXPECT_FALSE(button->IsDown());
    EXPECT_FALSE(button->RepeatTimer()->isActive());
    dialog.hide();
    Release(); // the release after the box has gone is not a click
    EXPECT_EQ(clicks, 0);
}

TEST_F(TimerSpeedButtonTest, MessageBoxDuringThePressFocusChangeCancelsThePress) {
    // A handler run by the focus change shows a message box; the mouse is released meanwhile.
    button->OnMouseDown = [this] {
        QDialog box(window.get());
        box.setModal(true);
        box.show();
        box.hide();
    };
    Press();
    EXPECT_FALSE(button->IsDown());
    EXPECT_TRUE(button->RepeatTimer() == nullptr || !button->RepeatTimer()->isActive());
    button->TimerExpired();
    EXPECT_EQ(clicks, 0);
}

TEST_F(TimerSpeedButtonTest, OtherMouseButtonsDoNothing) {
    QTest::mousePress(button, Qt::RightButton, {}, QPoint(7, 5));
    EXPECT_FALSE(button->IsDown());
    EXPECT_EQ(button->RepeatTimer(), nullptr);
    QTest::mouseRelease(button, Qt::RightButton, {}, QPoint(7, 5));
    EXPECT_EQ(clicks, 0);
}

TEST_F(TimerSpeedButtonTest, WithoutTheTimerOnlyTheReleaseClicks) {
    button->SetAllowTimer(false);
    Press();
    EXPECT_EQ(button->RepeatTimer(), nullptr);
    Release();
    EXPECT_EQ(clicks, 1);
}

TEST_F(TimerSpeedButtonTest, PressRunsOnMouseDownBeforeGoingDown) {
    bool wasDown = true;
    button->OnMouseDown = [&] { wasDown = button->IsDown(); };
    Press();
    EXPECT_FALSE(wasDown);
    Release();
}

// The black triangle of the glyph: its bounding box inside the face, and its pixel count.
struct GlyphBox {
    QRect box;
    int pixels = 0;
    int topRowPixels = 0;
};

GlyphBox FindGlyph(TTimerSpeedButton& button) {
    const QImage image = button.grab().toImage().convertToFormat(QImage::Format_RGB32);
    GlyphBox glyph;
    // Two pixels in from each edge: the bevel may use black for its shadow.
    for (int y = 2; y < image.height() - 2; ++y) {
        for (int x = 2; x < image.width() - 2; ++x) {
            if (image.pixel(x, y) == qRgb(0, 0, 0)) {
                glyph.box = glyph.box.united(QRect(x, y, 1, 1));
                ++glyph.pixels;
            }
        }
    }
    for (int x = glyph.box.left(); x <= glyph.box.right(); ++x) {
        glyph.topRowPixels += image.pixel(x, glyph.box.top()) == qRgb(0, 0, 0) ? 1 : 0;
    }
    return glyph;
}

TEST_F(TimerSpeedButtonTest, GlyphsAreSevenByFourTrianglesPointingTheirWay) {
    auto down = new TTimerSpeedButton(TArrowDirection::adDown, window.get());
    down->setGeometry(10, 21, 15, 11);
    const GlyphBox upGlyph = FindGlyph(*button);
    const GlyphBox downGlyph = FindGlyph(*down);
    EXPECT_EQ(upGlyph.box.size(), QSize(7, 4));
    EXPECT_EQ(upGlyph.pixels, 16);
    EXPECT_EQ(upGlyph.topRowPixels, 1);
    EXPECT_EQ(downGlyph.box.size(), QSize(7, 4));
    EXPECT_EQ(downGlyph.topRowPixels, 7);
}

TEST_F(TimerSpeedButtonTest, PushedButtonShiftsItsGlyphByOnePixel) {
    const QRect up = FindGlyph(*button).box;
    Press();
    const QRect pushed = FindGlyph(*button).box;
    Release();
    EXPECT_EQ(pushed, up.translated(1, 1));
}

} // namespace
} // namespace widgets::test
