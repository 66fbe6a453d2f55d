// Benchmarks of the chart engine: the refill of the three oscillograph series that every
// tick does, and (with the oscillograph) one drawing pass into the off-screen buffer.
#include "chart/chart.h"
#include "chart/series/chart_series.h"
#include "oscillograph/oscillograph.h"
#include "sim/scenarios.h"

#include "allocation_counter.h"

#include <benchmark/benchmark.h>

namespace {

constexpr int kSamples = 313;

void BM_RefillThreeSeries(benchmark::State& state) {
    chart::TChart chart;
    chart::TChartSeries series[3];
    const chart::TColor colours[3] = {0x80FF80, 0xFFFF80, 0x80FFFF};
    for (auto& s : series) {
        s.SetParentChart(&chart);
    }
    double x[kSamples];
    double y[3][kSamples];
    for (int i = 0; i < kSamples; ++i) {
        x[i] = (i - 312) * 0.0015;
        y[0][i] = 1000.0 + i;
        y[1][i] = 0.001 * i;
        y[2][i] = 900.0;
    }
    const auto refill = [&] {
        for (auto& s : series) {
            s.ClearValues();
        }
        for (int i = 0; i < kSamples; ++i) {
            for (int k = 0; k < 3; ++k) {
                series[k].AddPoint(x[i], y[k][i], QString(), colours[k]);
            }
        }
    };
    refill();
    const long before = bench::AllocationCount();
    long refills = 0;
    for (auto _ : state) {
        refill();
        ++refills;
        benchmark::DoNotOptimize(series[2].PointCount());
    }
    state.counters["allocs_per_refill"] =
        static_cast<double>(bench::AllocationCount() - before) / static_cast<double>(refills);
}
BENCHMARK(BM_RefillThreeSeries)->Unit(benchmark::kMicrosecond);

// Drawing passes of the oscillograph (3 x 313 points) into its off-screen buffer, as the paint
// after every tick runs them, with the heap allocations per pass.
void RunDrawPasses(benchmark::State& state, int scale) {
    chart::TChart chart;
    chart::TLineSeries series[3];
    oscillograph::ConfigureChart1(chart, series[0], series[1], series[2]);
    const int width = oscillograph::kOscillographWidth * scale;
    const int height = oscillograph::kOscillographHeight * scale;
    chart.resize(width, height);
    const sim::SimState s = sim::MidRunState(sim::MillingDirection::Up, 1556);
    oscillograph::FeedOscillograph(s, series[0], series[1], series[2]);
    canvas::Canvas target(width, height);
    const chart::TRect bounds{0, 0, width, height};
    chart.DrawTo(&target, bounds);
    const long before = bench::AllocationCount();
    long passes = 0;
    for (auto _ : state) {
        chart.Canvas().MarkDirty();
        chart.DrawTo(&target, bounds);
        ++passes;
        benchmark::ClobberMemory();
    }
    state.counters["allocs_per_pass"] =
        static_cast<double>(bench::AllocationCount() - before) / static_cast<double>(passes);
    state.counters["pixels"] = static_cast<double>(width) * height;
}

// One full pass at the window's size.
void BM_OscillographDrawPass(benchmark::State& state) {
    RunDrawPasses(state, 1);
}
BENCHMARK(BM_OscillographDrawPass)->Unit(benchmark::kMicrosecond);

// The same chart at 1, 2 and 4 times the width and height: the cost should grow with the
// pixels drawn (fills, gradient, copy) and the line lengths, not faster.
void BM_OscillographDrawPassScaled(benchmark::State& state) {
    RunDrawPasses(state, static_cast<int>(state.range(0)));
}
BENCHMARK(BM_OscillographDrawPassScaled)->Arg(1)->Arg(2)->Arg(4)->Unit(benchmark::kMicrosecond);

} // namespace
