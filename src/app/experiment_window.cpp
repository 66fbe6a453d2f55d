#include "app/experiment_window.h"

#include "app/form1.h"
#include "app/measurements_window.h"
#include "canvas/canvas.h"
#include "chart/chart.h"
#include "chart/chart_widget.h"
#include "widgets/spin_edit.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QEvent>
#include <QFileDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QImage>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSaveFile>
#include <QTableWidget>
#include <QVBoxLayout>
#include <sstream>

namespace app {
namespace {

// The numeric inputs a sweep may vary, in the table's order; the choices after them are the
// materials and the direction.
std::vector<sim::InputField> SweepFields() {
    std::vector<sim::InputField> fields;
    for (const sim::InputFieldSpec& fieldSpec : sim::kInputFields) {
        if (lab::IsRunInput(fieldSpec)) {
            fields.push_back(fieldSpec.field);
        }
    }
    return fields;
}

constexpr lab::SweepKind kListKinds[] = {lab::SweepKind::Workpiece, lab::SweepKind::Tool,
                                         lab::SweepKind::Direction};

const char* const kTableHeaders[] = {
    QT_TRANSLATE_NOOP("app::TExperimentWindow", "Vrednost"),
    QT_TRANSLATE_NOOP("app::TExperimentWindow", "Taktova"),
    QT_TRANSLATE_NOOP("app::TExperimentWindow", "Najveća debljina, mm"),
    QT_TRANSLATE_NOOP("app::TExperimentWindow", "Najveća sila, N"),
    QT_TRANSLATE_NOOP("app::TExperimentWindow", "Srednja sila, N"),
    QT_TRANSLATE_NOOP("app::TExperimentWindow", "Poslednji obrt, N"),
    QT_TRANSLATE_NOOP("app::TExperimentWindow", "Snaga, kW"),
    QT_TRANSLATE_NOOP("app::TExperimentWindow", "Moment, N m"),
    "h_max, mm",
    "h_m, mm",
    QT_TRANSLATE_NOOP("app::TExperimentWindow", "Udžbenik: sila, N")};

// The choices after the numeric inputs, in kListKinds' order.
const char* const kListChoices[] = {
    QT_TRANSLATE_NOOP("app::TExperimentWindow", "Svi materijali obratka"),
    QT_TRANSLATE_NOOP("app::TExperimentWindow", "Svi materijali alata"),
    QT_TRANSLATE_NOOP("app::TExperimentWindow", "Oba smera glodanja")};

} // namespace

lab::RunInputs FixedInputsOf(const TForm1& form) {
    lab::RunInputs options;
    for (const sim::InputFieldSpec& fieldSpec : sim::kInputFields) {
        if (lab::IsRunInput(fieldSpec)) {
            options.fields[fieldSpec.field] = form.EditOf(fieldSpec.field)->Text().toStdString();
        }
    }
    // The materials the main window's run would use: the core's choice, which the combo boxes
    // set by the text they show, whether picked from the list or typed.
    const sim::SimState& s = form.State();
    if (s.WorkpieceMaterial != 0) {
        options.workpieceMaterial = s.WorkpieceMaterial;
    }
    if (s.ToolMaterial != 0) {
        options.toolMaterial = s.ToolMaterial;
    }
    options.direction = s.MillingDirection;
    options.forceModel = s.ForceModel;
    options.radialRatio = s.RadialForceRatio;
    return options;
}

TExperimentWindow* ShowExperiment(TForm1& form) {
    auto* window = form.findChild<TExperimentWindow*>(QString(), Qt::FindDirectChildrenOnly);
    if (window == nullptr) {
        window = new TExperimentWindow([&form] { return FixedInputsOf(form); }, &form);
    }
    window->show();
    window->raise();
    window->activateWindow();
    return window;
}

TExperimentWindow::TExperimentWindow(Source source, QWidget* owner)
    : QWidget(owner, Qt::Window), source_(std::move(source)),
      worker_(
          this, [this](size_t index, const lab::SweepRow& row) { RowArrived(index, row); },
          [this](bool cancelled) { SweepEnded(cancelled); }) {
    ChooseSaveFile = [this](const QString& caption, const QString& suggested,
                            const QString& filter) {
        return QFileDialog::getSaveFileName(this, caption, suggested, filter);
    };

    InputChoice = new QComboBox(this);
    // The texts come with RetranslateUi.
    for (size_t i = 0; i < SweepFields().size() + std::size(kListChoices); ++i) {
        InputChoice->addItem(QString());
    }
    InputChoice->setCurrentIndex(static_cast<int>(sim::InputField::Feed));
    FromEdit = new QDoubleSpinBox(this);
    ToEdit = new QDoubleSpinBox(this);
    StepEdit = new QDoubleSpinBox(this);
    LimitsLabel = new QLabel(this);
    LimitsLabel->setWordWrap(true);
    RunButton = new QPushButton(this);
    CancelButton = new QPushButton(this);
    Progress = new QProgressBar(this);
    LogAxes = new QCheckBox(this);
    ExponentLabel = new QLabel(this);
    KeepButton = new QPushButton(this);
    SaveCsvButton = new QPushButton(this);
    SavePngButton = new QPushButton(this);
    StatusLabel = new QLabel(this);
    ChartWidget = new chart::TChartWidget(this);
    ChartWidget->setMinimumSize(640, 400);
    Chart = &ChartWidget->Chart();
    plot_ = std::make_unique<lab::SweepPlot>(*Chart, lab::SweepLegend::SeriesWithPoints);
    Table = new QTableWidget(0, static_cast<int>(std::size(kTableHeaders)), this);
    Table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);

