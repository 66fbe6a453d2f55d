// One whole tick of the running window, in the middle of the cut: the core's tick with its chart
// refill and cutter view redraw, then the paint of the chart (one drawing pass into its buffer).
#include "app/form1.h"
#include "app/lab_tools.h"
#include "app/measurements_window.h"
#include "chart/chart.h"

#include "allocation_counter.h"
#include <QComboBox>
#include <QTimer>

#include <benchmark/benchmark.h>

namespace {

// Ticks from 700 on stay inside the cut, which lasts until the feed ends at tick 1556.
constexpr int kStartTick = 700;
constexpr int kMeasuredTicks = 600;

void BM_WindowTick(benchmark::State& state, int direction) {
    app::TForm1 form;
    if (direction == 1)
        form.RadioButton2Click();
    form.ComboBox1->setCurrentIndex(form.ComboBox1->findText(QStringLiteral("28Cr4")));
    form.ComboBox2->setCurrentIndex(form.ComboBox2->findText(QStringLiteral("P30")));
    form.Button1Click();
    form.Timer1->stop(); // the benchmark drives the ticks itself
    for (int i = 0; i < kStartTick; ++i)
        form.Timer1Timer();
    form.Chart1->PaintNow();
    const long before = bench::AllocationCount();
    long ticks = 0;
    for (auto _ : state) {
        form.Timer1Timer();
        form.Chart1->PaintNow();
        ++ticks;
    }
    state.counters["allocs_per_tick"] =
        static_cast<double>(bench::AllocationCount() - before) / static_cast<double>(ticks);
    benchmark::DoNotOptimize(form.State().ForceTrace[313]);
}

// The same tick with the measurements window open. The window reads the figures on its own
// timer, ten times a second against twenty ticks, so every second tick carries one refresh.
void BM_WindowTickWithMeasurements(benchmark::State& state) {
    app::TForm1 form;
    form.ComboBox1->setCurrentIndex(form.ComboBox1->findText(QStringLiteral("28Cr4")));
    form.ComboBox2->setCurrentIndex(form.ComboBox2->findText(QStringLiteral("P30")));
    form.Button1Click();
    form.Timer1->stop();
    for (int i = 0; i < kStartTick; ++i)
        form.Timer1Timer();
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
