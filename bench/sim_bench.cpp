// One tick of the core while the cutter is in the cut: start-up inputs, "28Cr4" with "P30",
// ticks 795 to 804 of the run, in up and in down milling, with the quick and the plain profile
// search. The state is restored every ten ticks, outside the timing. Also the deepest cut, 20
// teeth half the diameter deep (the third reference run), whose whole top edge lies at the
// centre's height, and the workpiece's move alone, the largest share of a shallow tick.

#include "sim/run.h"
#include "sim/scenarios.h"
#include "sim/workpiece.h"

#include <benchmark/benchmark.h>

namespace {

constexpr int kFirstTick = 795;
constexpr int kTicksPerRestore = 10;

void TickFrom(benchmark::State& state, const sim::SimState& base, sim::ProfileSearch search) {
    sim::SimState s = base;
    int sinceRestore = 0;
    for (auto _ : state) {
        if (sinceRestore == kTicksPerRestore) {
            state.PauseTiming();
            s = base;
            sinceRestore = 0;
            state.ResumeTiming();
        }
        benchmark::DoNotOptimize(sim::RunTick(s, nullptr, search));
        ++sinceRestore;
    }
}

void TickInTheCut(benchmark::State& state, sim::MillingDirection direction,
                  sim::ProfileSearch search) {
    TickFrom(state, sim::MidRunState(direction, kFirstTick - 1), search);
}

void TickInTheDeepCut(benchmark::State& state, sim::MillingDirection direction) {
    sim::SimState base = sim::StartedCut(direction, "500", "45", "20");
    sim::RunTicks(base, kFirstTick - 1);
    TickFrom(state, base, sim::ProfileSearch::Quick);
}

void BM_TickUpMilling(benchmark::State& state) {
    TickInTheCut(state, sim::MillingDirection::Up, sim::ProfileSearch::Quick);
}
void BM_TickDownMilling(benchmark::State& state) {
    TickInTheCut(state, sim::MillingDirection::Down, sim::ProfileSearch::Quick);
}
void BM_TickUpMillingPlainSearch(benchmark::State& state) {
    TickInTheCut(state, sim::MillingDirection::Up, sim::ProfileSearch::Plain);
}
void BM_TickDownMillingPlainSearch(benchmark::State& state) {
    TickInTheCut(state, sim::MillingDirection::Down, sim::ProfileSearch::Plain);
}

void BM_TickDeepUpMilling(benchmark::State& state) {
    TickInTheDeepCut(state, sim::MillingDirection::Up);
}
void BM_TickDeepDownMilling(benchmark::State& state) {
    TickInTheDeepCut(state, sim::MillingDirection::Down);
}

// One sub-step's move of the whole profile (twelve per tick), mid-run in down milling. The
// profile drifts left by the feed; the state is restored every thousand moves.
void BM_ShiftWorkpiece(benchmark::State& state) {
    const sim::SimState base = sim::MidRunState(sim::MillingDirection::Down, kFirstTick - 1);
    sim::SimState s = base;
    int sinceRestore = 0;
    for (auto _ : state) {
        if (sinceRestore == 1000) {
            state.PauseTiming();
            s = base;
            sinceRestore = 0;
            state.ResumeTiming();
        }
        sim::ShiftWorkpiece(s);
        benchmark::DoNotOptimize(s.WorkpiecePoints.data());
        benchmark::ClobberMemory();
        ++sinceRestore;
    }
}

} // namespace

BENCHMARK(BM_ShiftWorkpiece)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_TickUpMilling)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_TickDownMilling)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_TickUpMillingPlainSearch)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_TickDownMillingPlainSearch)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_TickDeepUpMilling)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_TickDeepDownMilling)->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
