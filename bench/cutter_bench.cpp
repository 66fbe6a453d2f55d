#include "cutter/cutter_view.h"

#include "sim/scenarios.h"
#include "sim/tool_inputs.h"

#include "allocation_counter.h"

#include <benchmark/benchmark.h>

#include <array>

namespace {

// The tick's last step: a full redraw of a state in the middle of the cut (8 teeth).
void BM_RedrawCutterViewMidRun(benchmark::State& state) {
    const auto direction =
        state.range(0) == 0 ? sim::MillingDirection::Up : sim::MillingDirection::Down;
    const sim::SimState s = sim::MidRunState(direction, 800);
    cutter::CutterView view;
    view.RedrawCutterView(s, s.Phase);
    const long before = bench::AllocationCount();
    long redraws = 0;
    for (auto _ : state) {
        view.RedrawCutterView(s, s.Phase);
        ++redraws;
        benchmark::DoNotOptimize(view.Bitmap());
    }
    state.counters["allocs_per_redraw"] =
        static_cast<double>(bench::AllocationCount() - before) / static_cast<double>(redraws);
}
BENCHMARK(BM_RedrawCutterViewMidRun)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

// The same state redrawn at the phases a run passes through (the teeth turn between ticks), so
// that the figures are not the same ones every time.
void BM_RedrawCutterViewTurning(benchmark::State& state) {
    const sim::SimState s = sim::MidRunState(sim::MillingDirection::Up, 800);
    cutter::CutterView view;
    constexpr int kPhases = 97;
    int k = 0;
    for (auto _ : state) {
        view.RedrawCutterView(s, s.ToothPitch * k / kPhases);
        k = (k + 1) % kPhases;
        benchmark::DoNotOptimize(view.Bitmap());
    }
}
BENCHMARK(BM_RedrawCutterViewTurning)->Unit(benchmark::kMicrosecond);

// The most teeth the tooth-count field allows.
void BM_RedrawCutterViewTwentyTeeth(benchmark::State& state) {
    sim::SimState s = sim::MidRunState(sim::MillingDirection::Up, 800);
    if (!sim::SetToothCount(s, "20").applied()) {
        state.SkipWithError("20 teeth refused");
        return;
    }
    cutter::CutterView view;
    for (auto _ : state) {
        view.RedrawCutterView(s, 0.1);
        benchmark::DoNotOptimize(view.Bitmap());
    }
}
BENCHMARK(BM_RedrawCutterViewTwentyTeeth)->Unit(benchmark::kMicrosecond);

// About a thousand short line segments, as the chart's three series draw per frame.
void BM_CanvasThousandSegments(benchmark::State& state) {
    canvas::Canvas canvas(385, 161);
    std::array<canvas::CanvasPoint, 1001> points;
    for (int i = 0; i < 1001; ++i) {
        points[i] = {4 + (i * 377) / 1000, 20 + (i * 37 % 120)};
    }
    for (auto _ : state) {
        canvas.MoveTo(points[0].x, points[0].y);
        for (int i = 1; i < 1001; ++i) {
            canvas.LineTo(points[i].x, points[i].y);
        }
        benchmark::DoNotOptimize(canvas.Image().constBits());
    }
}
BENCHMARK(BM_CanvasThousandSegments)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
