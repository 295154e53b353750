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

// dst[k] = t * src[k] + dst[k] for k in [0, count).
void AddScaledRow(double* __restrict dst, const double* __restrict src, double t,
                  std::size_t count);

// As AddScaledRow, then every result below 1e-10 in magnitude (or not a
// number) becomes exactly 0.
void AddScaledRowCleaned(double* __restrict dst, const double* __restrict src, double t,
                         std::size_t count);

// dst[k] = dst[k] - src[k] * f for k in [0, count).
void SubtractScaledRow(double* __restrict dst, const double* __restrict src, double f,
                       std::size_t count);

void SwapRows(double* __restrict a, double* __restrict b, std::size_t count);

}  // namespace zentova::detail
