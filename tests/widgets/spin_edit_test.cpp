#include "widgets/spin_edit.h"

#include "widgets/widget_test_support.h"

#include <QClipboard>
#include <QLocale>
#include <QTimer>
#include <limits>

namespace widgets::test {
namespace {

constexpr int32_t kIntMax = std::numeric_limits<int32_t>::max();
constexpr int32_t kIntMin = std::numeric_limits<int32_t>::min();

TEST(SaturatingAdd, HoldsTheSumInsideInt32) {
    EXPECT_EQ(SaturatingAdd(100, 10), 110);
    EXPECT_EQ(SaturatingAdd(kIntMax - 1, 10), kIntMax);
    EXPECT_EQ(SaturatingAdd(kIntMin + 1, -10), kIntMin);
    EXPECT_EQ(SaturatingAdd(0, -int64_t{kIntMin}), kIntMax);
}

TEST(SpinEditMinHeight, TahomaEightPointGivesTheDesignHeight) {
    EXPECT_EQ(SpinEditMinHeight(13, 16, 1), 22); // 13 + 13 / 4 + 4 + 2
    EXPECT_EQ(SpinEditMinHeight(16, 13, 1), 25); // the smaller font decides the quarter
    EXPECT_EQ(SpinEditMinHeight(13, 16, 2), 26);
}

struct ClampRow {
    int32_t min, max, value, clamped;
};

class CheckValueRows : public testing::TestWithParam<ClampRow> {};

TEST_P(CheckValueRows, ClampsUnlessTheLimitsAreEqual) {
    const ClampRow& row = GetParam();
    TSpinEdit edit(nullptr, row.min, row.max, 1, 0);
    EXPECT_EQ(edit.CheckValue(row.value), row.clamped);
}

INSTANTIATE_TEST_SUITE_P(Limits, CheckValueRows,
                         testing::Values(ClampRow{50, 180, 310, 180}, ClampRow{50, 180, 10, 50},
                                         ClampRow{50, 180, 100, 100}, ClampRow{0, 0, -7, -7},
                                         ClampRow{9, 9, 1000, 1000},
                                         // Crossed limits: the lower one is tried first.
                                         ClampRow{5, 3, 4, 5}, ClampRow{5, 3, 9, 3}));

class SpinEditTest : public WidgetTest {
protected:
    // A spin edit as the main window makes one, then its handler connected.
    TSpinEdit* Make(int32_t min, int32_t max, int32_t increment, int32_t value, int width = 41) {
        auto* edit = new TSpinEdit(window.get(), min, max, increment, value);
        edit->setGeometry(10, 10, width, 22);
        edit->OnChange = [this](TSpinEdit* sender) { changes.push_back(sender->Text()); };
        return edit;
    }

    void ClickUp(TSpinEdit* edit) { QTest::mouseClick(edit->Button()->UpButton(), Qt::LeftButton); }
    void ClickDown(TSpinEdit* edit) {
        QTest::mouseClick(edit->Button()->DownButton(), Qt::LeftButton);
    }