    inputLabel_ = new QLabel(this);
    fromLabel_ = new QLabel(this);
    toLabel_ = new QLabel(this);
    stepLabel_ = new QLabel(this);
    RetranslateUi();

    auto* range = new QGridLayout;
    range->addWidget(inputLabel_, 0, 0);
    range->addWidget(InputChoice, 0, 1, 1, 5);
    range->addWidget(fromLabel_, 1, 0);
    range->addWidget(FromEdit, 1, 1);
    range->addWidget(toLabel_, 1, 2);
    range->addWidget(ToEdit, 1, 3);
    range->addWidget(stepLabel_, 1, 4);
    range->addWidget(StepEdit, 1, 5);
    range->addWidget(LimitsLabel, 2, 0, 1, 6);
    auto* actions = new QHBoxLayout;
    for (QWidget* w :
         std::initializer_list<QWidget*>{RunButton, CancelButton, Progress, LogAxes, ExponentLabel,
                                         KeepButton, SaveCsvButton, SavePngButton}) {
        actions->addWidget(w);
    }
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(range);
    layout->addLayout(actions);
    layout->addWidget(StatusLabel);
    layout->addWidget(ChartWidget, 3);
    layout->addWidget(Table, 2);

    connect(InputChoice, &QComboBox::currentIndexChanged, this, [this] { InputChoiceChange(); });
    connect(FromEdit, &QDoubleSpinBox::valueChanged, this, [this] { RangeChange(); });
    connect(ToEdit, &QDoubleSpinBox::valueChanged, this, [this] { RangeChange(); });
    connect(StepEdit, &QDoubleSpinBox::valueChanged, this, [this] { RangeChange(); });
    connect(RunButton, &QPushButton::clicked, this, [this] { RunClick(); });
    connect(CancelButton, &QPushButton::clicked, this, [this] { CancelClick(); });
    connect(KeepButton, &QPushButton::clicked, this, [this] { KeepClick(); });
    connect(SaveCsvButton, &QPushButton::clicked, this, [this] { SaveCsvClick(); });
    connect(SavePngButton, &QPushButton::clicked, this, [this] { SavePngClick(); });
    connect(LogAxes, &QCheckBox::toggled, this, [this] { LogAxesChange(); });
    InputChoiceChange();
    resize(900, 800);
}

