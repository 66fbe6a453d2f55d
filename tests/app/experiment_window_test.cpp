// The experiment window driven as a student drives it: a small sweep from the main window's
// inputs, cancelling a long one, keeping a series for comparison, log axes, and saving.
#include "app/experiment_window.h"

#include "app/lab_test_support.h"
#include "sim/materials.h"
#include "sim/tooth_forces.h"
#include "widgets/spin_edit.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QProgressBar>
#include <QSignalSpy>
#include <QTableWidget>

namespace app {
namespace {

constexpr int kWaitMs = 60000;

class ExperimentWindowTest : public LabWindowTest {
protected:
    void SetUp() override {
        LabWindowTest::SetUp();
        form->ComboBox1->setCurrentIndex(form->ComboBox1->findText(QStringLiteral("C35")));
        form->ComboBox2->setCurrentIndex(form->ComboBox2->findText(QStringLiteral("P30")));
        window = ShowExperiment(*form);
        window->ChooseSaveFile = [this](const QString&, const QString&, const QString&) {
            return answer;
        };
    }

    // Chooses the input by its text in the list and the range in the field's units.
    void Choose(const char* input, double from, double to, double step) {
        window->InputChoice->setCurrentIndex(
            window->InputChoice->findText(QString::fromUtf8(input)));
        window->FromEdit->setValue(from);
        window->ToEdit->setValue(to);
        window->StepEdit->setValue(step);
    }

    void RunToEnd() {
        QSignalSpy finished(window, &TExperimentWindow::Finished);
        QTest::mouseClick(window->RunButton, Qt::LeftButton);
        ASSERT_TRUE(window->Running());
        ASSERT_TRUE(finished.wait(kWaitMs));
        ASSERT_FALSE(window->Running());
    }

