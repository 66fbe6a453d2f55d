// The experiment window ("Eksperiment"): one input varied over a range (or every workpiece or
// tool material, or both directions) with the other inputs as the main window holds them. The
// series runs on a thread of its own (SweepWorker) while the main window stays usable; each row
// comes back through a queued call, so the plot grows point by point and the table below lists
// the rows.
// The plot and the table can be saved; a finished series can be kept to compare with the next.
#pragma once

#include "app/sweep_worker.h"
#include "lab/sweep.h"
#include "lab/sweep_plot.h"

#include <QWidget>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QLabel;
class QProgressBar;
class QPushButton;
class QTableWidget;

namespace chart {
class TChart;
class TChartWidget;
} // namespace chart

namespace app {

class TForm1;

// The fixed inputs of a run as the main window holds them: the field texts, the materials
// chosen in the two lists and the direction.
lab::RunInputs FixedInputsOf(const TForm1& form);

class TExperimentWindow;

// Shows the form's experiment window, made on first use (owned by form).
TExperimentWindow* ShowExperiment(TForm1& form);

class TExperimentWindow : public QWidget {
    Q_OBJECT

public:
    using Source = std::function<lab::RunInputs()>;
    // A window of its own, owned by owner; source gives the fixed inputs at each "Pokreni".
    TExperimentWindow(Source source, QWidget* owner);
    ~TExperimentWindow() override;

    // Asks for the name of a file to write: caption, suggested name, filter; "" cancels.
    std::function<QString(const QString&, const QString&, const QString&)> ChooseSaveFile;

    bool Running() const { return worker_.Running(); }
    const std::vector<lab::SweepRow>& Rows() const { return rows_; }
    const lab::SweepPlot& Plot() const { return *plot_; }
    // The plan the controls describe now.
    lab::SweepPlan CurrentPlan() const;

    QComboBox* InputChoice = nullptr; // what varies
    QDoubleSpinBox* FromEdit = nullptr;
    QDoubleSpinBox* ToEdit = nullptr;
    QDoubleSpinBox* StepEdit = nullptr;
    QLabel* LimitsLabel = nullptr;       // the limits of the range, and why
    QPushButton* RunButton = nullptr;    // "Pokreni"
    QPushButton* CancelButton = nullptr; // "Prekini"
    QProgressBar* Progress = nullptr;
    QCheckBox* LogAxes = nullptr;
    QLabel* ExponentLabel = nullptr;
    QPushButton* KeepButton = nullptr; // "Zadrži"
    QPushButton* SaveCsvButton = nullptr;
    QPushButton* SavePngButton = nullptr;
    QLabel* StatusLabel = nullptr;
    QTableWidget* Table = nullptr;
    chart::TChart* Chart = nullptr; // the chart shown by ChartWidget
    chart::TChartWidget* ChartWidget = nullptr;

    void RunClick();
    void CancelClick();
    void KeepClick();
    void SaveCsvClick();
    void SavePngClick();

signals:
    // The series ended: done, cancelled or failed.
    void Finished();

protected:
    void changeEvent(QEvent* event) override;

private:
    // Sets every text of the window in the current language; runs at construction and on every
    // language change. Values, rows and the plot's points stay as they are.
    void RetranslateUi();
    // The limits of the chosen input and why, under the range fields.
    void ShowLimits();
    // Shows text() in the status line now and again after a language change.
    void SetStatus(std::function<QString()> text);
    void FillRow(int r, const lab::SweepRow& row);
    // The legend name of series number ("Serija 2").
    QString SeriesName(int number) const;
    void InputChoiceChange();
    void RangeChange();
    void LogAxesChange();
    void RowArrived(size_t index, const lab::SweepRow& row);
    void SweepEnded(bool cancelled);
    void UpdateExponent();
    void UpdateButtons();

    Source source_;
    std::unique_ptr<lab::SweepPlot> plot_;
    std::vector<lab::SweepRow> rows_;
    size_t points_ = 0;
    int series_ = 0;     // series run so far, for the legend names
    int keptSeries_ = 0; // the series kept for comparison; 0: none
    std::function<QString()> status_;
    QLabel* inputLabel_ = nullptr;
    QLabel* fromLabel_ = nullptr;
    QLabel* toLabel_ = nullptr;
    QLabel* stepLabel_ = nullptr;
    // Last, so that a running series stops before anything else of the window goes.
    SweepWorker worker_;
};

} // namespace app
