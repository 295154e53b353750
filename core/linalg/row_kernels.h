// Row operations shared by the eliminations. Rows are contiguous, so these
// loops vectorise; each element still gets exactly the written operations
// (one product, then one sum, each rounded), as -ffp-contract=off keeps them.
// They are built for plain x86-64 and for AVX2, chosen when the program
// starts; AVX2 without FMA rounds every lane as the scalar code does.
#pragma once

#include <cmath>
#include <cstddef>

namespace zentova::detail {

// A value counts as zero when it equals 0 or is not a number.
inline bool IsZero(double x) {
    return !(x < 0.0 || x > 0.0);
}

// One Gauss-Jordan step on a block of `rows` rows of `width` values, `stride`
// apart: every row j but the pivot row takes t = -(row[pivot] / pivot value)
// and row[k] = t * pivotRow[k] + row[k] for every k; then row[pivot] = 0
// exactly (the value computed there is dropped, which is the same as leaving
// that column out).
void EliminateOtherRows(double* matrix, std::size_t stride, std::size_t rows, std::size_t pivot,
                        std::size_t width);

// Forward elimination below row `pivotRow` with the pivot in `column`: rows
// pivotRow + 1 to rows - 1 each take the factor -(row[column] / pivot) and
// row[j] = factor * pivotRow[j] + row[j] for j from `column` to width - 1,
// each result below 1e-10 in magnitude (or not a number) becoming 0.
void EliminateBelowCleaned(double* matrix, std::size_t stride, std::size_t pivotRow,
                           std::size_t rows, std::size_t column, std::size_t width);

// Back elimination above row `sourceRow`, whose leading 1 is in `column`: rows
// 0 to sourceRow - 1 take row[j] = row[j] - source[j] * row[column] for j after
// `column`, then row[column] = 0.
void EliminateAbove(double* matrix, std::size_t stride, std::size_t sourceRow, std::size_t column,
                    std::size_t width);

void SwapRows(double* __restrict a, double* __restrict b, std::size_t count);

}  // namespace zentova::detail
