// Whole headless games through the window's own handlers: the engine's speed.

#include <benchmark/benchmark.h>

#include "tools/sim/simulator.h"

namespace {

void WholeGames(benchmark::State& state) {
    std::uint64_t seed = 1;
    for (auto _ : state) {
        const vm::SimulationSummary summary = vm::RunSimulation(state.range(0), seed++, nullptr);
        benchmark::DoNotOptimize(summary);
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

BENCHMARK(WholeGames)->Arg(1000)->Unit(benchmark::kMillisecond);

}  // namespace
