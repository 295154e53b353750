#include "linalg/row_kernels.h"

// The resolver that picks a clone runs while the program is being loaded,
// before ThreadSanitizer's runtime is ready; instrumented, it crashes there.
#if defined(__x86_64__) && defined(__GNUC__) && !defined(__clang__) && !defined(__SANITIZE_THREAD__)
#define ZENTOVA_ROW_KERNEL __attribute__((target_clones("avx2", "default")))
#else
#define ZENTOVA_ROW_KERNEL
#endif

namespace zentova::detail {
namespace {

// Two rows at once share each load of the pivot row.
inline void AddScaledRowPair(double* __restrict r1, double* __restrict r2,
                             const double* __restrict src, double t1, double t2,
                             std::size_t count) {
    for (std::size_t k = 0; k < count; ++k) {
        const double s = src[k];
        r1[k] = t1 * s + r1[k];
        r2[k] = t2 * s + r2[k];
    }
}

inline void AddScaledRowOne(double* __restrict dst, const double* __restrict src, double t,
                            std::size_t count) {
    for (std::size_t k = 0; k < count; ++k)
        dst[k] = t * src[k] + dst[k];
}

inline double Cleaned(double v) {
    return std::fabs(v) >= 1e-10 ? v : 0.0;
}

inline void AddScaledRowPairCleaned(double* __restrict r1, double* __restrict r2,
                                    const double* __restrict src, double t1, double t2,
                                    std::size_t count) {
    for (std::size_t k = 0; k < count; ++k) {
        const double s = src[k];
        r1[k] = Cleaned(t1 * s + r1[k]);
        r2[k] = Cleaned(t2 * s + r2[k]);
    }
}

inline void SubtractScaledRowPair(double* __restrict r1, double* __restrict r2,
                                  const double* __restrict src, double f1, double f2,
                                  std::size_t count) {
    for (std::size_t k = 0; k < count; ++k) {
        const double s = src[k];
        r1[k] = r1[k] - s * f1;
        r2[k] = r2[k] - s * f2;
    }
}

inline void AddScaledRowCleaned(double* __restrict dst, const double* __restrict src, double t,
                                std::size_t count) {
    for (std::size_t k = 0; k < count; ++k)
        dst[k] = Cleaned(t * src[k] + dst[k]);
}

inline void SubtractScaledRow(double* __restrict dst, const double* __restrict src, double f,
                              std::size_t count) {
    for (std::size_t k = 0; k < count; ++k)
        dst[k] = dst[k] - src[k] * f;
}

}  // namespace

ZENTOVA_ROW_KERNEL void EliminateBelowCleaned(double* matrix, std::size_t stride,
                                              std::size_t pivotRow, std::size_t rows,
                                              std::size_t column, std::size_t width) {
    const double* p = matrix + pivotRow * stride + column;
    const double pivotValue = p[0];
    const std::size_t count = width - column;
    std::size_t k = pivotRow + 1;
    for (; k + 1 < rows; k += 2) {
        double* r1 = matrix + k * stride + column;
        double* r2 = r1 + stride;
        const double f1 = -(r1[0] / pivotValue);
        const double f2 = -(r2[0] / pivotValue);
        AddScaledRowPairCleaned(r1, r2, p, f1, f2, count);
    }
    if (k < rows) {
        double* r = matrix + k * stride + column;
        AddScaledRowCleaned(r, p, -(r[0] / pivotValue), count);
    }
}

ZENTOVA_ROW_KERNEL void EliminateAbove(double* matrix, std::size_t stride, std::size_t sourceRow,
                                       std::size_t column, std::size_t width) {
    const double* source = matrix + sourceRow * stride;
    const std::size_t from = column + 1;
    std::size_t k = 0;
    for (; k + 1 < sourceRow; k += 2) {
        double* r1 = matrix + k * stride;
        double* r2 = r1 + stride;
        SubtractScaledRowPair(r1 + from, r2 + from, source + from, r1[column], r2[column],
                              width - from);
        r1[column] = 0.0;
        r2[column] = 0.0;
    }
    if (k < sourceRow) {
        double* r = matrix + k * stride;
        SubtractScaledRow(r + from, source + from, r[column], width - from);
        r[column] = 0.0;
    }
}

ZENTOVA_ROW_KERNEL void EliminateOtherRows(double* matrix, std::size_t stride, std::size_t rows,
                                           std::size_t pivot, std::size_t width) {
    const double* p = matrix + pivot * stride;
    const double pivotValue = p[pivot];
    double* pending = nullptr;
    double pendingFactor = 0.0;
    for (std::size_t j = 0; j < rows; ++j) {
        if (j == pivot) continue;
        double* row = matrix + j * stride;
        // The factor comes from the row as it stands; rows are independent of
        // each other, so pairing them changes no value.
        const double t = -(row[pivot] / pivotValue);
        if (pending == nullptr) {
            pending = row;
            pendingFactor = t;
            continue;
        }
        AddScaledRowPair(pending, row, p, pendingFactor, t, width);
        pending[pivot] = 0.0;
        row[pivot] = 0.0;
        pending = nullptr;
    }
    if (pending != nullptr) {
        AddScaledRowOne(pending, p, pendingFactor, width);
        pending[pivot] = 0.0;
    }
}

ZENTOVA_ROW_KERNEL void SwapRows(double* __restrict a, double* __restrict b, std::size_t count) {
    for (std::size_t k = 0; k < count; ++k) {
        const double t = a[k];
        a[k] = b[k];
        b[k] = t;
    }
}

}  // namespace zentova::detail
