// End-to-end tests of the main window: the real TForm1, headless, driven with Qt Test clicks and
// keys. The boxes and the beep are answered by a recorder instead of a person.
#include "app/application.h"
#include "app/form1.h"
#include "app/help/form2.h"
#include "batch/batch_run.h"
#include "chart/chart.h"
#include "chart/chart_widget.h"
#include "chart/series/line_series.h"
#include "cutter/cutter_view.h"
#include "lab/run_csv.h"
#include "sim/input_fields.h"
#include "sim/materials.h"
#include "sim/run.h"
#include "sim/scenarios.h"
#include "sim/state_compare.h"
#include "support/silent_messages.h"
#include "widgets/spin_edit.h"

#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

namespace app {
namespace {

class Form1Test : public ::testing::Test {
protected:
    void SetUp() override {
        form = std::make_unique<TForm1>(std::make_unique<SilentMessages>(&said, &whileBoxOpen));
        instructions = std::make_unique<TForm2>();
        form->SetInstructions(instructions.get());
        form->show();
    }

    void Choose(QComboBox* box, const char* item) {
        box->setCurrentIndex(box->findText(QString::fromUtf8(item)));
    }
    void StartWith(const char* workpiece, const char* tool) {
        Choose(form->ComboBox1, workpiece);
        Choose(form->ComboBox2, tool);
        QTest::mouseClick(form->Button1, Qt::LeftButton);
    }
    // Runs ticks the way the timer does, without waiting for it.
    void Tick(int count) {
        for (int i = 0; i < count; ++i)
            form->Timer1Timer();
    }
    // Types into a field as a user does: select everything, then the keys.
    void TypeOver(widgets::TSpinEdit* field, const QString& keys) {
        field->setFocus();
        field->selectAll();
        QTest::keyClicks(field, keys);
    }
    const sim::SimState& state() const { return form->State(); }

