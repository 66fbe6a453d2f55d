// A sweep of all ten workpiece materials against the nine tooth counts 4..20: ninety full runs
// at the start values otherwise, on one thread and on two.
#include "lab/sweep.h"

#include <benchmark/benchmark.h>

namespace {

void BM_MaterialsByTeeth(benchmark::State& state) {
    const int jobs = static_cast<int>(state.range(0));
    lab::SweepRequest request;
    request.base.toolMaterial = 3; // P30
    request.plan.kind = lab::SweepKind::Field;
    request.plan.field = sim::InputField::Teeth;
    request.plan.from = 4;
    request.plan.to = 20;
    request.plan.step = 2;
    request.jobs = jobs;
    for (auto _ : state) {
        size_t rows = 0;
        for (int workpiece = 1; workpiece <= 10; ++workpiece) {
            request.base.workpieceMaterial = workpiece;
            rows += lab::RunSweep(request).rows.size();
        }
        benchmark::DoNotOptimize(rows);
    }
}
BENCHMARK(BM_MaterialsByTeeth)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

BENCHMARK_MAIN();
