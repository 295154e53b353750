#include "linalg/row_kernels.h"

#if defined(__x86_64__) && defined(__GNUC__) && !defined(__clang__)
#define ZENTOVA_ROW_KERNEL __attribute__((target_clones("avx2", "default")))
#else
#define ZENTOVA_ROW_KERNEL
#endif

namespace zentova::detail {

// dst[k] = t * src[k] + dst[k] for k in [0, count).
ZENTOVA_ROW_KERNEL void AddScaledRow(double* __restrict dst, const double* __restrict src, double t,
                                     std::size_t count) {
    for (std::size_t k = 0; k < count; ++k)
        dst[k] = t * src[k] + dst[k];
}

// As AddScaledRow, then every result below 1e-10 in magnitude (or not a
// number) becomes exactly 0.
ZENTOVA_ROW_KERNEL void AddScaledRowCleaned(double* __restrict dst, const double* __restrict src,
                                            double t, std::size_t count) {
    for (std::size_t k = 0; k < count; ++k) {
        const double v = t * src[k] + dst[k];
        dst[k] = std::fabs(v) >= 1e-10 ? v : 0.0;
    }
}

// dst[k] = dst[k] - src[k] * f for k in [0, count).
ZENTOVA_ROW_KERNEL void SubtractScaledRow(double* __restrict dst, const double* __restrict src,
                                          double f, std::size_t count) {
    for (std::size_t k = 0; k < count; ++k)
        dst[k] = dst[k] - src[k] * f;
}

ZENTOVA_ROW_KERNEL void SwapRows(double* __restrict a, double* __restrict b, std::size_t count) {
    for (std::size_t k = 0; k < count; ++k) {
        const double t = a[k];
        a[k] = b[k];
        b[k] = t;
    }
}

}  // namespace zentova::detail