TExperimentWindow::~TExperimentWindow() = default;

void TExperimentWindow::RetranslateUi() {
    setWindowTitle(tr("Eksperiment"));
    const std::vector<sim::InputField> fields = SweepFields();
    for (size_t i = 0; i < fields.size(); ++i) {
        lab::SweepPlan plan;
        plan.field = fields[i];
        InputChoice->setItemText(static_cast<int>(i),
                                 QString::fromStdString(lab::SweepAxisTitle(plan)));
    }
    for (size_t i = 0; i < std::size(kListChoices); ++i) {
        InputChoice->setItemText(static_cast<int>(fields.size() + i), tr(kListChoices[i]));
    }
    inputLabel_->setText(tr("Ulaz"));
    fromLabel_->setText(tr("Od"));
    toLabel_->setText(tr("Do"));
    stepLabel_->setText(tr("Korak"));
    RunButton->setText(tr("Pokreni"));
    CancelButton->setText(tr("Prekini"));
    LogAxes->setText(tr("Logaritamske ose"));
    KeepButton->setText(tr("Zadrži"));
    SaveCsvButton->setText(tr("Sačuvaj tabelu kao CSV..."));
    SavePngButton->setText(tr("Sačuvaj sliku kao PNG..."));
    QStringList headers;
    for (const char* header : kTableHeaders) {
        headers << tr(header);
    }
    Table->setHorizontalHeaderLabels(headers);
    for (int r = 0; r < Table->rowCount(); ++r) {
        FillRow(r, rows_[static_cast<size_t>(r)]);
    }
    plot_->SetTexts(series_ == 0 ? QString() : SeriesName(series_),
                    keptSeries_ == 0 ? QString() : SeriesName(keptSeries_));
    Chart->update();
    ShowLimits();
    if (status_) {
        StatusLabel->setText(status_());
    }
    UpdateExponent();
}

void TExperimentWindow::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) {
        RetranslateUi();
    }
    QWidget::changeEvent(event);
}

QString TExperimentWindow::SeriesName(int number) const {
    return tr("Serija %1").arg(number);
}

void TExperimentWindow::SetStatus(std::function<QString()> text) {
    status_ = std::move(text);
    StatusLabel->setText(status_());
}

lab::SweepPlan TExperimentWindow::CurrentPlan() const {
    lab::SweepPlan plan;
    const std::vector<sim::InputField> fields = SweepFields();
    const auto choice = static_cast<size_t>(InputChoice->currentIndex());
    if (choice >= fields.size()) {
        plan.kind = kListKinds[choice - fields.size()];
        return plan;
    }
    plan.field = fields[choice];
    const double scale = sim::FieldSpec(plan.field).scale;
    plan.from = static_cast<int32_t>(std::lround(FromEdit->value() * scale));
    plan.to = static_cast<int32_t>(std::lround(ToEdit->value() * scale));
    plan.step = static_cast<int32_t>(std::lround(StepEdit->value() * scale));
    return plan;
}

