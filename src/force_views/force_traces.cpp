#include "force_views/force_traces.h"

#include "force_views/chart_style.h"

namespace force_views {

using namespace chart;

namespace {

// One force: its trace and its revolution means, their colours and legend texts.
struct ForceRow {
    sim::Trace sim::SimState::*trace;
    sim::Trace sim::SimState::*means;
    TColor colour;
    TColor meanColour;
    const char* title;
    const char* meanTitle;
};

const ForceRow kRows[] = {
    {&sim::SimState::TangentialTrace, &sim::SimState::MeanTangentialTrace, 0x00A000, 0x005000,
     QT_TRANSLATE_NOOP("force_views", "F_t tangencijalna"),
     QT_TRANSLATE_NOOP("force_views", "F_t srednja obrta")},
    {&sim::SimState::FeedForceTrace, &sim::SimState::MeanFeedTrace, 0xE00000, 0x800000,
     QT_TRANSLATE_NOOP("force_views", "F_f u pravcu pomaka"),
     QT_TRANSLATE_NOOP("force_views", "F_f srednja obrta")},
    {&sim::SimState::NormalForceTrace, &sim::SimState::MeanNormalTrace, 0x0000E0, 0x000080,
     QT_TRANSLATE_NOOP("force_views", "F_n normalna"),
     QT_TRANSLATE_NOOP("force_views", "F_n srednja obrta")},
};

constexpr int kMeanPenWidth = 2; // px

} // namespace

ForceTraces::ForceTraces(TChart& chart) : chart_(chart) {
    SetUpWhiteChart(chart_, true);
    for (std::size_t k = 0; k < traces_.size(); ++k) {
        traces_[k] = std::make_unique<TFastLineSeries>();
        SetUpLine(*traces_[k], kRows[k].colour, 1, true);
        means_[k] = std::make_unique<TLineSeries>();
        TLineSeries& means = *means_[k];
        means.SetSeriesColor(kRows[k].meanColour);
        means.LinePen.SetWidth(kMeanPenWidth);
        means.SetStairs(true);
        means.Marks.Visible = false;
        means.Pointer.SetVisible(false);
        means.XValues().SetOrder(TChartListOrder::loAscending);
        means.YValues().SetOrder(TChartListOrder::loNone);
    }
    for (std::size_t k = 0; k < traces_.size(); ++k) {
        traces_[k]->SetParentChart(&chart_);
        means_[k]->SetParentChart(&chart_);
    }
    SetTexts();
}

ForceTraces::~ForceTraces() {
    for (std::size_t k = 0; k < traces_.size(); ++k) {
        traces_[k]->SetParentChart(nullptr);
        means_[k]->SetParentChart(nullptr);
    }
}

void ForceTraces::SetTexts() {
    SetChartTexts(chart_, QT_TRANSLATE_NOOP("force_views", "Sile po zubu"),
                  QT_TRANSLATE_NOOP("force_views", "Vreme, s"),
                  QT_TRANSLATE_NOOP("force_views", "Sila, N"));
    for (std::size_t k = 0; k < traces_.size(); ++k) {
        traces_[k]->SetTitle(Text(kRows[k].title));
        means_[k]->SetTitle(Text(kRows[k].meanTitle));
    }
}

void ForceTraces::Feed(const sim::SimState& s) {
    for (std::size_t k = 0; k < traces_.size(); ++k) {
        const sim::Trace& trace = s.*kRows[k].trace;
        const sim::Trace& means = s.*kRows[k].means;
        traces_[k]->ClearValues();
        means_[k]->ClearValues();
        for (std::size_t i = 1; i <= static_cast<std::size_t>(sim::kTraceLength); ++i) {
            traces_[k]->AddPoint(s.TimeAxis[i], trace[i]);
            means_[k]->AddPoint(s.TimeAxis[i], means[i]);
        }
    }
}

const TFastLineSeries& ForceTraces::Trace(int index) const {
    return *traces_[static_cast<std::size_t>(index)];
}

const TLineSeries& ForceTraces::Means(int index) const {
    return *means_[static_cast<std::size_t>(index)];
}

} // namespace force_views