    std::vector<std::string> said;
    std::function<void()> whileBoxOpen;
    std::unique_ptr<TForm1> form;
    std::unique_ptr<TForm2> instructions;
};

void ExpectSeriesHold(const chart::TLineSeries& series, const sim::Trace& times,
                      const sim::Trace& values) {
    ASSERT_EQ(series.PointCount(), sim::kTraceLength);
    for (int i = 0; i < sim::kTraceLength; ++i) {
        EXPECT_EQ(series.XAt(i), times[i + 1]) << "point " << i;
        EXPECT_EQ(series.YAt(i), values[i + 1]) << "point " << i;
    }
}

TEST_F(Form1Test, StartsWithTheStartStateAndPictureWithoutRunningAnyHandler) {
    EXPECT_TRUE(sim::StatesIdentical(state(), sim::StartupState()));
    EXPECT_TRUE(said.empty());
    EXPECT_FALSE(form->Timer1->isActive());
    EXPECT_EQ(form->Timer1->interval(), 50);
    EXPECT_EQ(form->windowTitle(),
              QStringLiteral("Odredjivanje otpora rezanja pri obimnom glodanju"));
    EXPECT_EQ(form->SpinEdit1->Text(), "100");
    EXPECT_EQ(form->SpinEdit4->Text(), "10");
    EXPECT_EQ(form->SpinEdit10->Text(), "5000");
    EXPECT_EQ(form->Edit1->text(), "10");
    const QString separator(QChar::fromLatin1(SystemDecimalSeparator()));
    EXPECT_EQ(form->Edit2->text(), "0" + separator + "5");
    EXPECT_EQ(form->ComboBox1->currentText(), "Materijal obratka");
    EXPECT_EQ(form->ComboBox1->currentIndex(), -1);
    EXPECT_TRUE(form->RadioButton1->isChecked());
    EXPECT_EQ(form->Series1->PointCount(), 0);

    cutter::CutterView expected;
    expected.RedrawCutterView(sim::StartupState(), 0);
    EXPECT_EQ(form->CutterPicture(), expected.Image());
    EXPECT_EQ(form->Image1->geometry(), QRect(216, 24, 385, 313));
    EXPECT_EQ(form->Chart1Widget->geometry(), QRect(216, 344, 385, 161));
    EXPECT_GE(form->width(), 601);
    EXPECT_GE(form->height(), 505);
}

// Each spin edit takes its limits, step, start value and label from its row of the inputs
// table, and the material lists their items from the material tables.
TEST_F(Form1Test, FieldsAndListsFollowTheirTables) {
    using sim::InputField;
    const struct {
        InputField field;
        widgets::TSpinEdit* edit;
        QLabel* label;
    } fields[] = {
        {InputField::Diameter, form->SpinEdit1, form->Label2},
        {InputField::Teeth, form->SpinEdit2, form->Label3},
        {InputField::Rake, form->SpinEdit3, form->Label4},
        {InputField::Clearance, form->SpinEdit4, form->Label5},
        {InputField::Helix, form->SpinEdit8, form->Label9},
        {InputField::Speed, form->SpinEdit5, form->Label6},
        {InputField::Feed, form->SpinEdit6, form->Label7},
        {InputField::Depth, form->SpinEdit7, form->Label8},
        {InputField::Width, form->SpinEdit9, form->Label10},
        {InputField::ForceMax, form->SpinEdit10, form->Label11},
        {InputField::ChipMax, form->SpinEdit11, form->Label11},
    };
    for (const auto& f : fields) {
        const sim::InputFieldSpec& fieldSpec = sim::FieldSpec(f.field);
        EXPECT_EQ(f.edit->MinValue(), fieldSpec.minimum) << fieldSpec.key;
        EXPECT_EQ(f.edit->MaxValue(), fieldSpec.maximum) << fieldSpec.key;
        EXPECT_EQ(f.edit->Increment(), fieldSpec.step) << fieldSpec.key;
        EXPECT_EQ(f.edit->Text(), QString::number(fieldSpec.start)) << fieldSpec.key;
        EXPECT_EQ(f.label->text(), QString::fromUtf8(fieldSpec.label)) << fieldSpec.key;
    }
    EXPECT_EQ(form->Label7->text(), QString::fromUtf8("Brzina pomoćnog "));
    EXPECT_EQ(form->Label14->text(), QStringLiteral("kretanja, mm/min"));
    EXPECT_EQ(form->Label12->text(), QStringLiteral("sila, N"));
    EXPECT_EQ(form->Label13->text(), QStringLiteral("debljina, mm"));
    EXPECT_EQ(form->SpinEdit7->geometry(), QRect(152, 64, 17, 22));
    EXPECT_EQ(form->SpinEdit11->geometry(), QRect(40, 72, 17, 22));

    ASSERT_EQ(form->ComboBox1->count(), static_cast<int>(sim::kWorkpieceMaterials.size()));
    for (int i = 0; i < form->ComboBox1->count(); ++i)
        EXPECT_EQ(form->ComboBox1->itemText(i), sim::kWorkpieceMaterials[i].name);
    ASSERT_EQ(form->ComboBox2->count(), static_cast<int>(sim::kToolMaterials.size()));
    for (int i = 0; i < form->ComboBox2->count(); ++i)
        EXPECT_EQ(form->ComboBox2->itemText(i), sim::kToolMaterials[i]);
    EXPECT_EQ(form->ComboBox2->currentText(), "Materijal alata");
}

TEST_F(Form1Test, ProcesWithoutMaterialsOnlyWarns) {
    QTest::mouseClick(form->Button1, Qt::LeftButton);
    EXPECT_EQ(said,
              (std::vector<std::string>{"beep", "warning: Izaberite materijal alata i obratka!"}));
    EXPECT_FALSE(form->Timer1->isActive());
    EXPECT_FALSE(state().TimerEnabled);
    EXPECT_EQ(state().SpecificForce, 0.0);
}

TEST_F(Form1Test, ARunFillsTheChartWithTheNewestSampleOneTickApart) {
    StartWith("28Cr4", "P30");
    EXPECT_TRUE(said.empty());
    ASSERT_TRUE(form->Timer1->isActive());
    // The real timer drives the run as well.
    EXPECT_TRUE(QTest::qWaitFor([&] { return state().FeedTravel > 0; }, 5000));
    const double travelled = state().FeedTravel;
    const int ticksSoFar = static_cast<int>(std::lround(travelled / (12 * state().FeedPerStep)));
    Tick(5);
    const int ticks = ticksSoFar + 5;
    ASSERT_EQ(form->Series1->PointCount(), 313);
    ASSERT_EQ(form->Series2->PointCount(), 313);
    ASSERT_EQ(form->Series3->PointCount(), 313);
    EXPECT_NEAR(form->Series1->XAt(312), ticks * 12 * state().StepTime, 1e-12);
    EXPECT_NEAR(form->Series1->XAt(311), (ticks - 1) * 12 * state().StepTime, 1e-12);
}

TEST_F(Form1Test, PauseThenProcesContinuesWhereTheRunStopped) {
    StartWith("28Cr4", "P30");
    form->Timer1->stop(); // ticks by hand from here on, so the count is exact
    Tick(400);
    QTest::mouseClick(form->Button3, Qt::LeftButton);
    EXPECT_FALSE(form->Timer1->isActive());
    QTest::mouseClick(form->Button1, Qt::LeftButton);
    EXPECT_TRUE(form->Timer1->isActive());
    form->Timer1->stop();
    Tick(100);

    sim::SimState expected = sim::StartedState();
    sim::RunTicks(expected, 500);
    EXPECT_TRUE(sim::StatesIdentical(state(), expected));
}

TEST_F(Form1Test, PolaznoStanjeClearsTheTracesAndKeepsThePhase) {
    StartWith("28Cr4", "P30");
    form->Timer1->stop();
    Tick(450);
    const double phase = state().Phase;
    QTest::mouseClick(form->Button4, Qt::LeftButton);
    EXPECT_FALSE(form->Timer1->isActive());
    EXPECT_EQ(state().Phase, phase);
    EXPECT_EQ(state().FeedTravel, 0.0);
    sim::Trace zeros{};
    ExpectSeriesHold(*form->Series1, state().TimeAxis, zeros);
    ExpectSeriesHold(*form->Series2, state().TimeAxis, zeros);
    ExpectSeriesHold(*form->Series3, state().TimeAxis, zeros);
    EXPECT_NEAR(form->Series1->XAt(0), -0.468, 1e-12);
    EXPECT_EQ(form->Series1->XAt(312), 0.0);
}

TEST_F(Form1Test, MismatchedMaterialsWarnAndStillRun) {
    StartWith("C4130", "C7680");
    EXPECT_EQ(said,
              (std::vector<std::string>{"beep", "warning: Izabrani materijal alata ne odgovara"}));
    EXPECT_TRUE(form->Timer1->isActive());
    EXPECT_EQ(state().ToolFactor, 1.05);
}

TEST_F(Form1Test, ClearanceBelowTheMinimumWarnsOnceAndIsCorrected) {
    form->SpinEdit4->SetText("9");
    EXPECT_TRUE(said.empty());
    form->SpinEdit4->setFocus();
    QTest::keyClick(form->SpinEdit4, Qt::Key_Down);
    EXPECT_EQ(said, (std::vector<std::string>{"beep", "screen error Error: Mali ledjni ugao!"}));
    EXPECT_EQ(form->SpinEdit4->Text(), "9");
    EXPECT_EQ(state().ClearanceAngle, 0.157);
}

TEST_F(Form1Test, TheRunGoesOnWhileTheClearanceWarningIsOpen) {
    StartWith("28Cr4", "P30");
    double travelWhenOpened = -1, travelWhenClosed = -1;
    whileBoxOpen = [&] {
        travelWhenOpened = state().FeedTravel;
        EXPECT_TRUE(QTest::qWaitFor([&] { return state().FeedTravel > travelWhenOpened; }, 5000));
        travelWhenClosed = state().FeedTravel;
    };
    form->SpinEdit4->setFocus();
    form->SpinEdit4->selectAll();
    QTest::keyClicks(form->SpinEdit4, "8");
    EXPECT_GT(travelWhenClosed, travelWhenOpened);
    EXPECT_TRUE(form->Timer1->isActive());
    EXPECT_EQ(form->SpinEdit4->Text(), "9");
    EXPECT_EQ(state().ClearanceAngle, 0.157);
}

TEST_F(Form1Test, TypingOverTheDiameterIgnoresTheOutOfRangeStepOnTheWay) {
    TypeOver(form->SpinEdit1, "6");
    EXPECT_EQ(state().CutterDiameter, 100); // 6 mm lies outside 50..180
    EXPECT_EQ(state().DepthMm, 10.0);
    EXPECT_EQ(form->SpinEdit1->palette().color(QPalette::Text), QColor(Qt::red));
    QTest::keyClicks(form->SpinEdit1, "0");
    EXPECT_EQ(state().CutterDiameter, 60);
    EXPECT_EQ(state().DepthMm, 10.0);
    EXPECT_EQ(form->Edit1->text(), "10");
    EXPECT_NE(form->SpinEdit1->palette().color(QPalette::Text), QColor(Qt::red));
    EXPECT_TRUE(said.empty());
}

TEST_F(Form1Test, AnEmptiedFieldIsRedUntilLeftAndChangesNothing) {
    const sim::SimState before = state();
    TypeOver(form->SpinEdit5, "");
    QTest::keyClick(form->SpinEdit5, Qt::Key_Backspace);
    EXPECT_TRUE(said.empty());
    EXPECT_EQ(form->SpinEdit5->palette().color(QPalette::Text), QColor(Qt::red));
    EXPECT_TRUE(sim::StatesIdentical(state(), before));
    QApplication::setActiveWindow(form.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    form->SpinEdit6->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(form->SpinEdit5->Text(), "60");
    EXPECT_NE(form->SpinEdit5->palette().color(QPalette::Text), QColor(Qt::red));
    EXPECT_TRUE(sim::StatesIdentical(state(), before));
}

TEST_F(Form1Test, PastedLettersShowTheConversionErrorAndChangeNothing) {
    const sim::SimState before = state();
    form->SpinEdit5->setFocus();
    form->SpinEdit5->selectAll();
    QApplication::clipboard()->setText("abc");
    QTest::keyClick(form->SpinEdit5, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(said, (std::vector<std::string>{"error " + ApplicationErrorTitle().toStdString() +
                                              ": 'abc' is not a valid integer value"}));
    EXPECT_TRUE(sim::StatesIdentical(state(), before));
}

TEST_F(Form1Test, DepthAndChipMaximumShowTheirValuesWithTheDecimalSeparator) {
    const QString separator(QChar::fromLatin1(SystemDecimalSeparator()));
    form->SpinEdit7->SetText("105");
    EXPECT_EQ(form->Edit1->text(), "10" + separator + "5");
    EXPECT_EQ(state().DepthPixels, 42);
    form->SpinEdit11->SetText("1");
    EXPECT_EQ(form->Edit2->text(), "0" + separator + "1");
    EXPECT_EQ(form->Chart1->RightAxis().Maximum(), 0.1);
    form->SpinEdit10->SetText("7000");
    EXPECT_EQ(form->Chart1->LeftAxis().Maximum(), 7000.0);
}

TEST_F(Form1Test, HelpTwiceShowsOneInstructionsWindow) {
    QTest::mouseClick(form->Button5, Qt::LeftButton);
    QTest::mouseClick(form->Button5, Qt::LeftButton);
    int shown = 0;
    for (QWidget* widget : QApplication::topLevelWidgets())
        shown += qobject_cast<TForm2*>(widget) != nullptr && widget->isVisible();
    EXPECT_EQ(shown, 1);
}

TEST_F(Form1Test, ExitDuringARunClosesTheWindow) {
    StartWith("28Cr4", "P30");
    QSignalSpy closed(form.get(), &TForm1::Closed);
    QTest::mouseClick(form->Button2, Qt::LeftButton);
    EXPECT_EQ(closed.count(), 1);
    EXPECT_FALSE(form->isVisible());
}

TEST_F(Form1Test, DirectionRadiosRedrawTheMirroredTeeth) {
    QTest::mouseClick(form->RadioButton2, Qt::LeftButton);
    EXPECT_EQ(state().MillingDirection, sim::MillingDirection::Down);
    EXPECT_FALSE(form->RadioButton1->isChecked());
    cutter::CutterView expected;
    sim::SimState down = sim::StartupState();
    down.MillingDirection = sim::MillingDirection::Down;
    expected.RedrawCutterView(down, 0);
    EXPECT_EQ(form->CutterPicture(), expected.Image());
}

TEST_F(Form1Test, AZoomHoldsWhileTheRunGoesOnAndTheForceMaximumOverridesIt) {
    StartWith("28Cr4", "P30");
    form->Timer1->stop();
    Tick(600);
    form->Chart1->PaintNow();
    QTest::mousePress(form->Chart1Widget, Qt::LeftButton, {}, {100, 40});
    QTest::mouseMove(form->Chart1Widget, {150, 90});
    QTest::mouseRelease(form->Chart1Widget, Qt::LeftButton, {}, {150, 90});
    ASSERT_TRUE(form->Chart1->Zoomed());
    const double bottomMin = form->Chart1->BottomAxis().Minimum();
    const double bottomMax = form->Chart1->BottomAxis().Maximum();
    Tick(20);
    form->Chart1->PaintNow();
    EXPECT_EQ(form->Chart1->BottomAxis().CurrentMinimum, bottomMin);
    EXPECT_EQ(form->Chart1->BottomAxis().CurrentMaximum, bottomMax);

    form->SpinEdit10->SetText("8000");
    EXPECT_EQ(form->Chart1->LeftAxis().Maximum(), 8000.0);
    EXPECT_TRUE(said.empty());

    // The reverse drag gives the automatic time axis back, and the newest samples show again.
    QTest::mousePress(form->Chart1Widget, Qt::LeftButton, {}, {150, 90});
    QTest::mouseMove(form->Chart1Widget, {100, 40});
    QTest::mouseRelease(form->Chart1Widget, Qt::LeftButton, {}, {100, 40});
    EXPECT_TRUE(form->Chart1->BottomAxis().Automatic());
    form->Chart1->PaintNow();
    EXPECT_EQ(form->Chart1->BottomAxis().CurrentMaximum, state().TimeAxis[sim::kTraceLength]);
}

// The CSV glodanje-batch writes, built here from the window's own ticks.
std::string WindowRunAsCsv(TForm1& form) {
    std::ostringstream csv;
    csv << lab::kCsvHeader << '\n';
    int tick = 0;
    while (form.State().TimerEnabled) {
        form.Timer1Timer();
        lab::WriteCsvRow(csv, ++tick, form.State());
    }
    return csv.str();
}

TEST_F(Form1Test, ARunToTheEndOfTheFeedMatchesTheBatchRunnerBitForBit) {
    form->SpinEdit9->SetText("40");
    form->SpinEdit7->SetText("150");
    QTest::mouseClick(form->RadioButton2, Qt::LeftButton);
    StartWith("C35", "K40");
    form->Timer1->stop();
    const std::string window = WindowRunAsCsv(*form);

    std::ostringstream batchCsv, batchErr;
    ASSERT_EQ(batch::RunBatchCommand({"--width", "40", "--depth", "15", "--direction", "down",
                                      "--workpiece", "C35", "--tool", "K40"},
                                     batchCsv, batchErr),
              0)
        << batchErr.str();
    EXPECT_EQ(window, batchCsv.str());
    EXPECT_GT(window.size(), 1000u);
}

} // namespace
} // namespace app
