// Row operations shared by the eliminations. Rows are contiguous, so these
// loops vectorise; each element still gets exactly the written operations
// (one product, then one sum, each rounded), as -ffp-contract=off keeps them.
#pragma once

#include <cmath>
#include <cstddef>

namespace zentova::detail {

// A value counts as zero when it equals 0 or is not a number.
inline bool IsZero(double x) {
    return !(x < 0.0 || x > 0.0);
}

// dst[k] = t * src[k] + dst[k] for k in [0, count).
inline void AddScaledRow(double* __restrict dst, const double* __restrict src, double t,
                         std::size_t count) {
    for (std::size_t k = 0; k < count; ++k)
        dst[k] = t * src[k] + dst[k];
}

// As AddScaledRow, then every result below 1e-10 in magnitude (or not a
// number) becomes exactly 0.
inline void AddScaledRowCleaned(double* __restrict dst, const double* __restrict src, double t,
                                std::size_t count) {
    for (std::size_t k = 0; k < count; ++k) {
        const double v = t * src[k] + dst[k];
        dst[k] = std::fabs(v) >= 1e-10 ? v : 0.0;
    }
}

// dst[k] = dst[k] - src[k] * f for k in [0, count).
inline void SubtractScaledRow(double* __restrict dst, const double* __restrict src, double f,
                              std::size_t count) {
    for (std::size_t k = 0; k < count; ++k)
        dst[k] = dst[k] - src[k] * f;
}

inline void SwapRows(double* __restrict a, double* __restrict b, std::size_t count) {
    for (std::size_t k = 0; k < count; ++k) {
        const double t = a[k];
        a[k] = b[k];
        b[k] = t;
    }
}

}  // namespace zentova::detail
