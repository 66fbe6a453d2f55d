// Every input of the window typed with a value no other input has, then followed into each place
// that carries it by name: the core's state, the experiment window's fixed inputs, the scenario
// file the window writes, the run log and the trace log's comment lines. After a run with these
// inputs, every cell of the measurements window, every column of the run log (under its
// heading) and every column of the trace CSV is checked against values worked out in the test
// (support/lab_reference.h). The experiment window's range fields stop at the field's limits.
#include "app/experiment_window.h"
#include "app/lab_test_support.h"
#include "app/scenario_tools.h"
#include "batch/batch_run.h"
#include "lab/run_csv.h"
#include "sim/materials.h"
#include "support/lab_reference.h"
#include "widgets/spin_edit.h"

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFile>
#include <QHeaderView>
#include <QTableWidget>

#include <cmath>
#include <map>
#include <set>
#include <sstream>

namespace app {
namespace {

using lab_reference::Agrees;
constexpr double kDegree = lab_reference::kWindowRadiansPerDegree;

// One input: the designed window's field, the text typed into it, where the core keeps it, and
// how the scenario file and the report's inputs write it.
struct InputRow {
    const char* key;
    widgets::TSpinEdit* TForm1::*edit;
    const char* typed;
    double (*state)(const sim::SimState&);
    double value; // in the state's unit
    const char* fileText;
    const char* reportKey; // nullptr: the chart's axes, not an input of a run
};

const InputRow kInputs[] = {
    {"diameter", &TForm1::SpinEdit1, "130",
     [](const sim::SimState& s) -> double { return s.CutterDiameter; }, 130, "130",
     "cutter_diameter_mm"},
    {"teeth", &TForm1::SpinEdit2, "14",
     [](const sim::SimState& s) -> double { return s.ToothCount; }, 14, "14", "teeth"},
    {"rake", &TForm1::SpinEdit3, "13", [](const sim::SimState& s) { return s.RakeAngle; },
     13 * kDegree, "13", "rake_angle_rad"},
    {"clearance", &TForm1::SpinEdit4, "17", [](const sim::SimState& s) { return s.ClearanceAngle; },
     17 * kDegree, "17", "clearance_angle_rad"},
    {"helix", &TForm1::SpinEdit8, "35", [](const sim::SimState& s) { return s.HelixAngle; },
     35 * kDegree, "35", "helix_angle_rad"},
    {"speed", &TForm1::SpinEdit5, "90", [](const sim::SimState& s) { return s.CuttingSpeed; }, 90,
     "90", "cutting_speed_m_per_min"},
    {"feed", &TForm1::SpinEdit6, "270", [](const sim::SimState& s) { return s.FeedSpeed; }, 270,
     "270", "feed_speed_mm_per_min"},
    {"depth", &TForm1::SpinEdit7, "155", [](const sim::SimState& s) { return s.DepthMm; }, 15.5,
     "15.5", "depth_mm"},
    {"width", &TForm1::SpinEdit9, "40", [](const sim::SimState& s) -> double { return s.CutWidth; },
     40, "40", "width_mm"},
    {"force_max", &TForm1::SpinEdit10, "7300",
     [](const sim::SimState& s) { return s.ForceAxisMax; }, 7300, "7300", nullptr},
    {"chip_max", &TForm1::SpinEdit11, "7", [](const sim::SimState& s) { return s.ChipAxisMax; },
     0.7, "0.7", nullptr},
};

// A number the window shows, read back whatever the decimal separator.
// The number a cell shows; what may follow it (a degree sign, a normal force's "(podiže)") is
// left off.
double ShownNumber(QString text) {
    text = text.section(QLatin1Char(' '), 0, 0);
    if (text.endsWith(QChar(0x00B0))) {
        text.chop(1);
    }
    text.replace(QLatin1Char(SystemDecimalSeparator()), QLatin1Char('.'));
    bool ok = false;
    const double value = text.toDouble(&ok);
    EXPECT_TRUE(ok) << text.toStdString();
    return value;
}

class WiringTest : public LabWindowTest {
protected:
    void TypeEveryInput() {
        for (const InputRow& row : kInputs) {
            (form.get()->*row.edit)->SetText(QString::fromUtf8(row.typed));
        }
        form->ComboBox1->setCurrentIndex(form->ComboBox1->findText(QStringLiteral("C4130")));
        form->ComboBox2->setCurrentIndex(form->ComboBox2->findText(QStringLiteral("K40")));
        QTest::mouseClick(form->RadioButton2, Qt::LeftButton);
    }

