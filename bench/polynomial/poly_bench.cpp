// The 4900-term product (a+a2+...+a70)(b+b2+...+b70), a chain with heavy
// merging and a long chain of short factors, each with the hashed engine and
// with the linear-search reference.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "polynomial/poly_engine.h"
#include "polynomial/poly_product.h"
#include "references/literal_poly.h"

namespace {

using namespace zentova;

std::string Series(char letter, int to) {
    std::string text;
    for (int i = 1; i <= to; ++i) {
        if (!text.empty()) text += '+';
        text += letter;
        text += std::to_string(i);
    }
    return text;
}

const std::string kLeft = Series('a', 70);
const std::string kRight = Series('b', 70);

std::string FiveFactors() {
    std::string input = "a+b+c+d+e+f+1";
    for (int k = 1; k < 5; ++k)
        input += "*a+b+c+d+e+f+1";
    return input;
}

// A thousand steps whose products stay two terms wide: what a step costs
// beyond its own product (clearing, setting up) shows here.
std::string LongChain() {
    std::string input = "a+b";
    for (int k = 0; k < 1000; ++k)
        input += "*ab";
    return input;
}

void BM_Product70_Engine(benchmark::State& state) {
    PolyEngine engine;
    PolyOutputGrid grid;
    for (auto _ : state) {
        if (engine.MultiplyPolynomialTexts(kLeft, kRight, grid) != PolyStatus::Ok) {
            state.SkipWithError("overflow");
        }
        benchmark::DoNotOptimize(grid.Bytes().data());
    }
    state.counters["terms"] = engine.TermCount();
}

void BM_Product70_Literal(benchmark::State& state) {
    literal::LiteralProduct product;
    for (auto _ : state) {
        literal::Multiply(kLeft, kRight, product);
        benchmark::DoNotOptimize(product.lower.data());
    }
    state.counters["terms"] = product.terms;
}

// The merging step alone: the part the hash index replaces.
void BM_Merge70_Engine(benchmark::State& state) {
    std::vector<PolyTerm> left, right;
    PolyEngine::ParseTerms(kLeft, left);
    PolyEngine::ParseTerms(kRight, right);
    PolyEngine engine;
    for (auto _ : state) {
        benchmark::DoNotOptimize(engine.MultiplyTerms(left, right));
    }
}

void BM_Merge70_Literal(benchmark::State& state) {
    std::vector<PolyTerm> left, right, table;
    PolyEngine::ParseTerms(kLeft, left);
    PolyEngine::ParseTerms(kRight, right);
    for (auto _ : state) {
        benchmark::DoNotOptimize(literal::MultiplyTables(left, right, table));
    }
}

// A chain of products, by the engine and by the literal product, in the
// same run.
void BM_Chain_Engine(benchmark::State& state, const std::string& input) {
    PolyEngine engine;
    PolyProduct product;
    for (auto _ : state) {
        if (MultiplyChain(engine, input, product) != PolyStatus::Ok)
            state.SkipWithError("overflow");
        benchmark::DoNotOptimize(product.grid.Bytes().data());
    }
    state.counters["terms"] = product.termCount;
}

void BM_Chain_Literal(benchmark::State& state, const std::string& input) {
    literal::LiteralProduct product;
    for (auto _ : state) {
        product = literal::MultiplyChain(input);
        benchmark::DoNotOptimize(product.lower.data());
    }
    state.counters["terms"] = product.terms;
}

}  // namespace

BENCHMARK(BM_Product70_Engine)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Product70_Literal)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Merge70_Engine)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Merge70_Literal)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Chain_Engine, FiveFactors, FiveFactors())->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Chain_Literal, FiveFactors, FiveFactors())->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Chain_Engine, LongChain, LongChain())->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Chain_Literal, LongChain, LongChain())->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