void TExperimentWindow::InputChoiceChange() {
    const std::vector<sim::InputField> fields = SweepFields();
    const auto choice = static_cast<size_t>(InputChoice->currentIndex());
    const bool numeric = choice < fields.size();
    for (QDoubleSpinBox* edit : {FromEdit, ToEdit, StepEdit}) {
        edit->setEnabled(numeric);
    }
    LogAxes->setEnabled(numeric);
    ShowLimits();
    if (!numeric) {
        UpdateButtons();
        return;
    }
    const sim::InputFieldSpec& fieldSpec = sim::FieldSpec(fields[choice]);
    const double scale = fieldSpec.scale;
    const int decimals = fieldSpec.scale == 1 ? 0 : 1;
    const double minimum = fieldSpec.minimum / scale;
    const double maximum = fieldSpec.maximum / scale;
    const QSignalBlocker blockFrom(FromEdit), blockTo(ToEdit), blockStep(StepEdit);
    for (QDoubleSpinBox* edit : {FromEdit, ToEdit, StepEdit}) {
        edit->setDecimals(decimals);
    }
    FromEdit->setRange(minimum, maximum);
    FromEdit->setSingleStep(fieldSpec.step / scale);
    FromEdit->setValue(minimum);
    ToEdit->setRange(minimum, maximum);
    ToEdit->setSingleStep(fieldSpec.step / scale);
    ToEdit->setValue(maximum);
    // The smallest step the field takes still gives fewer runs than the limit.
    StepEdit->setRange(1 / scale, std::max(1 / scale, maximum - minimum));
    StepEdit->setSingleStep(fieldSpec.step / scale);
    StepEdit->setValue(fieldSpec.step / scale);
    RangeChange();
}

void TExperimentWindow::ShowLimits() {
    const std::vector<sim::InputField> fields = SweepFields();
    const auto choice = static_cast<size_t>(InputChoice->currentIndex());
    if (choice >= fields.size()) {
        LimitsLabel->setText(tr("Po jedno izvođenje za svaku stavku liste; "
                                "ostali ulazi su kao u glavnom prozoru."));
        return;
    }
    const sim::InputFieldSpec& fieldSpec = sim::FieldSpec(fields[choice]);
    const double scale = fieldSpec.scale;
    QString why = tr("Granice polja: %1 do %2 %3; „Do“ nije manje od „Od“, "
                     "korak je najmanje %4.")
                      .arg(fieldSpec.minimum / scale)
                      .arg(fieldSpec.maximum / scale)
                      .arg(QString::fromUtf8(fieldSpec.unit))
                      .arg(1 / scale);
    if (fieldSpec.maximumFollowsDiameter) {
        why += tr(" Dubina veća od polovine prečnika se preskače.");
    }
    LimitsLabel->setText(why);
}

void TExperimentWindow::RangeChange() {
    // "Do" cannot be set below "Od".
    ToEdit->setMinimum(FromEdit->value());
    UpdateButtons();
}

void TExperimentWindow::UpdateButtons() {
    const bool running = Running();
    RunButton->setEnabled(!running);
    CancelButton->setEnabled(running);
    InputChoice->setEnabled(!running);
    KeepButton->setEnabled(!running && !rows_.empty());
    SaveCsvButton->setEnabled(!running && !rows_.empty());
    SavePngButton->setEnabled(!running && !rows_.empty());
}

void TExperimentWindow::RunClick() {
    if (Running()) {
        return;
    }
    lab::SweepRequest request;
    request.base = source_();
    request.plan = CurrentPlan();
    if (const std::string error = lab::CheckSweepPlan(request.plan); !error.empty()) {
        SetStatus([error] { return QString::fromStdString(error); });
        return;
    }
    request.jobs = lab::DefaultJobs();
    rows_.clear();
    points_ = lab::SweepPoints(request.plan).size();
    Table->setRowCount(0);
    Progress->setRange(0, static_cast<int>(points_));
    Progress->setValue(0);
    ++series_;
    plot_->Start(request.plan, SeriesName(series_));
    plot_->SetLogAxes(LogAxes->isChecked());
    Chart->update();
    ExponentLabel->clear();
    SetStatus([this] { return tr("Radi..."); });
    worker_.Start(std::move(request));
    UpdateButtons();
}

void TExperimentWindow::CancelClick() {
    worker_.Cancel();
}

void TExperimentWindow::RowArrived(size_t, const lab::SweepRow& row) {
    rows_.push_back(row);
    plot_->AddRow(row);
    Chart->update();
    const int r = Table->rowCount();
    Table->insertRow(r);
    FillRow(r, row);
    Progress->setValue(static_cast<int>(rows_.size()));
}

