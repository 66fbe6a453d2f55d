// Every control of the main window reaches its own handler and fields: changing one control
// changes exactly the state fields its handler owns and nothing else.
#include "app/form1.h"
#include "app/user_messages.h"
#include "sim/run.h"
#include "sim/scenarios.h"
#include "sim/state_compare.h"
#include "sim/state_diff.h"
#include "widgets/spin_edit.h"

#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <ostream>
#include <set>
#include <string>

#include "support/silent_messages.h"

#include <algorithm>

namespace app {
namespace {

class ControlFieldsFixture {
protected:
    ControlFieldsFixture()
        : form(std::make_unique<TForm1>(std::make_unique<SilentMessages>(&said))) {
        form->show();
    }
    const sim::SimState& state() const { return form->State(); }
    void Choose(QComboBox* box, const char* item) {
        box->setCurrentIndex(box->findText(QString::fromUtf8(item)));
    }

    // The boxes shown, a beep aside.
    int Boxes() const {
        return static_cast<int>(std::count_if(said.begin(), said.end(),
                                              [](const std::string& m) { return m != "beep"; }));
    }
    std::vector<std::string> said;
    std::unique_ptr<TForm1> form;
};

struct ControlCase {
    const char* name;
    std::function<void(TForm1&)> change;
    std::set<std::string> fields; // exactly the fields that change
};
void PrintTo(const ControlCase& c, std::ostream* os) {
    *os << c.name;
}

class ControlFieldsTest : public ControlFieldsFixture,
                          public ::testing::TestWithParam<ControlCase> {};

TEST_P(ControlFieldsTest, ChangesExactlyTheFieldsItsHandlerOwns) {
    const ControlCase& c = GetParam();
    const sim::SimState before = state();
    c.change(*form);
    EXPECT_EQ(sim::FieldsThatDiffer(before, state()), c.fields);
    EXPECT_EQ(Boxes(), 0);
}

// The top edge is laid out again at the new depth; at feed travel 0 its x positions stay.
const std::set<std::string> kWorkpieceLayout{"WorkpiecePoints", "ProfileY"};
const std::set<std::string> kContact{"DepthPixels", "DepthOffset", "ContactHalfWidth",
                                     "EngageAngle"};

std::set<std::string> Join(std::initializer_list<std::set<std::string>> parts) {
    std::set<std::string> all;
    for (const auto& part : parts) {
        all.insert(part.begin(), part.end());
    }
    return all;
}

void Type(widgets::TSpinEdit* field, const char* text) {
    field->SetText(QString::fromUtf8(text));
}

INSTANTIATE_TEST_SUITE_P(
    Controls, ControlFieldsTest,
    ::testing::Values(
        ControlCase{
            "Diameter", [](TForm1& f) { Type(f.SpinEdit1, "120"); },
            Join({{"CutterDiameter", "PixelsPerMm", "ChipScaleUp", "ChipScaleDown", "StepTime",
                   "FeedPerStep", "HelixLagTicks", "TimeAxis", "RevolutionTime"},
                  kContact,
                  kWorkpieceLayout})},
        ControlCase{"ToothCount",
                    [](TForm1& f) { Type(f.SpinEdit2, "10"); },
                    {"ToothCount", "ToothPitch", "PhaseLimit", "GulletRadius", "FlankLength",
                     "RakeFaceLength"}},
        ControlCase{"RakeAngle", [](TForm1& f) { Type(f.SpinEdit3, "15"); }, {"RakeAngle"}},
        ControlCase{
            "ClearanceAngle", [](TForm1& f) { Type(f.SpinEdit4, "12"); }, {"ClearanceAngle"}},
        ControlCase{"HelixAngle",
                    [](TForm1& f) { Type(f.SpinEdit8, "45"); },
                    {"HelixAngle", "HelixLagTicks"}},
        ControlCase{"CuttingSpeed",
                    [](TForm1& f) { Type(f.SpinEdit5, "90"); },
                    {"CuttingSpeed", "StepTime", "FeedPerStep", "TimeAxis", "RevolutionTime",
                     "SpeedFactor"}},
        ControlCase{
            "FeedSpeed", [](TForm1& f) { Type(f.SpinEdit6, "300"); }, {"FeedSpeed", "FeedPerStep"}},
        ControlCase{"Depth", [](TForm1& f) { Type(f.SpinEdit7, "150"); },
                    Join({{"DepthMm"}, kContact, kWorkpieceLayout})},
        ControlCase{
            "CutWidth", [](TForm1& f) { Type(f.SpinEdit9, "40"); }, {"CutWidth", "HelixLagTicks"}},
        ControlCase{
            "ForceAxisMaximum", [](TForm1& f) { Type(f.SpinEdit10, "7000"); }, {"ForceAxisMax"}},
        ControlCase{"ChipAxisMaximum", [](TForm1& f) { Type(f.SpinEdit11, "3"); }, {"ChipAxisMax"}},
        ControlCase{"DownMillingRadio",
                    [](TForm1& f) { QTest::mouseClick(f.RadioButton2, Qt::LeftButton); },
                    {"MillingDirection"}},
        ControlCase{"WorkpieceMaterial",
                    [](TForm1& f) { f.ComboBox1->setCurrentIndex(f.ComboBox1->findText("C35")); },
                    {"WorkpieceMaterial"}},
        ControlCase{"ToolMaterial",
                    [](TForm1& f) { f.ComboBox2->setCurrentIndex(f.ComboBox2->findText("K40")); },
                    {"ToolMaterial"}}),
    [](const auto& info) { return std::string(info.param.name); });

class WindowControlTest : public ControlFieldsFixture, public ::testing::Test {};

TEST_F(WindowControlTest, TheDirectionRadiosSelectTheirOwnDirectionBothWays) {
    sim::SimState down = sim::StartupState();
    sim::SetMillingDirection(down, sim::MillingDirection::Down, nullptr);
    for (int round = 0; round < 2; ++round) {
        QTest::mouseClick(form->RadioButton2, Qt::LeftButton);
        EXPECT_TRUE(form->RadioButton2->isChecked());
        EXPECT_TRUE(sim::StatesIdentical(state(), down)) << round;
        QTest::mouseClick(form->RadioButton1, Qt::LeftButton);
        EXPECT_TRUE(form->RadioButton1->isChecked());
        EXPECT_TRUE(sim::StatesIdentical(state(), sim::StartupState())) << round;
    }
}

TEST_F(WindowControlTest, TheDepthInPixelsIsRoundedAfterADiameterChange) {
    Type(form->SpinEdit1, "55"); // 10 mm x 400 / 55 = 72.7 px
    EXPECT_EQ(state().DepthPixels, 73);
    Type(form->SpinEdit1, "180"); // 22.2 px
    EXPECT_EQ(state().DepthPixels, 22);
}

struct DepthMaximumCase {
    const char* name;
    const char* diameter;
    int maximum; // tenths of mm, half the diameter
};
void PrintTo(const DepthMaximumCase& c, std::ostream* os) {
    *os << c.name;
}

class DepthMaximumTest : public ControlFieldsFixture,
                         public ::testing::TestWithParam<DepthMaximumCase> {};

TEST_P(DepthMaximumTest, TheDepthArrowsReachHalfTheNewDiameter) {
    const DepthMaximumCase& c = GetParam();
    Type(form->SpinEdit1, c.diameter);
    form->SpinEdit7->UpClick(); // the depth handler sets the new maximum
    EXPECT_EQ(form->SpinEdit7->MaxValue(), c.maximum);
    EXPECT_EQ(state().DepthSpinMax, c.maximum);
    form->SpinEdit7->SetValue(c.maximum + 50); // clamped to the maximum
    EXPECT_EQ(form->SpinEdit7->Value(), c.maximum);
    EXPECT_EQ(state().DepthMm, c.maximum / 10.0);
    EXPECT_EQ(state().DepthPixels, 200);
    form->SpinEdit7->UpClick();
    EXPECT_EQ(state().DepthMm, c.maximum / 10.0);
    EXPECT_EQ(Boxes(), 0);
}

INSTANTIATE_TEST_SUITE_P(Diameters, DepthMaximumTest,
                         ::testing::Values(DepthMaximumCase{"Diameter55", "55", 275},
                                           DepthMaximumCase{"Diameter180", "180", 900}),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace app
