#include <benchmark/benchmark.h>

#include "engine/evaluator.h"

static void BM_Evaluate(benchmark::State& state) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(zentova::Evaluate("sin(30)+2^3", zentova::AngleMode::Degrees));
    }
}
BENCHMARK(BM_Evaluate);

BENCHMARK_MAIN();
