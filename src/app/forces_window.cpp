#include "app/forces_window.h"

#include "app/translated_texts.h"
#include "chart/chart_widget.h"
#include "force_views/engagement_map.h"
#include "force_views/force_traces.h"
#include "force_views/polar_diagram.h"
#include "sim/tooth_forces.h"

#include <QDoubleSpinBox>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QSignalBlocker>
#include <QTimer>
#include <QVBoxLayout>

namespace app {
namespace {

constexpr int kRatioDecimals = 2;

chart::TChartWidget* AddChart(QGridLayout* grid, int row, int column, int width, int height) {
    auto* widget = new chart::TChartWidget;
    widget->setMinimumSize(width, height);
    grid->addWidget(widget, row, column);
    return widget;
}

} // namespace

TForcesWindow::TForcesWindow(const sim::SimState& state, RatioSetter setRatio, QWidget* owner)
    : QWidget(owner, Qt::Window), state_(state), setRatio_(std::move(setRatio)),
      texts_(std::make_unique<TranslatedTexts>("app::TForcesWindow")) {
    texts_->Add(QT_TR_NOOP("Sile"), [this](const QString& text) { setWindowTitle(text); });

    auto* ratioLabel = new QLabel;
    texts_->Add(QT_TR_NOOP("Odnos radijalne i tangencijalne sile zuba K_r = F_r / F_t:"),
                [ratioLabel](const QString& text) { ratioLabel->setText(text); });
    RatioEdit = new QDoubleSpinBox;
    RatioEdit->setDecimals(kRatioDecimals);
    RatioEdit->setRange(sim::kRadialForceRatioMin, sim::kRadialForceRatioMax);
    RatioEdit->setSingleStep(sim::kRadialForceRatioStep);
    RatioEdit->setValue(state_.RadialForceRatio);
    connect(RatioEdit, &QDoubleSpinBox::valueChanged, this, &TForcesWindow::RatioChosen);
    auto* note = new QLabel;
    note->setWordWrap(true);
    texts_->Add(QT_TR_NOOP("Slike prikazuju model sile po zubu. Koju silu prikazuje glavni trag "
                           "oscilografa, bira se u meniju Model > Model sile."),
                [note](const QString& text) { note->setText(text); });
    auto* controls = new QHBoxLayout;
    controls->addWidget(ratioLabel);
    controls->addWidget(RatioEdit);
    controls->addStretch();

    auto* grid = new QGridLayout;
    using namespace force_views;
    TracesChart = AddChart(grid, 0, 0, kTracesWidth, kTracesHeight);
    PolarChart = AddChart(grid, 0, 1, kPolarWidth, kPolarHeight);
    MapChart = AddChart(grid, 1, 0, kMapWidth, kMapHeight);
    EngagedWidthChart = AddChart(grid, 1, 1, kEngagedWidthWidth, kEngagedWidthHeight);
    traces_ = std::make_unique<ForceTraces>(TracesChart->Chart());
    polar_ = std::make_unique<PolarDiagram>(PolarChart->Chart());
    map_ = std::make_unique<EngagementMap>(MapChart->Chart(), EngagedWidthChart->Chart());

    auto* column = new QVBoxLayout(this);
    column->addLayout(controls);
    column->addWidget(note);
    column->addLayout(grid);

    refresh_ = new QTimer(this);
    refresh_->setInterval(kRefreshMs);
    connect(refresh_, &QTimer::timeout, this, &TForcesWindow::Refresh);
}

TForcesWindow::~TForcesWindow() = default;

void TForcesWindow::Refresh() {
    traces_->Feed(state_);
    polar_->Feed(state_);
    map_->Feed(state_);
    if (!RatioEdit->hasFocus() && RatioEdit->value() != state_.RadialForceRatio) {
        const QSignalBlocker quiet(RatioEdit);
        RatioEdit->setValue(state_.RadialForceRatio);
    }
}

void TForcesWindow::RatioChosen(double ratio) {
    if (!setRatio_(ratio)) {
        const QSignalBlocker quiet(RatioEdit);
        RatioEdit->setValue(state_.RadialForceRatio);
    }
}

void TForcesWindow::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) {
        texts_->Retranslate();
        traces_->SetTexts();
        polar_->SetTexts();
        map_->SetTexts();
    }
    QWidget::changeEvent(event);
}

void TForcesWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    Refresh();
    refresh_->start();
}

void TForcesWindow::hideEvent(QHideEvent* event) {
    QWidget::hideEvent(event);
    refresh_->stop();
}

} // namespace app
