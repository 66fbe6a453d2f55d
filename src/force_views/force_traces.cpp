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
        means_[k] = std::make_unique<TFastLineSeries>();
        SetUpLine(*means_[k], kRows[k].meanColour, kMeanPenWidth, true);
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
        traces_[k]->ClearValues();
        for (std::size_t i = 1; i <= static_cast<std::size_t>(sim::kTraceLength); ++i) {
            traces_[k]->AddPoint(s.TimeAxis[i], trace[i]);
        }
        AddStaircase(*means_[k], s.TimeAxis, s.*kRows[k].means);
    }
}

void AddStaircase(TFastLineSeries& series, const sim::Trace& time, const sim::Trace& values) {
    series.ClearValues();
    series.AddPoint(time[1], values[1]);
    for (std::size_t i = 2; i <= static_cast<std::size_t>(sim::kTraceLength); ++i) {
        if (values[i] != values[i - 1]) {
            series.AddPoint(time[i], values[i - 1]);
            series.AddPoint(time[i], values[i]);
        }
    }
    series.AddPoint(time[sim::kTraceLength], values[sim::kTraceLength]);
}

} // namespace force_views
