// The forces window ("Sile"): the per-tooth force model as pictures, drawn by force_views on the
// chart engine: the tangential, feed and normal forces over the last 313 samples with their
// revolution means, the polar diagram of the force on the workpiece, and the engagement map
// with the width of edge in the cut beside it; above them the ratio K_r of a tooth's radial to
// its tangential force. It follows the run without slowing it: while shown, it feeds its
// pictures on a timer of its own, ten times a second, never from inside a tick.
#pragma once

#include "sim/sim_state.h"

#include <QWidget>
#include <functional>
#include <memory>

class QDoubleSpinBox;
class QTimer;

namespace chart {
class TChartWidget;
} // namespace chart
namespace force_views {
class EngagementMap;
class ForceTraces;
class PolarDiagram;
} // namespace force_views

namespace app {

class TranslatedTexts;

class TForcesWindow : public QWidget {
    Q_OBJECT

public:
    static constexpr int kRefreshMs = 100;

    // Sets K_r in the state; false when the value is refused.
    using RatioSetter = std::function<bool(double)>;
    // A window of its own, owned by owner (it closes with it); it reads state, which must
    // outlive it, and changes K_r only through setRatio.
    TForcesWindow(const sim::SimState& state, RatioSetter setRatio, QWidget* owner);
    ~TForcesWindow() override;

    // Feeds the pictures from the state now and shows its K_r in the control (unless the user
    // is typing there).
    void Refresh();

    QDoubleSpinBox* RatioEdit = nullptr; // K_r, 0.20 .. 0.60 in steps of 0.05
    chart::TChartWidget* TracesChart = nullptr;
    chart::TChartWidget* PolarChart = nullptr;
    chart::TChartWidget* MapChart = nullptr;
    chart::TChartWidget* EngagedWidthChart = nullptr;

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void RatioChosen(double ratio);

    const sim::SimState& state_;
    RatioSetter setRatio_;
    QTimer* refresh_ = nullptr;
    // The pictures' series belong to these and leave the charts before the chart widgets die.
    std::unique_ptr<force_views::ForceTraces> traces_;
    std::unique_ptr<force_views::PolarDiagram> polar_;
    std::unique_ptr<force_views::EngagementMap> map_;
    std::unique_ptr<TranslatedTexts> texts_; // every caption, for a language change
};

} // namespace app