    // Runs the window to the end of the feed, tallying each tick and keeping its trace row.
    void RunToTheEnd() {
        QTest::mouseClick(form->Button1, Qt::LeftButton);
        while (form->Timer1->isActive()) {
            form->Timer1Timer();
            tally.Add(form->State());
            const sim::SimState& s = form->State();
            const int newest = sim::kTraceLength;
            traceRows.push_back({double(tally.ticks), s.TimeAxis[newest], s.ChipSumTrace[newest],
                                 s.ChipTrace[newest], s.ForceTrace[newest],
                                 s.MeanForceTrace[newest], s.FeedTravel, double(s.ActiveTeethCount),
                                 s.Phase});
        }
        expected = lab_reference::ExpectedReport(form->State(), tally);
    }

    lab_reference::RunTally tally;
    std::vector<std::vector<double>> traceRows;
    lab_reference::Values expected;
};

TEST_F(WiringTest, EachInputArrivesUnderItsOwnName) {
    TypeEveryInput();
    const sim::SimState& s = form->State();
    for (const InputRow& row : kInputs) {
        EXPECT_TRUE(Agrees(row.state(s), row.value)) << row.key << " in the core";
    }

    // The experiment window runs from the fixed inputs by their fields.
    const lab::RunInputs fixed = FixedInputsOf(*form);
    for (const InputRow& row : kInputs) {
        const std::optional<std::string>& text = fixed.fields[sim::FindInputField(row.key)->field];
        if (row.reportKey == nullptr) {
            EXPECT_FALSE(text) << row.key;
        } else {
            EXPECT_EQ(text.value_or("none"), row.typed) << row.key << " in the experiment";
        }
    }
    EXPECT_EQ(fixed.workpieceMaterial, sim::FindWorkpieceMaterial("C4130"));
    EXPECT_EQ(fixed.toolMaterial, sim::FindToolMaterial("K40"));
    EXPECT_EQ(fixed.direction, sim::MillingDirection::Down);

    // The scenario file writes "key=value" lines.
    QString problem;
    const std::optional<scenario::Scenario> saved = form->Scenarios().FromWindow(&problem);
    ASSERT_TRUE(saved) << problem.toStdString();
    const std::string path = PathOf("wiring.glodanje").toStdString();
    ASSERT_FALSE(scenario::WriteScenarioFile(path, *saved));
    QFile file(QString::fromStdString(path));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    std::map<std::string, std::string> lines;
    for (const QByteArray& line : file.readAll().split('\n')) {
        const qsizetype at = line.indexOf('=');
        if (at > 0) {
            lines[line.left(at).trimmed().toStdString()] = line.mid(at + 1).trimmed().toStdString();
        }
    }
    for (const InputRow& row : kInputs) {
        EXPECT_EQ(lines[row.key], row.fileText) << row.key << " in the scenario file";
    }
    EXPECT_EQ(lines["workpiece"], "C4130");
    EXPECT_EQ(lines["tool"], "K40");
    EXPECT_EQ(lines["direction"], "down");

    // The run log and the trace log's comment lines name each input by the report's key.
    form->Tools().AddCurrentToLog();
    ASSERT_EQ(form->Tools().Log().Size(), 1);
    const std::vector<std::string> cells = form->Tools().Log().Cells(0);
    const std::vector<std::string> columns = RunLog::Columns();
    QTest::mouseClick(form->Button1, Qt::LeftButton);
    form->Timer1Timer();
    std::ostringstream traces;
    form->Tools().Traces().WriteCsv(traces);
    std::map<std::string, std::string> comments; // "# key=value" lines
    std::istringstream commentLines(traces.str());
    for (std::string line; std::getline(commentLines, line) && line.rfind("# ", 0) == 0;) {
        const size_t at = line.find('=');
        comments[line.substr(2, at - 2)] = line.substr(at + 1);
    }
    for (const InputRow& row : kInputs) {
        if (row.reportKey == nullptr) {
            continue;
        }
        const auto at = std::find(columns.begin(), columns.end(), row.reportKey) - columns.begin();
        ASSERT_LT(static_cast<size_t>(at), columns.size()) << row.reportKey;
        EXPECT_TRUE(Agrees(std::strtod(cells[at].c_str(), nullptr), row.value))
            << row.key << " in the run log: " << cells[at];
        EXPECT_TRUE(Agrees(std::strtod(comments[row.reportKey].c_str(), nullptr), row.value))
            << row.key << " in the trace log: " << comments[row.reportKey];
    }
}

// A cell of the measurements window, the report's key of the value it shows and its decimals.
struct Cell {
    const char* key;
    const char* pointer;
    int decimals;
};

const Cell kMeasurementCells[] = {
    {"n", "/conditions/spindle_speed_rev_per_min", 2},
    {"fz", "/conditions/feed_per_tooth_mm", 5},
    {"phi", "/conditions/engagement_angle_deg", 2},
    {"ze", "/conditions/teeth_in_cut", 4},
    {"Q", "/conditions/removal_rate_cm3_per_min", 2},
    {"chipSumNow", "/simulated/newest_chip_sum_mm", 5},
    {"chipNow", "/simulated/newest_chip_mm", 5},
    {"forceNow", "/simulated/newest_force_n", 1},
    {"teethNow", "/simulated/teeth_in_cut_now", 0},
    {"largestChipSum", "/simulated/largest_chip_sum_mm", 5},
    {"largestChip", "/simulated/largest_chip_mm", 5},
    {"meanForce", "/simulated/mean_force_n", 1},
    {"hmax.sim", "/simulated/largest_tooth_chip_mm", 5},
    {"hmax.book", "/textbook/max_chip_mm", 5},
    {"hmax.diff", "/comparison/largest_chip_mm/difference_percent", 1},
    {"hm.book", "/textbook/mean_chip_mm", 5},
    {"Fmax.sim", "/simulated/largest_force_n", 1},
    {"Fmax.book", "/textbook/force_at_max_chip_n", 1},
    {"Fmax.diff", "/comparison/largest_force_n/difference_percent", 1},
    {"Fm.book", "/textbook/force_at_mean_chip_n", 1},
    {"Fmean.sim", "/simulated/last_revolution_mean_force_n", 1},
    {"Fmean.book", "/textbook/mean_cutter_force_n", 1},
    {"Fmean.diff", "/comparison/mean_force_n/difference_percent", 1},
    {"P.sim", "/simulated/power_kw", 3},
    {"P.book", "/textbook/power_kw", 3},
    {"P.diff", "/comparison/power_kw/difference_percent", 1},
    {"M.sim", "/simulated/torque_n_m", 1},
    {"M.book", "/textbook/torque_n_m", 1},
    {"M.diff", "/comparison/torque_n_m/difference_percent", 1},
    {"toothKr", "/per_tooth/radial_force_ratio", 2},
    {"toothFt.sim", "/per_tooth/mean_tangential_force_n/simulated", 1},
    {"toothFt.book", "/per_tooth/mean_tangential_force_n/textbook", 1},
    {"toothFt.diff", "/per_tooth/mean_tangential_force_n/difference_percent", 1},
    {"toothFf.sim", "/per_tooth/mean_feed_force_n/simulated", 1},
    {"toothFf.book", "/per_tooth/mean_feed_force_n/textbook", 1},
    {"toothFf.diff", "/per_tooth/mean_feed_force_n/difference_percent", 1},
    {"toothFn.sim", "/per_tooth/mean_normal_force_n/simulated", 1},
    {"toothFn.book", "/per_tooth/mean_normal_force_n/textbook", 1},
    {"toothFn.diff", "/per_tooth/mean_normal_force_n/difference_percent", 1},
    {"toothF.sim", "/per_tooth/resultant_force_n/simulated", 1},
    {"toothF.book", "/per_tooth/resultant_force_n/textbook", 1},
    {"toothF.diff", "/per_tooth/resultant_force_n/difference_percent", 1},
    {"toothAngle.sim", "/per_tooth/resultant_angle_deg/simulated", 1},
    {"toothAngle.book", "/per_tooth/resultant_angle_deg/textbook", 1},
    {"toothAngle.diff", "/per_tooth/resultant_angle_deg/difference_deg", 1},
    {"toothFnPeak.sim", "/per_tooth/peak_normal_force_n/simulated", 1},
    {"toothFnPeak.book", "/per_tooth/peak_normal_force_n/textbook", 1},
    {"toothFnPeak.diff", "/per_tooth/peak_normal_force_n/difference_percent", 1},
    {"toothM.sim", "/per_tooth/torque_n_m/simulated", 1},
    {"toothM.book", "/per_tooth/torque_n_m/textbook", 1},
    {"toothM.diff", "/per_tooth/torque_n_m/difference_percent", 1},
    {"toothP.sim", "/per_tooth/power_kw/simulated", 3},
    {"toothP.book", "/per_tooth/power_kw/textbook", 3},
    {"toothP.diff", "/per_tooth/power_kw/difference_percent", 1},
};

// A heading of the run log window, the CSV key of its column and the report's key of the value
// it holds (or the text it holds).
struct LogColumn {
    const char* heading;
    const char* csvKey;
    const char* pointer; // nullptr: text
    const char* text;
};

const LogColumn kLogColumns[] = {
    {"D, mm", "cutter_diameter_mm", "/inputs/cutter_diameter_mm", nullptr},
    {"z", "teeth", "/inputs/teeth", nullptr},
    {"Grudni ugao, rad", "rake_angle_rad", "/inputs/rake_angle_rad", nullptr},
    {"Ledni ugao, rad", "clearance_angle_rad", "/inputs/clearance_angle_rad", nullptr},
    {"Ugao nagiba, rad", "helix_angle_rad", "/inputs/helix_angle_rad", nullptr},
    {"v, m/min", "cutting_speed_m_per_min", "/inputs/cutting_speed_m_per_min", nullptr},
    {"v_f, mm/min", "feed_speed_mm_per_min", "/inputs/feed_speed_mm_per_min", nullptr},
    {"a, mm", "depth_mm", "/inputs/depth_mm", nullptr},
    {"B, mm", "width_mm", "/inputs/width_mm", nullptr},
    {"Obradak", "workpiece_material", nullptr, "C4130"},
    {"Alat", "tool_material", nullptr, "K40"},
    {"Smer", "direction", nullptr, "down"},
    {"Model sile", "force_model", nullptr, "sum"},
    {"K_r", "radial_force_ratio", "/inputs/radial_force_ratio", nullptr},
    {"Kraj hoda", "finished", nullptr, "1"},
    {"Taktova", "ticks", "/simulated/ticks", nullptr},
    {"h_max, mm", "largest_tooth_chip_mm", "/simulated/largest_tooth_chip_mm", nullptr},
    {"F_max, N", "largest_force_n", "/simulated/largest_force_n", nullptr},
    {"F_sr, N", "mean_force_n", "/simulated/mean_force_n", nullptr},
    {"F_sr obrta, N", "last_revolution_mean_force_n", "/simulated/last_revolution_mean_force_n",
     nullptr},
    {"P, kW", "power_kw", "/simulated/power_kw", nullptr},
    {"M, N·m", "torque_n_m", "/simulated/torque_n_m", nullptr},
    {"Udž. h_max, mm", "textbook_max_chip_mm", "/textbook/max_chip_mm", nullptr},
    {"Udž. F(h_max), N", "textbook_force_at_max_chip_n", "/textbook/force_at_max_chip_n", nullptr},
    {"Udž. z_e·F(h_m), N", "textbook_mean_cutter_force_n", "/textbook/mean_cutter_force_n",
     nullptr},
    {"Udž. P, kW", "textbook_power_kw", "/textbook/power_kw", nullptr},
    {"Udž. M, N·m", "textbook_torque_n_m", "/textbook/torque_n_m", nullptr},
    {"Razlika F_sr, %", "mean_force_difference_percent",
     "/comparison/mean_force_n/difference_percent", nullptr},
};

// The trace CSV's columns and the sample of each tick they hold, in the order RunToTheEnd
// keeps them.
const char* const kTraceColumns[] = {"tick",       "time",        "chip_sum",     "chip", "force",
                                     "mean_force", "feed_travel", "active_teeth", "phase"};

TEST_F(WiringTest, EveryNumberShownOrSavedAfterARunIsItsOwnQuantity) {
    TypeEveryInput();
    RunToTheEnd();
    ASSERT_NE(tally.firstForceTick, tally.forceTicks);
    ASSERT_NE(expected["/simulated/power_kw"], expected["/simulated/torque_n_m"]);

    // The measurements window, each cell to its decimals.
    form->Tools().ShowMeasurements();
    TMeasurementsWindow* measurements = form->Tools().MeasurementsWindow();
    measurements->Refresh();
    for (const Cell& cell : kMeasurementCells) {
        const double want = *expected.at(cell.pointer);
        const double shown = ShownNumber(measurements->ValueText(cell.key));
        EXPECT_LE(std::abs(shown - want),
                  0.5 * std::pow(10.0, -cell.decimals) + 1e-9 * std::abs(want))
            << cell.key << " shows " << shown << " instead of " << want;
    }
    // The peak normal force says what it does to the workpiece.
    for (const char* peak : {"toothFnPeak.sim", "toothFnPeak.book"}) {
        const QString text = measurements->ValueText(peak);
        EXPECT_TRUE(text.endsWith(ShownNumber(text) < 0 ? QString::fromUtf8(" (podiže)")
                                                        : QString::fromUtf8(" (pritiska)")))
            << text.toStdString();
    }

    // The run log: the finished run's row, every column under its heading.
    form->Tools().ShowRunLog();
    const QTableWidget* table = form->Tools().RunLogWindow()->Table;
    ASSERT_EQ(form->Tools().Log().Size(), 1);
    ASSERT_EQ(table->columnCount(), static_cast<int>(std::size(kLogColumns)));
    const std::vector<std::string> columns = RunLog::Columns();
    const std::vector<std::string> cells = form->Tools().Log().Cells(0);
    for (int c = 0; c < table->columnCount(); ++c) {
        const std::string heading = table->horizontalHeaderItem(c)->text().toStdString();
        const auto row = std::find_if(std::begin(kLogColumns), std::end(kLogColumns),
                                      [&](const LogColumn& l) { return heading == l.heading; });
        ASSERT_NE(row, std::end(kLogColumns)) << heading << " has no check";
        EXPECT_EQ(columns[c], row->csvKey) << heading;
        const QString shown = table->item(0, c)->text();
        if (row->pointer == nullptr) {
            EXPECT_EQ(cells[c], row->text) << heading;
            EXPECT_EQ(shown.toStdString(), row->text) << heading;
            continue;
        }
        const double want = *expected.at(row->pointer);
        EXPECT_TRUE(Agrees(std::strtod(cells[c].c_str(), nullptr), want))
            << heading << ": " << cells[c] << " instead of " << want;
        EXPECT_LE(std::abs(ShownNumber(shown) - want), 5e-6 * std::abs(want))
            << heading << " shows " << shown.toStdString();
    }

    // The trace CSV: the header, then one row per tick of each tick's samples.
    std::ostringstream csv;
    form->Tools().Traces().WriteCsv(csv);
    std::istringstream in(csv.str());
    std::string line;
    while (std::getline(in, line) && line.rfind('#', 0) == 0) {
    }
    std::string header;
    for (const char* column : kTraceColumns) {
        if (!header.empty()) {
            header += ',';
        }
        header += column;
    }
    EXPECT_EQ(line, header);
    size_t tick = 0;
    while (std::getline(in, line)) {
        ASSERT_LT(tick, traceRows.size());
        std::istringstream cellsOfRow(line);
        std::string cell;
        for (size_t c = 0; c < std::size(kTraceColumns); ++c) {
            ASSERT_TRUE(std::getline(cellsOfRow, cell, ',')) << line;
            ASSERT_EQ(cell, lab::FormatReal(traceRows[tick][c]))
                << kTraceColumns[c] << " at tick " << tick + 1;
        }
        ++tick;
    }
    EXPECT_EQ(tick, traceRows.size());
}

// A numeric input of the experiment window and its range in the unit the window shows.
struct RangeRow {
    const char* key;
    double minimum;
    double maximum;
    double step;
};

const RangeRow kRanges[] = {
    {"diameter", 50, 180, 10}, {"teeth", 4, 20, 2},     {"rake", 0, 20, 1},
    {"clearance", 5, 25, 1},   {"helix", 0, 50, 5},     {"speed", 30, 120, 10},
    {"feed", 40, 600, 10},     {"depth", 0.5, 50, 0.5}, {"width", 10, 100, 10},
};

// Each range field takes both ends of its input's limits and holds there when asked for one
// step beyond; the plan then names the input and the ends in the field's own units.
TEST_F(WiringTest, ExperimentRangeFieldsStopAtTheLimits) {
    TExperimentWindow* window = ShowExperiment(*form);
    std::set<std::string> seen;
    for (int i = 0; i < window->InputChoice->count(); ++i) {
        window->InputChoice->setCurrentIndex(i);
        if (window->CurrentPlan().kind != lab::SweepKind::Field) {
            continue;
        }
        const sim::InputFieldSpec& fieldRow = sim::FieldSpec(window->CurrentPlan().field);
        seen.insert(fieldRow.key);
        const auto row =
            std::find_if(std::begin(kRanges), std::end(kRanges),
                         [&](const RangeRow& r) { return fieldRow.key == std::string(r.key); });
        ASSERT_NE(row, std::end(kRanges)) << fieldRow.key;
        // Either field reaches either end; the other field is moved out of its way first.
        const auto set = [](QDoubleSpinBox* edit, double value) {
            edit->setValue(value);
            return edit->value();
        };
        EXPECT_EQ(set(window->ToEdit, row->maximum + row->step), row->maximum) << fieldRow.key;
        EXPECT_EQ(set(window->FromEdit, row->maximum), row->maximum) << fieldRow.key;
        EXPECT_EQ(set(window->FromEdit, row->minimum - row->step), row->minimum) << fieldRow.key;
        EXPECT_EQ(set(window->ToEdit, row->minimum), row->minimum) << fieldRow.key;
        EXPECT_EQ(set(window->ToEdit, row->maximum + row->step), row->maximum) << fieldRow.key;
        EXPECT_EQ(window->StepEdit->value(), row->step) << fieldRow.key;
        const lab::SweepPlan plan = window->CurrentPlan();
        EXPECT_EQ(plan.from, fieldRow.scale * row->minimum) << fieldRow.key;
        EXPECT_EQ(plan.to, fieldRow.scale * row->maximum) << fieldRow.key;
        EXPECT_EQ(lab::CheckSweepPlan(plan), "") << fieldRow.key;
    }
    EXPECT_EQ(seen.size(), std::size(kRanges));
}

} // namespace
} // namespace app
