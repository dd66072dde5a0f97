#include "store/TournamentStore.h"

#include <benchmark/benchmark.h>

static void storeConstruction(benchmark::State& state) {
    for (auto _ : state) {
        corvane::TournamentStore store;
        benchmark::DoNotOptimize(&store);
    }
}
BENCHMARK(storeConstruction);
