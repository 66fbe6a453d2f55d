// Benchmarks of the chart engine: the refill of the three oscillograph series that every
// tick does, and (with the oscillograph) one drawing pass into the off-screen buffer.
#include "chart/chart.h"
#include "chart/series/chart_series.h"
#include "oscillograph/oscillograph.h"
#include "sim/scenarios.h"

#include <QApplication>
#include <atomic>
#include <benchmark/benchmark.h>
#include <cstdlib>
#include <new>

namespace {

// Counts heap allocations so that the refill can report how many it makes.
std::atomic<long> g_allocations{0};

} // namespace

void* operator new(std::size_t size) {
    g_allocations.fetch_add(1, std::memory_order_relaxed);
    if (void* p = std::malloc(size == 0 ? 1 : size)) {
        return p;
    }
    throw std::bad_alloc();
}
void operator delete(void* p) noexcept {
    std::free(p);
}
void operator delete(void* p, std::size_t) noexcept {
    std::free(p);
}

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
    const long before = g_allocations.load();
    long refills = 0;
    for (auto _ : state) {
        refill();
        ++refills;
        benchmark::DoNotOptimize(series[2].PointCount());
    }
    state.counters["allocs_per_refill"] =
        static_cast<double>(g_allocations.load() - before) / static_cast<double>(refills);
}
BENCHMARK(BM_RefillThreeSeries)->Unit(benchmark::kMicrosecond);

// One full drawing pass of the oscillograph (3 x 313 points) into its off-screen buffer, as
// the paint after every tick runs it.
void BM_OscillographDrawPass(benchmark::State& state) {
    chart::TChart chart;
    chart::TLineSeries series[3];
    oscillograph::ConfigureChart1(chart, series[0], series[1], series[2]);
    const sim::SimState s = sim::MidRunState(sim::MillingDirection::Up, 1556);
    oscillograph::FeedOscillograph(s, series[0], series[1], series[2]);
    canvas::Canvas target(oscillograph::kOscillographWidth, oscillograph::kOscillographHeight);
    const chart::TRect bounds{0, 0, oscillograph::kOscillographWidth,
                              oscillograph::kOscillographHeight};
    chart.DrawTo(&target, bounds);
    for (auto _ : state) {
        chart.Canvas().MarkDirty();
        chart.DrawTo(&target, bounds);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_OscillographDrawPass)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
