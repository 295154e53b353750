// Order-100 determinant, linear system and inversion: the row-wise versions
// beside the element-by-element reference.
#include <benchmark/benchmark.h>

#include <random>

#include "linalg/determinant.h"
#include "linalg/linear_system.h"
#include "linalg/matrix_operations.h"
#include "references/reference_elimination.h"

namespace {

using zentova::Matrix;

Matrix RandomMatrix(int rows, int cols, unsigned seed) {
    std::mt19937 random(seed);
    std::uniform_real_distribution<double> value(-10.0, 10.0);
    Matrix m(rows, cols);
    for (double& x : m.values())
        x = value(random);
    return m;
}

constexpr int kOrder = 100;

void BM_Determinant(benchmark::State& state) {
    const Matrix input = RandomMatrix(kOrder, kOrder, 1);
    for (auto _ : state) {
        Matrix m = input;
        benchmark::DoNotOptimize(zentova::EvaluateDeterminant(kOrder, m));
    }
}
BENCHMARK(BM_Determinant)->Unit(benchmark::kMicrosecond);

void BM_DeterminantReference(benchmark::State& state) {
    const Matrix input = RandomMatrix(kOrder, kOrder, 1);
    for (auto _ : state) {
        Matrix m = input;
        benchmark::DoNotOptimize(zentova::reference::EvaluateDeterminant(kOrder, m));
    }
}
BENCHMARK(BM_DeterminantReference)->Unit(benchmark::kMicrosecond);

void BM_Solve(benchmark::State& state) {
    const Matrix input = RandomMatrix(kOrder, kOrder + 1, 2);
    for (auto _ : state) {
        Matrix m = input;
        benchmark::DoNotOptimize(zentova::SolveLinearSystem(kOrder, m));
    }
}
BENCHMARK(BM_Solve)->Unit(benchmark::kMicrosecond);

void BM_SolveReference(benchmark::State& state) {
    const Matrix input = RandomMatrix(kOrder, kOrder + 1, 2);
    for (auto _ : state) {
        Matrix m = input;
        benchmark::DoNotOptimize(zentova::reference::SolveLinearSystem(kOrder, m));
    }
}
BENCHMARK(BM_SolveReference)->Unit(benchmark::kMicrosecond);

// The work area of an inversion: the matrix beside the identity.
Matrix InversionWork(unsigned seed) {
    const Matrix a = RandomMatrix(kOrder, kOrder, seed);
    Matrix work(kOrder, 2 * kOrder);
    for (int r = 0; r < kOrder; ++r) {
        for (int c = 0; c < kOrder; ++c)
            work.at(r, c) = a.at(r, c);
        work.at(r, kOrder + r) = 1.0;
    }
    return work;
}

void BM_InverseElimination(benchmark::State& state) {
    const Matrix input = InversionWork(3);
    for (auto _ : state) {
        Matrix m = input;
        zentova::ReduceRowEchelon(m);
        benchmark::DoNotOptimize(m.values().data());
    }
}
BENCHMARK(BM_InverseElimination)->Unit(benchmark::kMicrosecond);

void BM_InverseEliminationReference(benchmark::State& state) {
    const Matrix input = InversionWork(3);
    for (auto _ : state) {
        Matrix m = input;
        zentova::reference::ReduceRowEchelon(kOrder, 2 * kOrder, m);
        benchmark::DoNotOptimize(m.values().data());
    }
}
BENCHMARK(BM_InverseEliminationReference)->Unit(benchmark::kMicrosecond);

// The whole "求逆" from stored text to result text, as the workbench runs it.
void BM_InverseFromText(benchmark::State& state) {
    const Matrix a = RandomMatrix(kOrder, kOrder, 3);
    const std::string text = zentova::FormatMatrixText(a);
    const zentova::MatrixOperand operand{kOrder, kOrder, text};
    for (auto _ : state) {
        benchmark::DoNotOptimize(
            zentova::MatrixOperation(operand, {}, zentova::MatrixOpKind::OpInverse));
    }
}
BENCHMARK(BM_InverseFromText)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