void TExperimentWindow::FillRow(int r, const lab::SweepRow& row) {
    const auto cell = [this, r](int column, const QString& text) {
        Table->setItem(r, column, new QTableWidgetItem(text));
    };
    cell(0, QString::fromStdString(row.point.label));
    if (!row.ran) {
        // A run is skipped for what the core reports (a missing material, say).
        cell(1, tr("preskočeno: %1").arg(CoreText(row.skipped.c_str())));
    } else {
        cell(1, QString::number(row.ticks));
        const double values[] = {row.largestChip,        row.largestForce,    row.meanForce,
                                 row.lastRevolutionMean, row.power,           row.torque,
                                 row.textbookMaxChip,    row.textbookMeanChip};
        const int decimals[] = {4, 1, 1, 1, 3, 2, 4, 4};
        for (size_t i = 0; i < std::size(values); ++i) {
            cell(static_cast<int>(i) + 2, MeasurementText(values[i], decimals[i]));
        }
        cell(10, MeasurementText(row.textbookMeanForce, 1));
    }
}

void TExperimentWindow::SweepEnded(bool cancelled) {
    size_t ran = 0;
    for (const lab::SweepRow& row : rows_) {
        ran += row.ran ? 1 : 0;
    }
    SetStatus([this, cancelled, ran, points = points_] {
        return (cancelled ? tr("Prekinuto: %1 od %2 izvođenja.")
                          : tr("Gotovo: %1 od %2 izvođenja."))
            .arg(ran)
            .arg(points);
    });
    UpdateExponent();
    UpdateButtons();
    emit Finished();
}

void TExperimentWindow::LogAxesChange() {
    plot_->SetLogAxes(LogAxes->isChecked());
    Chart->update();
    UpdateExponent();
}

void TExperimentWindow::UpdateExponent() {
    if (!plot_->LogAxes() || Running()) {
        ExponentLabel->clear();
        return;
    }
    const std::optional<double> fit = lab::FitMeanForceExponent(rows_);
    std::optional<double> material;
    for (const lab::SweepRow& row : rows_) {
        if (row.ran && row.chipExponent) {
            material = row.chipExponent;
            break;
        }
    }
    ExponentLabel->setText(tr("Eksponent: %1 (materijal: %2)")
                               .arg(MeasurementText(fit, 3), MeasurementText(material, 2)));
}

void TExperimentWindow::KeepClick() {
    keptSeries_ = series_;
    plot_->KeepCurrent(SeriesName(series_));
    Chart->update();
}

namespace {

bool WriteWhole(const QString& path, const QByteArray& bytes) {
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit();
}

} // namespace

void TExperimentWindow::SaveCsvClick() {
    const QString path = ChooseSaveFile(tr("Sačuvaj tabelu"), QStringLiteral("eksperiment.csv"),
                                        QStringLiteral("CSV (*.csv)"));
    if (path.isEmpty()) {
        return;
    }
    std::ostringstream csv;
    lab::WriteSweepCsv(csv, rows_);
    const std::string text = csv.str();
    if (!WriteWhole(path, QByteArray(text.data(), static_cast<qsizetype>(text.size())))) {
        SetStatus([this, path] { return tr("Datoteka %1 nije upisana.").arg(path); });
    }
}

void TExperimentWindow::SavePngClick() {
    const QString path = ChooseSaveFile(tr("Sačuvaj sliku"), QStringLiteral("eksperiment.png"),
                                        QStringLiteral("PNG (*.png)"));
    if (path.isEmpty()) {
        return;
    }
    canvas::Canvas target(lab::kSweepPlotWidth, lab::kSweepPlotHeight);
    Chart->DrawTo(&target, chart::TRect{0, 0, lab::kSweepPlotWidth, lab::kSweepPlotHeight});
    Chart->update();
    if (!target.Image().save(path, "PNG")) {
        SetStatus([this, path] { return tr("Datoteka %1 nije upisana.").arg(path); });
    }
}

} // namespace app
