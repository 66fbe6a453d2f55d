#include "widgets/spin_button.h"

#include "widgets/widget_test_support.h"

#include <QKeyEvent>

namespace widgets::test {
namespace {

struct LayoutRow {
    int height;
    QRect up;
    QRect down;
};

class SpinButtonLayout : public testing::TestWithParam<LayoutRow> {};

TEST_P(SpinButtonLayout, UpTakesTheUpperHalfDownOverlapsItByOnePixel) {
    const LayoutRow& row = GetParam();
    TSpinButton button;
    button.resize(15, row.height);
    button.LayoutButtons();
    EXPECT_EQ(button.UpButton()->geometry(), row.up);
    EXPECT_EQ(button.DownButton()->geometry(), row.down);
}

INSTANTIATE_TEST_SUITE_P(Heights, SpinButtonLayout,
                         testing::Values(LayoutRow{17, {0, 0, 15, 8}, {0, 7, 15, 10}},
                                         LayoutRow{18, {0, 0, 15, 9}, {0, 8, 15, 10}},
                                         LayoutRow{1, {0, 0, 15, 0}, {0, -1, 15, 2}}));

TEST(SpinButton, NeverNarrowerThanFifteenPixels) {
    TSpinButton button;
    button.resize(9, 17);
    EXPECT_EQ(button.width(), 15);
    button.LayoutButtons();
    EXPECT_EQ(button.UpButton()->width(), 15);
}

class SpinButtonTest : public WidgetTest {
protected:
    void SetUp() override {
        WidgetTest::SetUp();
        field = new QLineEdit(window.get());
        field->setGeometry(10, 10, 80, 22);
        spin = new TSpinButton(window.get());
        spin->setGeometry(90, 10, 15, 17);
        spin->OnUpClick = [this] { clicks += "u"; };
        spin->OnDownClick = [this] { clicks += "d"; };
        ShowActive();
    }

    TSpinButton* spin = nullptr; // owned by window
    QLineEdit* field = nullptr;  // owned by window
    std::string clicks;
};

TEST_F(SpinButtonTest, EachButtonClicksItsOwnWay) {
    QTest::mouseClick(spin->UpButton(), Qt::LeftButton);
    QTest::mouseClick(spin->DownButton(), Qt::LeftButton);
    QTest::mouseClick(spin->DownButton(), Qt::LeftButton);
    EXPECT_EQ(clicks, "udd");
}

TEST_F(SpinButtonTest, PressMovesTheFocusToTheFocusControlFirst) {
    spin->SetFocusControl(field);
    other->setFocus();
    bool focusedWhenDown = false;
    spin->OnButtonDown = [&] { focusedWhenDown = field->hasFocus(); };
    QTest::mousePress(spin->UpButton(), Qt::LeftButton);
    EXPECT_TRUE(focusedWhenDown);
    QTest::mouseRelease(spin->UpButton(), Qt::LeftButton);
    EXPECT_TRUE(field->hasFocus());
    EXPECT_EQ(clicks, "u");
}

TEST_F(SpinButtonTest, FocusControlThatCannotTakeTheFocusKeepsItWhereItWas) {
    field->setEnabled(false);
    spin->SetFocusControl(field);
    other->setFocus();
    QTest::mouseClick(spin->UpButton(), Qt::LeftButton);
    EXPECT_TRUE(other->hasFocus());
    EXPECT_EQ(clicks, "u");
}

TEST_F(SpinButtonTest, KeysOnTheFocusedSpinButton) {
    spin->setFocus();
    ASSERT_TRUE(spin->hasFocus());
    EXPECT_TRUE(spin->UpButton()->FocusRect());
    QTest::keyClick(spin, Qt::Key_Space);
    QTest::keyClick(spin, Qt::Key_Down);
    EXPECT_EQ(spin->FocusedButton(), spin->DownButton());
    EXPECT_TRUE(spin->DownButton()->FocusRect());
    EXPECT_FALSE(spin->UpButton()->FocusRect());
    QTest::keyClick(spin, Qt::Key_Space);
    QTest::keyClick(spin, Qt::Key_Up);
    QTest::keyClick(spin, Qt::Key_A);
    EXPECT_EQ(clicks, "uddu");
    other->setFocus();
    EXPECT_FALSE(spin->UpButton()->FocusRect());
    EXPECT_FALSE(spin->DownButton()->FocusRect());
}

TEST_F(SpinButtonTest, ErrorFromAKeyClickGoesToTheErrorDisplay) {
    spin->OnUpClick = [] { throw std::runtime_error("Invalid floating point operation"); };
    spin->setFocus();
    QTest::keyClick(spin, Qt::Key_Up);
    EXPECT_EQ(errors, std::vector<std::string>{"Invalid floating point operation"});
}

} // namespace
} // namespace widgets::test
