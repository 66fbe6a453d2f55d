// The forces window and the force choices of the menus: the window opens from "Analiza", follows
// the run on its own refresh (at most ten times a second, not while hidden), and its K_r control,
// the "Model" menu and the "Prikaz" menu's force arrows change the window's state and pictures.
#include "app/forces_window.h"

#include "app/lab_test_support.h"
#include "app/main_menu.h"
#include "chart/chart_widget.h"
#include "chart/series/chart_series.h"
#include "force_views/polar_diagram.h"

#include <QDoubleSpinBox>
#include <QElapsedTimer>

namespace app {
namespace {

using ForcesWindowTest = LabWindowTest;

TForcesWindow* Opened(TForm1& form) {
    QAction* item = FindAction(form.MainMenuBar, QStringLiteral("Sile"));
    EXPECT_NE(item, nullptr);
    if (item != nullptr)
        item->trigger();
    return form.Tools().ForcesWindow();
}

TEST_F(ForcesWindowTest, OpensFromTheAnalysisMenuAndFollowsTheRun) {
    TForcesWindow* window = Opened(*form);
    ASSERT_TRUE(window->isVisible());
    EXPECT_EQ(window->windowTitle(), "Sile");
    StartWith("28Cr4", "P30");
    Tick(900);
    const sim::SimState& s = form->State();
    const chart::TChartSeries* tangential = window->TracesChart->Chart().Series(0);
    QTRY_COMPARE_WITH_TIMEOUT(tangential->YAt(sim::kTraceLength - 1),
                              s.TangentialTrace[sim::kTraceLength], 2000);
    EXPECT_EQ(tangential->PointCount(), sim::kTraceLength);
    // The polar curve: one revolution of samples, closed.
    const chart::TChartSeries* curve = window->PolarChart->Chart().Series(1);
    ASSERT_EQ(curve->PointCount(), force_views::SamplesPerRevolution(s) + 1);
    EXPECT_EQ(curve->XAt(curve->PointCount() - 2), s.FeedForceTrace[sim::kTraceLength]);
    EXPECT_EQ(curve->YAt(curve->PointCount() - 2), s.NormalForceTrace[sim::kTraceLength]);
    EXPECT_EQ(curve->XAt(0), curve->XAt(curve->PointCount() - 1));
    const chart::TChartSeries* width = window->EngagedWidthChart->Chart().Series(0);
    EXPECT_EQ(width->YAt(sim::kTraceLength - 1), s.EngagedWidthTrace[sim::kTraceLength]);
}

// Every refresh refills the series; the window counts its own refreshes through the first one.
TEST_F(ForcesWindowTest, RefreshesAtMostTenTimesASecondAndNotWhileHidden) {
    TForcesWindow* window = Opened(*form);
    int refreshes = 0;
    window->TracesChart->Chart().Series(0)->OnClearValues = [&](chart::TChartSeries*) {
        ++refreshes;
    };
    StartWith("28Cr4", "P30");
    QElapsedTimer clock;
    clock.start();
    QTest::qWait(1000);
    const qint64 elapsed = clock.elapsed();
    EXPECT_GE(refreshes, 1);
    EXPECT_LE(refreshes, elapsed / TForcesWindow::kRefreshMs + 1);
    EXPECT_GT(form->State().FeedTravel, 0);
    window->hide();
    const int hidden = refreshes;
    QTest::qWait(300);
    EXPECT_EQ(refreshes, hidden);
}

TEST_F(ForcesWindowTest, RatioControlSetsTheStateInStepsAndFollowsIt) {
    TForcesWindow* window = Opened(*form);
    QDoubleSpinBox* ratio = window->RatioEdit;
    EXPECT_DOUBLE_EQ(ratio->value(), 0.4);
    ratio->stepUp();
    EXPECT_DOUBLE_EQ(form->State().RadialForceRatio, 0.45);
    ratio->setValue(0.2);
    EXPECT_DOUBLE_EQ(form->State().RadialForceRatio, 0.2);
    ratio->setValue(0.9); // beyond the control's range: its largest value
    EXPECT_DOUBLE_EQ(form->State().RadialForceRatio, 0.6);
    // A ratio set elsewhere (a scenario) shows at the next refresh.
    ASSERT_TRUE(form->SetRadialForceRatio(0.35));
    window->Refresh();
    EXPECT_DOUBLE_EQ(ratio->value(), 0.35);
    EXPECT_FALSE(form->SetRadialForceRatio(0.65));
    EXPECT_DOUBLE_EQ(form->State().RadialForceRatio, 0.35);
}

TEST_F(ForcesWindowTest, ModelMenuChoosesWhichForceTheMainTraceShows) {
    QAction* chipSum = FindAction(form->MainMenuBar, QStringLiteral("zbirna strugotina"));
    QAction* perTooth = FindAction(form->MainMenuBar, QStringLiteral("po zubu"));
    ASSERT_NE(chipSum, nullptr);
    ASSERT_NE(perTooth, nullptr);
    EXPECT_TRUE(chipSum->isChecked());
    EXPECT_FALSE(perTooth->isChecked());
    StartWith("28Cr4", "P30");
    Tick(800);
    const sim::SimState& s = form->State();
    EXPECT_NE(s.ForceTrace[sim::kTraceLength], s.TangentialTrace[sim::kTraceLength]);

    perTooth->trigger();
    EXPECT_EQ(s.ForceModel, sim::ForceModel::PerTooth);
    EXPECT_TRUE(perTooth->isChecked());
    EXPECT_FALSE(chipSum->isChecked());
    Tick(1);
    EXPECT_EQ(s.ForceTrace[sim::kTraceLength], s.TangentialTrace[sim::kTraceLength]);

    // The check follows the state when the menu opens, whatever changed it.
    form->SetForceModel(sim::ForceModel::ChipSum);
    perTooth->setChecked(true);
    emit FindMenu(form->MainMenuBar, kModelMenuName)->aboutToShow();
    EXPECT_TRUE(chipSum->isChecked());
    EXPECT_FALSE(perTooth->isChecked());
}

TEST_F(ForcesWindowTest, ForceArrowsItemDrawsTheArrowsAndTakesThemAway) {
    QAction* arrows = FindAction(form->MainMenuBar, QStringLiteral("Vektori sila"));
    ASSERT_NE(arrows, nullptr);
    EXPECT_FALSE(arrows->isChecked());
    StartWith("28Cr4", "P30");
    Tick(900);
    const QImage designed = form->CutterPicture().copy();
    arrows->trigger();
    EXPECT_TRUE(arrows->isChecked());
    EXPECT_TRUE(form->ForceArrows());
    EXPECT_NE(form->CutterPicture(), designed);
    arrows->trigger();
    EXPECT_FALSE(form->ForceArrows());
    EXPECT_EQ(form->CutterPicture(), designed);
}

} // namespace
} // namespace app
