// The three graph computations on a dense 50-node graph, the largest the page
// accepts.
#include <benchmark/benchmark.h>

#include <random>

#include "graph/graph_algorithms.h"

namespace {

using zentova::GraphAlgorithms;
using zentova::GraphMatrix;

GraphMatrix DenseGraph() {
    std::mt19937 rng(3);
    std::uniform_int_distribution<int> weight(1, 100);
    GraphMatrix m;
    m.n = zentova::kMaxGraphNodes;
    for (int i = 0; i < m.n; ++i) {
        for (int j = i + 1; j < m.n; ++j) {
            m.at(i, j) = m.at(j, i) = weight(rng);
        }
    }
    return m;
}

// Only forward edges, so that node 0 is the single source.
GraphMatrix ActivityNetwork() {
    GraphMatrix m = DenseGraph();
    for (int i = 0; i < m.n; ++i) {
        for (int j = 0; j <= i; ++j)
            m.at(i, j) = 0;
    }
    return m;
}

void BM_ShortestPath(benchmark::State& state) {
    const GraphMatrix m = DenseGraph();
    GraphAlgorithms graph;
    for (auto _ : state) {
        graph.LoadGraph(m);
        benchmark::DoNotOptimize(graph.ShortestPath(0, 49));
    }
}
BENCHMARK(BM_ShortestPath);

void BM_CriticalPath(benchmark::State& state) {
    const GraphMatrix m = ActivityNetwork();
    GraphAlgorithms graph;
    for (auto _ : state) {
        graph.LoadGraph(m);
        benchmark::DoNotOptimize(graph.CriticalPath(49));
    }
}
BENCHMARK(BM_CriticalPath);

void BM_MinimumSpanningTree(benchmark::State& state) {
    const GraphMatrix m = DenseGraph();
    GraphAlgorithms graph;
    GraphMatrix tree;
    for (auto _ : state) {
        graph.LoadGraph(m);
        benchmark::DoNotOptimize(graph.MinimumSpanningTree(tree));
    }
}
BENCHMARK(BM_MinimumSpanningTree);

}  // namespace

BENCHMARK_MAIN();