    TExperimentWindow* window = nullptr;
    QTemporaryDir dir;
};

TEST_F(ExperimentWindowTest, SmallSweepFillsPlotAndTableWithTheBatchRows) {
    Choose("Broj zuba", 4, 8, 2);
    RunToEnd();
    ASSERT_EQ(window->Rows().size(), 3u);
    EXPECT_EQ(window->Table->rowCount(), 3);
    EXPECT_EQ(window->Table->item(2, 0)->text(), "8");
    EXPECT_EQ(window->Plot().PointCount(0), 3);
    EXPECT_EQ(window->Plot().PointCount(1), 3);
    EXPECT_EQ(window->Progress->value(), 3);
    EXPECT_EQ(window->StatusLabel->text(), QString::fromUtf8("Gotovo: 3 od 3 izvođenja."));

    // The rows are those of the shared engine for the main window's inputs.
    lab::SweepRequest request;
    request.base = FixedInputsOf(*form);
    EXPECT_EQ(request.base.workpieceMaterial, 2);
    EXPECT_EQ(request.base.toolMaterial, 3);
    request.plan = window->CurrentPlan();
    const lab::SweepResult direct = lab::RunSweep(request);
    ASSERT_EQ(direct.rows.size(), 3u);
    for (size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(window->Rows()[i].meanForce, direct.rows[i].meanForce) << i;
        EXPECT_EQ(window->Rows()[i].ticks, direct.rows[i].ticks) << i;
    }
}

// The series runs with the main window's force model and K_r, as the main window's run would.
TEST_F(ExperimentWindowTest, TheSeriesRunsWithTheWindowsForceModel) {
    form->SetForceModel(sim::ForceModel::PerTooth);
    ASSERT_TRUE(form->SetRadialForceRatio(0.3));
    const lab::RunInputs fixed = FixedInputsOf(*form);
    EXPECT_EQ(fixed.forceModel, sim::ForceModel::PerTooth);
    EXPECT_EQ(fixed.radialRatio, 0.3);
    Choose("Broj zuba", 6, 6, 2);
    RunToEnd();
    ASSERT_EQ(window->Rows().size(), 1u);
    lab::RunInputs chipSum = fixed;
    chipSum.forceModel = sim::ForceModel::ChipSum;
    const std::optional<lab::SweepRow> perTooth = lab::RunSweepPoint(
        lab::PointOptions(fixed, window->CurrentPlan(), 0), window->Rows()[0].point, std::nullopt);
    const std::optional<lab::SweepRow> designed =
        lab::RunSweepPoint(lab::PointOptions(chipSum, window->CurrentPlan(), 0),
                           window->Rows()[0].point, std::nullopt);
    ASSERT_TRUE(perTooth && designed);
    EXPECT_EQ(window->Rows()[0].lastRevolutionMean, perTooth->lastRevolutionMean);
    EXPECT_NE(window->Rows()[0].lastRevolutionMean, designed->lastRevolutionMean);
}

TEST_F(ExperimentWindowTest, CancelStopsALongSweepAndKeepsTheRowsSoFar) {
    Choose("Brzina pomoćnog kretanja, mm/min", 40, 600, 1);
    QSignalSpy finished(window, &TExperimentWindow::Finished);
    QTest::mouseClick(window->RunButton, Qt::LeftButton);
    EXPECT_FALSE(window->RunButton->isEnabled());
    EXPECT_TRUE(window->CancelButton->isEnabled());
    QTRY_VERIFY_WITH_TIMEOUT(!window->Rows().empty(), kWaitMs);
    QTest::mouseClick(window->CancelButton, Qt::LeftButton);
    ASSERT_TRUE(finished.wait(kWaitMs));
    EXPECT_LT(window->Rows().size(), 561u);
    EXPECT_TRUE(window->StatusLabel->text().startsWith(QString::fromUtf8("Prekinuto")));
    EXPECT_TRUE(window->RunButton->isEnabled());
    EXPECT_FALSE(window->CancelButton->isEnabled());
}

TEST_F(ExperimentWindowTest, KeptSeriesStaysBesideTheNextOne) {
    Choose("Brzina pomoćnog kretanja, mm/min", 100, 300, 100);
    RunToEnd();
    QTest::mouseClick(window->KeepButton, Qt::LeftButton);
    QTest::mouseClick(form->RadioButton2, Qt::LeftButton); // down milling
    Choose("Brzina pomoćnog kretanja, mm/min", 100, 400, 100);
    RunToEnd();
    EXPECT_EQ(window->Plot().PointCount(0), 4);
    EXPECT_EQ(window->Plot().PointCount(2), 3);
    EXPECT_EQ(window->Plot().PointCount(3), 3);
    EXPECT_TRUE(window->Chart->Legend.Visible());
    EXPECT_EQ(window->Chart->SeriesCount(), 4);
    EXPECT_NE(window->Rows()[0].meanForce, 0.0);
}

// The legend lists the series that have points: none before a run, the current pair after the
// first one, and the kept pair beside it after "Zadrži".
TEST_F(ExperimentWindowTest, TheLegendListsOnlySeriesWithPoints) {
    // px, the legend's lines of text (a line per entry, 2 px of margin above and below).
    const auto legendHeight = [this] {
        window->Chart->PaintNow();
        const chart::TRect& r = window->Chart->Legend.LegendRect;
        return r.Right > r.Left ? r.Bottom - r.Top - 4 : 0;
    };
    EXPECT_EQ(legendHeight(), 0);
    Choose("Brzina pomoćnog kretanja, mm/min", 100, 300, 100);
    RunToEnd();
    const int twoEntries = legendHeight();
    EXPECT_GT(twoEntries, 0);
    QTest::mouseClick(window->KeepButton, Qt::LeftButton);
    EXPECT_EQ(legendHeight(), 2 * twoEntries); // the kept copy beside the series it copies
    RunToEnd();
    EXPECT_EQ(legendHeight(), 2 * twoEntries);
}

TEST_F(ExperimentWindowTest, LogAxesShowTheFittedExponent) {
    Choose("Brzina pomoćnog kretanja, mm/min", 100, 400, 100);
    RunToEnd();
    EXPECT_EQ(window->ExponentLabel->text(), "");
    window->LogAxes->setChecked(true);
    EXPECT_TRUE(window->Chart->LeftAxis().Logarithmic());
    EXPECT_TRUE(window->ExponentLabel->text().startsWith(QString::fromUtf8("Eksponent: 0")));
    EXPECT_TRUE(window->ExponentLabel->text().contains(QString::fromUtf8("materijal: 0")));
}

TEST_F(ExperimentWindowTest, RangeFieldsFollowTheInputsTable) {
    Choose("Brzina pomoćnog kretanja, mm/min", 200, 300, 10);
    EXPECT_EQ(window->FromEdit->minimum(), 40);
    EXPECT_EQ(window->FromEdit->maximum(), 600);
    EXPECT_EQ(window->ToEdit->minimum(), 200); // "Do" cannot go below "Od"
    window->ToEdit->setValue(100);
    EXPECT_EQ(window->ToEdit->value(), 200);
    window->StepEdit->setValue(0);
    EXPECT_EQ(window->StepEdit->value(), 1);
    EXPECT_TRUE(window->LimitsLabel->text().contains("40"));

    window->InputChoice->setCurrentIndex(window->InputChoice->findText("Dubina, mm"));
    EXPECT_EQ(window->FromEdit->decimals(), 1);
    EXPECT_EQ(window->FromEdit->minimum(), 0.5);
    EXPECT_TRUE(window->LimitsLabel->text().contains(QString::fromUtf8("polovine prečnika")));
    window->ToEdit->setValue(2.5);
    EXPECT_EQ(window->CurrentPlan().to, 25);

    window->InputChoice->setCurrentIndex(window->InputChoice->findText("Svi materijali obratka"));
    EXPECT_FALSE(window->FromEdit->isEnabled());
    EXPECT_FALSE(window->LogAxes->isEnabled());
    EXPECT_EQ(window->CurrentPlan().kind, lab::SweepKind::Workpiece);
}

TEST_F(ExperimentWindowTest, SavesTheTableAsCsvAndThePlotAsPng) {
    EXPECT_FALSE(window->SaveCsvButton->isEnabled());
    window->InputChoice->setCurrentIndex(window->InputChoice->findText("Oba smera glodanja"));
    RunToEnd();
    answer = dir.filePath("table.csv");
    QTest::mouseClick(window->SaveCsvButton, Qt::LeftButton);
    QFile csv(answer);
    ASSERT_TRUE(csv.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = csv.readAll().split('\n');
    ASSERT_EQ(lines.size(), 4); // header, up, down, and the end of the last line
    EXPECT_EQ(lines[0].toStdString(), lab::kSweepCsvHeader);
    EXPECT_TRUE(lines[1].startsWith("up,"));
    EXPECT_TRUE(lines[2].startsWith("down,"));

    answer = dir.filePath("plot.png");
    QTest::mouseClick(window->SavePngButton, Qt::LeftButton);
    const QImage image(answer);
    EXPECT_EQ(image.size(), QSize(lab::kSweepPlotWidth, lab::kSweepPlotHeight));

    answer = dir.filePath("missing/plot.png");
    QTest::mouseClick(window->SavePngButton, Qt::LeftButton);
    EXPECT_TRUE(window->StatusLabel->text().contains(QString::fromUtf8("nije upisana")));
}

// The experiment runs with the materials the main window's run would use, however the combo
// box got its text.
struct MaterialTextCase {
    const char* name;
    const char* typed;    // typed over a choice of C35 from the list; null: nothing typed
    const char* expected; // the workpiece material both runs use
};

class ExperimentMaterialTest : public LabWindowTest,
                               public ::testing::WithParamInterface<MaterialTextCase> {};

TEST_P(ExperimentMaterialTest, MatchesTheMainWindowsRun) {
    form->ComboBox1->setCurrentIndex(form->ComboBox1->findText(QStringLiteral("C35")));
    if (GetParam().typed != nullptr) {
        form->ComboBox1->setEditText(QString::fromUtf8(GetParam().typed));
    }
    const int expected = sim::FindWorkpieceMaterial(GetParam().expected);
    ASSERT_GT(expected, 0);
    EXPECT_EQ(form->State().WorkpieceMaterial, expected);
    EXPECT_EQ(FixedInputsOf(*form).workpieceMaterial, std::optional<int>(expected));
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ExperimentMaterialTest,
    ::testing::Values(MaterialTextCase{"PickedFromTheList", nullptr, "C35"},
                      MaterialTextCase{"TypedExactly", "28Cr4", "28Cr4"},
                      // Another case names no material: the choice before it stays.
                      MaterialTextCase{"TypedInAnotherCase", "28cr4", "C35"},
                      MaterialTextCase{"TypedPartly", "28C", "C35"}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace app
