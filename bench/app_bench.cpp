// One whole tick of the running window, in the middle of the cut: the core's tick with its chart
// refill and cutter view redraw, then the paint of the chart (one drawing pass into its buffer);
// also with the measurements window and with the forces window open.
#include "app/forces_window.h"
#include "app/form1.h"
#include "app/lab_tools.h"
#include "app/measurements_window.h"
#include "app/recording_tools.h"
#include "chart/chart.h"
#include "chart/chart_widget.h"

#include "allocation_counter.h"
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QTemporaryDir>
#include <QTimer>

#include <benchmark/benchmark.h>
#include <chrono>
#include <thread>

namespace {

// Ticks from 700 on stay inside the cut, which lasts until the feed ends at tick 1556.
constexpr int kStartTick = 700;
constexpr int kMeasuredTicks = 600;

// 28Cr4 with P30 started in the window and run to kStartTick; the benchmark drives the ticks
// itself.
void RunToTheCut(app::TForm1& form) {
    form.ComboBox1->setCurrentIndex(form.ComboBox1->findText(QStringLiteral("28Cr4")));
    form.ComboBox2->setCurrentIndex(form.ComboBox2->findText(QStringLiteral("P30")));
    form.Button1Click();
    form.Timer1->stop();
    for (int i = 0; i < kStartTick; ++i)
        form.Timer1Timer();
}

// Times the tick with the paint of the chart. paced: after each tick the timing pauses for what
// the window does until the next tick, 50 ms later: it sleeps (the caches then hold what they
// hold after a real pause), runs its events (a recording completes its frame) and the encoder
// finishes the frame. allocs_per_tick would show a picture copied because the encoder still
// held it when the next tick drew.
void TimeTicks(benchmark::State& state, app::TForm1& form, bool paced) {
    form.Chart1->PaintNow();
    const long before = bench::AllocationCount();
    long ticks = 0;
    for (auto _ : state) {
        form.Timer1Timer();
        form.Chart1->PaintNow();
        ++ticks;
        if (paced) {
            state.PauseTiming();
            std::this_thread::sleep_for(std::chrono::milliseconds(8));
            QCoreApplication::processEvents();
            form.Recording().WaitUntilEncoded();
            state.ResumeTiming();
        }
    }
    state.counters["allocs_per_tick"] =
        static_cast<double>(bench::AllocationCount() - before) / static_cast<double>(ticks);
    benchmark::DoNotOptimize(form.State().ForceTrace[313]);
}

void BM_WindowTick(benchmark::State& state, int direction) {
    app::TForm1 form;
    if (direction == 1)
        form.RadioButton2Click();
    RunToTheCut(form);
    TimeTicks(state, form, false);
}

// The same tick with the measurements window open. The window reads the figures on its own
// timer, ten times a second against twenty ticks, so every second tick carries one refresh.
void BM_WindowTickWithMeasurements(benchmark::State& state) {
    app::TForm1 form;
    RunToTheCut(form);
    form.show();
    form.Tools().ShowMeasurements();
    app::TMeasurementsWindow* window = form.Tools().MeasurementsWindow();
    form.Chart1->PaintNow();
    bool refresh = false;
    for (auto _ : state) {
        form.Timer1Timer();
        form.Chart1->PaintNow();
        if ((refresh = !refresh))
            window->Refresh();
    }
    benchmark::DoNotOptimize(form.State().ForceTrace[313]);
}

// The same tick while the window records its pictures as a GIF, against the same tick without,
// both paced as the timer paces them: what is measured is what recording adds to the tick.
void BM_WindowTickPaced(benchmark::State& state, bool recording) {
    app::TForm1 form;
    RunToTheCut(form);
    const QTemporaryDir dir;
    if (recording && !form.Recording().Start(QDir(dir.path()).filePath("bench.gif"))) {
        state.SkipWithError("the recording could not start");
        return;
    }
    TimeTicks(state, form, true);
    if (recording) {
        state.counters["skipped"] = form.Recording().Status().skipped;
        form.Recording().Stop(false);
    }
}

// The tick with the per-tooth force model and the forces window open, against BM_WindowTick:
// the window feeds its pictures on a timer of its own, ten times a second, never inside a tick,
// so the tick itself is the core's with the per-tooth model shown. arrows: the cutter view also
// draws the force arrows, which the tick does pay for.
void BM_WindowTickWithForces(benchmark::State& state, bool arrows) {
    app::TForm1 form;
    form.SetForceModel(sim::ForceModel::PerTooth);
    form.SetForceArrows(arrows);
    RunToTheCut(form);
    form.show();
    form.Tools().ShowForces();
    form.Chart1->PaintNow();
    for (auto _ : state) {
        form.Timer1Timer();
        form.Chart1->PaintNow();
    }
    benchmark::DoNotOptimize(form.State().ForceTrace[313]);
}

// One refresh of the forces window in the middle of the cut: its pictures fed from the state and
// each of its four charts painted (one drawing pass), as their widgets do when shown. It runs
// ten times a second while the window is open, against twenty ticks.
void BM_ForcesWindowRefresh(benchmark::State& state) {
    app::TForm1 form;
    form.SetForceModel(sim::ForceModel::PerTooth);
    RunToTheCut(form);
    form.show();
    form.Tools().ShowForces();
    app::TForcesWindow* window = form.Tools().ForcesWindow();
    chart::TChartWidget* const charts[] = {window->TracesChart, window->PolarChart,
                                           window->MapChart, window->EngagedWidthChart};
    for (auto _ : state) {
        window->Refresh();
        for (chart::TChartWidget* chart : charts)
            chart->Chart().PaintNow();
    }
    benchmark::DoNotOptimize(form.State().ForceTrace[313]);
}

BENCHMARK(BM_ForcesWindowRefresh)
    ->Iterations(kMeasuredTicks / 2)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_WindowTickWithForces, PerToothModel, false)
    ->Iterations(kMeasuredTicks)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_WindowTickWithForces, PerToothModelAndArrows, true)
    ->Iterations(kMeasuredTicks)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_WindowTickPaced, Plain, false)
    ->Iterations(kMeasuredTicks)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_WindowTickPaced, Recording, true)
    ->Iterations(kMeasuredTicks)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_WindowTickWithMeasurements)
    ->Iterations(kMeasuredTicks)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_WindowTick, UpMilling, 0)
    ->Iterations(kMeasuredTicks)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_WindowTick, DownMilling, 1)
    ->Iterations(kMeasuredTicks)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true)
    ->Unit(benchmark::kMicrosecond);

} // namespace