    std::vector<QString> changes; // the text each OnChange call saw
};

TEST_F(SpinEditTest, CreatingWithAStartingValueFiresNothing) {
    int fired = 0;
    auto* edit = new TSpinEdit(window.get());
    EXPECT_EQ(edit->Text(), "0");
    edit->SetValue(100); // no handler yet, as while the window is built
    edit->OnChange = [&](TSpinEdit*) { ++fired; };
    edit->SetText("100");
    EXPECT_EQ(fired, 0);
    EXPECT_EQ(Make(50, 180, 10, 100)->Text(), "100");
    EXPECT_TRUE(changes.empty());
}

TEST_F(SpinEditTest, WritingTheTextFiresOnceBeforeTheWriteReturns) {
    auto* edit = Make(50, 180, 10, 100);
    edit->SetText("120");
    ASSERT_EQ(changes, std::vector<QString>{"120"});
    edit->SetText("120");
    edit->SetValue(120);
    EXPECT_EQ(changes.size(), 1u);
    edit->setText("abc"); // the line edit's own setter is a change as well
    EXPECT_EQ(changes.back(), "abc");
}

TEST_F(SpinEditTest, ValueReadsTheTextUnclampedAndNonNumbersAsMinValue) {
    auto* edit = Make(50, 180, 10, 100);
    edit->SetText("300");
    EXPECT_EQ(edit->Value(), 300);
    edit->SetText("1,5");
    EXPECT_EQ(edit->Value(), 50);
    edit->SetValue(-20);
    EXPECT_EQ(edit->Text(), "50");
}

// One press of a button on a field with the given limits and text.
struct StepRow {
    const char* name;
    int32_t min, max, increment;
    const char* text;
    bool up;
    const char* expected;
    bool fires;
};

class SpinEditStep : public SpinEditTest, public testing::WithParamInterface<StepRow> {};

TEST_P(SpinEditStep, ButtonStepsThroughTheClamp) {
    const StepRow& row = GetParam();
    auto* edit = Make(row.min, row.max, row.increment, row.min);
    edit->SetText(row.text);
    changes.clear();
    ShowActive();
    row.up ? ClickUp(edit) : ClickDown(edit);
    EXPECT_EQ(edit->Text(), row.expected);
    EXPECT_EQ(changes.size(), row.fires ? 1u : 0u);
    if (row.fires) {
        EXPECT_EQ(changes[0], row.expected);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Edges, SpinEditStep,
    testing::Values(StepRow{"TeethAtTheTop", 4, 20, 2, "20", true, "20", false},
                    StepRow{"TeethUp", 4, 20, 2, "8", true, "10", true},
                    StepRow{"EmptyDiameterUp", 50, 180, 10, "", true, "60", true},
                    StepRow{"TypedDiameterAboveMax", 50, 180, 10, "300", true, "180", true},
                    StepRow{"TypedDiameterBelowMinDown", 50, 180, 10, "7", false, "50", true},
                    StepRow{"SignOnlyDown", 5, 25, 1, "-", false, "5", true},
                    StepRow{"NoLimitsPassZero", 0, 0, 1, "0", false, "-1", true},
                    StepRow{"NoLimitsSaturate", 7, 7, 100, "2147483600", true, "2147483647", true},
                    StepRow{"NoLimitsSaturateDown", 7, 7, 100, "-2147483600", false, "-2147483648",
                            true}),
    [](const testing::TestParamInfo<StepRow>& info) { return std::string(info.param.name); });

TEST_F(SpinEditTest, HoldingUpThroughThreeRepeatsFromHundredGivesHundredForty) {
    auto* edit = Make(50, 180, 10, 100);
    ShowActive();
    TTimerSpeedButton* up = edit->Button()->UpButton();
    QTest::mousePress(up, Qt::LeftButton);
    for (int repeat = 0; repeat < 3; ++repeat) { // at 400, 500 and 600 ms
        up->TimerExpired();
    }
    QTest::mouseRelease(up, Qt::LeftButton);
    EXPECT_EQ(edit->Text(), "140");
    EXPECT_EQ(changes, (std::vector<QString>{"110", "120", "130", "140"}));
}

TEST_F(SpinEditTest, HoldingUpLongStopsAtTheMaximum) {
    auto* edit = Make(50, 180, 10, 100);
    ShowActive();
    TTimerSpeedButton* up = edit->Button()->UpButton();
    QTest::mousePress(up, Qt::LeftButton);
    for (int repeat = 0; repeat < 40; ++repeat) { // four seconds
        up->TimerExpired();
    }
    QTest::mouseRelease(up, Qt::LeftButton);
    EXPECT_EQ(edit->Text(), "180");
    EXPECT_EQ(changes.size(), 8u); // 110 ... 180, then nothing changes
}

TEST_F(SpinEditTest, ErrorInARepeatStepStopsTheRepeatAndIsReportedOnce) {
    auto* edit = Make(50, 180, 10, 100);
    edit->OnChange = [this](TSpinEdit* sender) {
        changes.push_back(sender->Text());
        if (sender->Value() == 120) {
            throw std::runtime_error("Floating point division by zero");
        }
    };
    ShowActive();
    TTimerSpeedButton* up = edit->Button()->UpButton();
    QTest::mousePress(up, Qt::LeftButton);
    EXPECT_TRUE(QTest::qWaitFor([this] { return !errors.empty(); }, 10000));
    EXPECT_FALSE(up->RepeatTimer()->isActive());
    QTest::qWait(250);
    EXPECT_EQ(edit->Text(), "120");
    EXPECT_EQ(errors, std::vector<std::string>{"Floating point division by zero"});
    QTest::mouseRelease(up, Qt::LeftButton);
    EXPECT_EQ(edit->Text(), "130");
}

TEST_F(SpinEditTest, TypedValueAboveTheLimitFiresThenLeavingClampsAndFiresAgain) {
    auto* edit = Make(5, 25, 1, 10);
    ShowActive();
    edit->setFocus(Qt::TabFocusReason);
    ASSERT_EQ(edit->selectedText(), "10");
    QTest::keyClicks(edit, "30");
    EXPECT_EQ(changes, (std::vector<QString>{"3", "30"}));
    other->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(edit->Text(), "25");
    EXPECT_EQ(changes, (std::vector<QString>{"3", "30", "25"}));
}

TEST_F(SpinEditTest, LeavingKeepsANonNumberAndAValueInsideTheLimits) {
    auto* edit = Make(5, 25, 1, 10);
    ShowActive();
    edit->setFocus(Qt::TabFocusReason);
    QTest::keyClicks(edit, "1-");
    other->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(edit->Text(), "1-");
    edit->setFocus(Qt::TabFocusReason);
    QTest::keyClicks(edit, "12");
    other->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(changes, (std::vector<QString>{"1", "1-", "1", "12"}));
}

// Texts a user passes through while retyping a field: shown red and not passed on; leaving the
// field puts back the text the handler last took; typing on to a number passes that on.
struct IncompleteRow {
    const char* name;
    const char* typed; // typed over the selected "100"; empty: one backspace
};

class SpinEditIncomplete : public SpinEditTest, public testing::WithParamInterface<IncompleteRow> {
protected:
    void TypeIncomplete(TSpinEdit* edit) {
        edit->setFocus(Qt::TabFocusReason);
        if (*GetParam().typed == '\0') {
            QTest::keyClick(edit, Qt::Key_Backspace);
        } else {
            QTest::keyClicks(edit, GetParam().typed);
        }
        ASSERT_EQ(edit->Text(), GetParam().typed);
    }
};

TEST_P(SpinEditIncomplete, IsRedAndNotPassedOn) {
    auto* edit = Make(50, 180, 10, 100);
    ShowActive();
    TypeIncomplete(edit);
    EXPECT_TRUE(changes.empty());
    EXPECT_TRUE(edit->ShowsIncompleteText());
    EXPECT_EQ(edit->palette().color(QPalette::Text), QColor(Qt::red));
}

TEST_P(SpinEditIncomplete, LeavingPutsBackTheLastTakenText) {
    auto* edit = Make(50, 180, 10, 100);
    ShowActive();
    const QColor black = edit->palette().color(QPalette::Text);
    TypeIncomplete(edit);
    other->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(edit->Text(), "100");
    EXPECT_TRUE(changes.empty());
    EXPECT_FALSE(edit->ShowsIncompleteText());
    EXPECT_EQ(edit->palette().color(QPalette::Text), black);
}

TEST_P(SpinEditIncomplete, TypingOnPassesTheNumber) {
    auto* edit = Make(50, 180, 10, 100);
    ShowActive();
    TypeIncomplete(edit);
    QTest::keyClicks(edit, "7");
    ASSERT_FALSE(changes.empty());
    EXPECT_EQ(changes.back(), edit->Text());
    EXPECT_FALSE(edit->ShowsIncompleteText());
}

TEST_P(SpinEditIncomplete, UpButtonStepsFromTheMinimum) {
    auto* edit = Make(50, 180, 10, 100);
    ShowActive();
    TypeIncomplete(edit);
    ClickUp(edit);
    EXPECT_EQ(edit->Text(), "60");
    EXPECT_EQ(changes, std::vector<QString>{"60"});
    EXPECT_NE(edit->palette().color(QPalette::Text), QColor(Qt::red));
}

INSTANTIATE_TEST_SUITE_P(Texts, SpinEditIncomplete,
                         testing::Values(IncompleteRow{"Emptied", ""},
                                         IncompleteRow{"LoneMinus", "-"},
                                         IncompleteRow{"LonePlus", "+"}),
                         [](const testing::TestParamInfo<IncompleteRow>& info) {
                             return std::string(info.param.name);
                         });

TEST_F(SpinEditTest, ATextThatCanNeverBeANumberIsPassedOn) {
    auto* edit = Make(50, 180, 10, 100);
    ShowActive();
    edit->setFocus(Qt::TabFocusReason);
    QTest::keyClicks(edit, "1-");
    EXPECT_EQ(changes, (std::vector<QString>{"1", "1-"}));
    edit->SetText(QString()); // written, not typed: the handler sees it
    EXPECT_EQ(changes.back(), "");
}

// A number wider than a narrow field shows its leading digits once written or left.
TEST_F(SpinEditTest, WideNumbersShowTheirStart) {
    auto* edit = Make(100, 20000, 100, 9900, 49);
    ShowActive();
    edit->setFocus(Qt::TabFocusReason);
    ClickUp(edit);
    EXPECT_EQ(edit->Text(), "10000");
    EXPECT_EQ(edit->cursorPosition(), 0);
    edit->selectAll();
    QTest::keyClicks(edit, "15000");
    EXPECT_EQ(edit->cursorPosition(), 5); // typing keeps the caret where it is
    other->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(edit->cursorPosition(), 0);
    edit->SetValue(20000);
    EXPECT_EQ(edit->cursorPosition(), 0);
}

TEST_F(SpinEditTest, DigitTypedOverItselfIsNoChange) {
    auto* edit = Make(5, 25, 1, 5);
    ShowActive();
    edit->setFocus(Qt::TabFocusReason);
    QTest::keyClicks(edit, "5");
    EXPECT_TRUE(changes.empty());
}

TEST_F(SpinEditTest, LoweredMaximumKeepsTheTextUntilTheNextStep) {
    auto* edit = Make(5, 500, 5, 100);
    ShowActive();
    edit->SetMaxValue(30);
    EXPECT_EQ(edit->Text(), "100");
    ClickDown(edit);
    EXPECT_EQ(edit->Text(), "30");
    EXPECT_EQ(changes, std::vector<QString>{"30"});
}

TEST_F(SpinEditTest, LoweredMaximumKeepsTheTextUntilTheFocusLeaves) {
    auto* edit = Make(5, 500, 5, 100);
    ShowActive();
    edit->setFocus(Qt::TabFocusReason);
    edit->SetMaxValue(30);
    EXPECT_EQ(edit->Text(), "100");
    other->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(edit->Text(), "30");
}

TEST_F(SpinEditTest, MessageBoxOverTheWindowIsNotALeave) {
    auto* edit = Make(5, 25, 1, 10);
    ShowActive();
    edit->setFocus(Qt::TabFocusReason);
    QTest::keyClicks(edit, "30");
    QWidget box;
    box.show();
    QApplication::setActiveWindow(&box);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&box));
    box.hide();
    QApplication::setActiveWindow(window.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    EXPECT_EQ(edit->Text(), "30");
    EXPECT_FALSE(edit->hasSelectedText());
}

TEST_F(SpinEditTest, HandlerWritingItsOwnTextRunsNestedExactlyOnceMore) {
    auto* edit = Make(5, 25, 1, 10);
    int depth = 0;
    std::vector<std::pair<QString, int>> calls; // text and nesting depth of every call
    edit->OnChange = [&](TSpinEdit* sender) {
        ++depth;
        calls.emplace_back(sender->Text(), depth);
        if (sender->Value() < 8) {
            sender->SetText("8"); // re-enters this handler before it returns
            calls.emplace_back("after " + sender->Text(), depth);
        }
        --depth;
    };
    ShowActive();
    edit->setFocus(Qt::TabFocusReason);
    QTest::keyClicks(edit, "6");
    const std::vector<std::pair<QString, int>> expected = {{"6", 1}, {"8", 2}, {"after 8", 1}};
    EXPECT_EQ(calls, expected);
    EXPECT_EQ(edit->Text(), "8");
}

TEST_F(SpinEditTest, ErrorFromOnChangeReachesTheWriterOfTheText) {
    auto* edit = Make(50, 180, 10, 100);
    edit->OnChange = [](TSpinEdit* sender) {
        throw std::runtime_error(
            ("'" + sender->Text() + "' is not a valid integer value").toStdString());
    };
    EXPECT_THROW(edit->SetText("x"), std::runtime_error);
    EXPECT_EQ(edit->Text(), "x"); // the field took the text before the handler failed
    EXPECT_THROW(edit->UpClick(), std::runtime_error);
    EXPECT_EQ(edit->Text(), "60");
    EXPECT_TRUE(errors.empty());
}

TEST_F(SpinEditTest, NestedErrorPassesThroughTheOuterHandler) {
    auto* edit = Make(5, 25, 1, 10);
    std::vector<QString> seen;
    edit->OnChange = [&](TSpinEdit* sender) {
        seen.push_back(sender->Text());
        if (sender->Text() == "7") {
            sender->SetText("x");
            seen.push_back("not reached");
        } else if (sender->Text() == "x") {
            throw std::runtime_error("'x' is not a valid integer value");
        }
    };
    EXPECT_THROW(edit->SetText("7"), std::runtime_error);
    EXPECT_EQ(seen, (std::vector<QString>{"7", "x"}));
    // A later write is not hit by the old error.
    EXPECT_NO_THROW(edit->SetText("9"));
}

TEST_F(SpinEditTest, ErrorsFromUserActionsGoToTheErrorDisplay) {
    auto* edit = Make(5, 25, 1, 10);
    edit->OnChange = [](TSpinEdit* sender) {
        throw std::runtime_error(("bad " + sender->Text()).toStdString());
    };
    ShowActive();
    edit->setFocus(Qt::TabFocusReason);
    QTest::keyClicks(edit, "30");      // typing
    QTest::keyClick(edit, Qt::Key_Up); // arrow key step: clamped to 25
    edit->SetMaxValue(20);
    other->setFocus(Qt::TabFocusReason); // leaving
    ClickDown(edit);                     // button
    const std::vector<std::string> expected = {"bad 3", "bad 30", "bad 25", "bad 20", "bad 19"};
    EXPECT_EQ(errors, expected);
}

struct KeyRow {
    const char* name;
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    const char* text; // the event's text
    const char* result;
    int beeps;
};

class SpinEditTyping : public SpinEditTest, public testing::WithParamInterface<KeyRow> {};

TEST_P(SpinEditTyping, OnlyNumberCharactersAndControlCharactersPass) {
    const KeyRow& row = GetParam();
    auto* edit = Make(0, 100, 1, 12);
    ShowActive();
    edit->setFocus(Qt::MouseFocusReason);
    edit->setCursorPosition(1);
    QKeyEvent press(QEvent::KeyPress, row.key, row.modifiers, QString::fromUtf8(row.text));
    QApplication::sendEvent(edit, &press);
    EXPECT_EQ(edit->Text(), row.result);
    EXPECT_EQ(beeps, row.beeps);
}

INSTANTIATE_TEST_SUITE_P(
    Keys, SpinEditTyping,
    testing::Values(KeyRow{"Digit", Qt::Key_7, {}, "7", "172", 0},
                    KeyRow{"Plus", Qt::Key_Plus, {}, "+", "1+2", 0},
                    KeyRow{"Minus", Qt::Key_Minus, {}, "-", "1-2", 0},
                    KeyRow{"Letter", Qt::Key_A, {}, "a", "12", 1},
                    KeyRow{"CapitalLetter", Qt::Key_A, Qt::ShiftModifier, "A", "12", 1},
                    KeyRow{"Space", Qt::Key_Space, {}, " ", "12", 1},
                    KeyRow{"ArabicDigit", Qt::Key_unknown, {}, "\xd9\xa3", "12", 1},
                    KeyRow{"Enter", Qt::Key_Return, {}, "\r", "12", 1},
                    KeyRow{"KeypadEnter", Qt::Key_Enter, Qt::KeypadModifier, "\r", "12", 1},
                    KeyRow{"Backspace", Qt::Key_Backspace, {}, "\b", "2", 0},
                    KeyRow{"Delete", Qt::Key_Delete, {}, "\x7f", "1", 0},
                    KeyRow{"Home", Qt::Key_Home, {}, "", "12", 0},
                    KeyRow{"SelectAllShortcut", Qt::Key_A, Qt::ControlModifier, "a", "12", 0}),
    [](const testing::TestParamInfo<KeyRow>& info) { return std::string(info.param.name); });

TEST_F(SpinEditTest, DecimalSeparatorIsTheLocalesOne) {
    const QLocale saved;
    QLocale::setDefault(QLocale(QLocale::Serbian, QLocale::LatinScript, QLocale::Serbia));
    auto* edit = Make(0, 100, 1, 1);
    ShowActive();
    edit->setFocus(Qt::MouseFocusReason);
    edit->end(false);
    QTest::keyClicks(edit, ".,5");
    QLocale::setDefault(saved);
    EXPECT_EQ(edit->Text(), "1,5");
    EXPECT_EQ(beeps, 1);
    EXPECT_EQ(edit->Value(), 0);
}

TEST_F(SpinEditTest, PasteIsNotFiltered) {
    auto* edit = Make(0, 100, 1, 1);
    ShowActive();
    edit->setFocus(Qt::TabFocusReason);
    QApplication::clipboard()->setText("abc");
    QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(edit->Text(), "abc");
    EXPECT_EQ(changes, std::vector<QString>{"abc"});
    EXPECT_EQ(beeps, 0);
}

TEST_F(SpinEditTest, WithoutTheEditorTypingAndPastingAreRefusedButStepsWork) {
    auto* edit = Make(0, 100, 1, 1);
    edit->SetEditorEnabled(false);
    ShowActive();
    edit->setFocus(Qt::TabFocusReason);
    QTest::keyClicks(edit, "5");
    QTest::keyClick(edit, Qt::Key_Backspace);
    QApplication::clipboard()->setText("77");
    QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(edit->Text(), "1");
    EXPECT_EQ(beeps, 2);
    QTest::keyClick(edit, Qt::Key_Up);
    EXPECT_EQ(edit->Text(), "2");
}

TEST_F(SpinEditTest, ArrowKeysStep) {
    auto* edit = Make(4, 20, 2, 8);
    ShowActive();
    edit->setFocus(Qt::TabFocusReason);
    QTest::keyClick(edit, Qt::Key_Up);
    QTest::keyClick(edit, Qt::Key_Up);
    QTest::keyClick(edit, Qt::Key_Down);
    EXPECT_EQ(changes, (std::vector<QString>{"10", "12", "10"}));
}

TEST_F(SpinEditTest, ReadOnlyFieldBeepsInsteadOfStepping) {
    auto* edit = Make(4, 20, 2, 8);
    edit->setReadOnly(true);
    ShowActive();
    ClickUp(edit);
    edit->setFocus(Qt::TabFocusReason);
    QTest::keyClick(edit, Qt::Key_Down);
    EXPECT_EQ(edit->Text(), "8");
    EXPECT_EQ(beeps, 2);
    EXPECT_TRUE(changes.empty());
}

TEST_F(SpinEditTest, EnteringSelectsTheWholeTextExceptByAClickInTheText) {
    auto* edit = Make(50, 180, 10, 100);
    ShowActive();
    other->setFocus(Qt::TabFocusReason);
    edit->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(edit->selectedText(), "100");
    other->setFocus(Qt::TabFocusReason);
    edit->setFocus(Qt::OtherFocusReason);
    EXPECT_EQ(edit->selectedText(), "100");

    other->setFocus(Qt::TabFocusReason);
    QTest::mouseClick(edit, Qt::LeftButton, {}, QPoint(6, 11));
    EXPECT_TRUE(edit->hasFocus());
    EXPECT_FALSE(edit->hasSelectedText());

    other->setFocus(Qt::TabFocusReason);
    QTest::mousePress(edit->Button()->UpButton(), Qt::LeftButton);
    EXPECT_TRUE(edit->hasFocus());
    EXPECT_EQ(edit->selectedText(), "100");
    QTest::mouseRelease(edit->Button()->UpButton(), Qt::LeftButton);
    EXPECT_EQ(edit->Text(), "110");
}

TEST_F(SpinEditTest, ButtonPairSitsAtTheRightEdgeInsideTheSunkenEdge) {
    auto* edit = Make(50, 180, 10, 100, 41);
    ShowActive();
    const int h = edit->height(); // 22, or more where the font needs it
    EXPECT_EQ(edit->Button()->geometry(), QRect(41 - 15 - 5 + 2, 2, 15, h - 5));
    EXPECT_TRUE(edit->Button()->mask().isEmpty()); // wholly inside the client area
    edit->SetCtl3D(false);
    EXPECT_EQ(edit->Button()->geometry(), QRect(41 - 15 + 1, 1 + 1, 15, h - 3));
    // Its last two columns lie beyond the client area, under and past the right edge.
    EXPECT_EQ(edit->Button()->mask(), QRegion(0, 0, 13, h - 3));
}

TEST_F(SpinEditTest, TextEndsBeforeTheButtons) {
    auto* edit = Make(0, 0, 1, 0, 49);
    ShowActive();
    edit->SetText("123456789012345");
    edit->end(false);
    edit->grab(); // the line edit scrolls its text to the caret when it paints
    const QRect caret = edit->inputMethodQuery(Qt::ImCursorRectangle).toRect();
    EXPECT_LT(caret.center().x(), edit->Button()->x());
    EXPECT_GT(caret.center().x(), 10);
}

TEST_F(SpinEditTest, TooLowHeightIsRaisedToTheMinimum) {
    auto* edit = Make(50, 180, 10, 100);
    ShowActive();
    edit->resize(41, 6);
    EXPECT_EQ(edit->height(), edit->GetMinHeight());
    EXPECT_GT(edit->GetMinHeight(), 6);
    EXPECT_EQ(edit->Button()->height(), edit->GetMinHeight() - 5);
    edit->resize(41, 40);
    EXPECT_EQ(edit->height(), 40);
}

TEST_F(SpinEditTest, NarrowFieldShowsOnlyItsButtonsAndSteps) {
    // As the depth of cut and the chip thickness maximum use it: 17 pixels wide.
    auto* edit = Make(5, 500, 5, 100, 17);
    ShowActive();
    // The buttons start 3 pixels left of the client area and show only inside it: 12 columns,
    // from the client area's left edge to one column before its right edge.
    const int h = edit->height();
    EXPECT_EQ(edit->Button()->geometry(), QRect(17 - 15 - 5 + 2, 2, 15, h - 5));
    EXPECT_EQ(edit->Button()->mask().translated(edit->Button()->pos()), QRegion(2, 2, 12, h - 5));
    ClickUp(edit);
    ClickDown(edit);
    EXPECT_EQ(changes, (std::vector<QString>{"105", "100"}));
    EXPECT_TRUE(edit->hasFocus());
    edit->SetMaxValue(50);
    other->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(edit->Text(), "50");
}

} // namespace
} // namespace widgets::test
