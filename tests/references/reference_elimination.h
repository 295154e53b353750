// The eliminations written out element by element, exactly in the order of
// their description, as the reference that the row-wise versions must equal
// bit for bit.
#pragma once

#include <cmath>
#include <utility>

#include "linalg/matrix_text.h"

namespace zentova::reference {

inline bool IsZero(double x) {
    return x == 0.0 || std::isnan(x);
}

// 0: unique solution, 1: none.
inline int SolveLinearSystem(int n, Matrix& a) {
    for (int i = 0; i < n; ++i) {
        if (IsZero(a.at(i, i))) {
            int k = i + 1;
            while (k < n && IsZero(a.at(k, i)))
                ++k;
            if (k == n) return 1;
            for (int c = 0; c <= n; ++c)
                std::swap(a.at(i, c), a.at(k, c));
        }
        for (int j = 0; j < n; ++j) {
            if (j == i) continue;
            const double t = -(a.at(j, i) / a.at(i, i));
            a.at(j, i) = 0.0;
            for (int k = 0; k <= n; ++k) {
                if (k == i) continue;
                a.at(j, k) = t * a.at(i, k) + a.at(j, k);
            }
        }
    }
    for (int i = 0; i < n; ++i) {
        if (IsZero(a.at(i, i))) return 1;
        const double x = a.at(i, n) / a.at(i, i);
        a.at(i, n) = std::fabs(x) >= 1e-10 ? x : 0.0;
    }
    return 0;
}

inline double EvaluateDeterminant(int n, Matrix& a) {
    bool odd = false;
    for (int i = 0; i < n; ++i) {
        if (IsZero(a.at(i, i))) {
            int k = i + 1;
            while (k < n && IsZero(a.at(k, i)))
                ++k;
            if (k == n) return 0.0;
            for (int c = 0; c < n; ++c)
                std::swap(a.at(i, c), a.at(k, c));
            odd = !odd;
        }
        for (int j = 0; j < n; ++j) {
            if (j == i) continue;
            const double t = -(a.at(j, i) / a.at(i, i));
            a.at(j, i) = 0.0;
            for (int k = 0; k < n; ++k) {
                if (k == i) continue;
                a.at(j, k) = t * a.at(i, k) + a.at(j, k);
            }
        }
    }
    for (int i = 0; i < n; ++i) {
        if (IsZero(a.at(i, i))) return 0.0;
    }
    double d = 1.0;
    for (int i = 0; i < n; ++i)
        d = d * a.at(i, i);
    if (odd) d = d * -1.0;
    if (std::fabs(d) >= 1e-10) return d;
    return 0.0;
}

inline void ReduceRowEchelon(int rows, int cols, Matrix& m) {
    for (int r = 0; r < rows; ++r) {
        if (r >= cols) continue;
        int pc = -1;
        for (int c = r; c < cols; ++c) {
            if (!IsZero(m.at(r, c))) {
                pc = c;
                break;
            }
            int k = r + 1;
            while (k < rows && IsZero(m.at(k, c)))
                ++k;
            if (k < rows) {
                for (int j = 0; j < cols; ++j)
                    std::swap(m.at(r, j), m.at(k, j));
                pc = c;
                break;
            }
        }
        if (pc < 0) continue;
        for (int k = r + 1; k < rows; ++k) {
            const double f = m.at(k, pc);
            const double p = m.at(r, pc);
            for (int j = pc; j < cols; ++j) {
                m.at(k, j) = -(f / p) * m.at(r, j) + m.at(k, j);
                if (!(std::fabs(m.at(k, j)) >= 1e-10)) m.at(k, j) = 0.0;
            }
        }
    }
    for (int i = 0; i < rows; ++i) {
        int j = 0;
        while (j < cols && IsZero(m.at(i, j)))
            ++j;
        if (j == cols) continue;
        for (int k = j + 1; k < cols; ++k)
            m.at(i, k) = m.at(i, k) / m.at(i, j);
        m.at(i, j) = 1.0;
    }
    for (int r = rows - 1; r >= 1; --r) {
        int c = 0;
        while (c < cols && IsZero(m.at(r, c)))
            ++c;
        if (c == cols) continue;
        for (int k = r - 1; k >= 0; --k) {
            for (int j = c + 1; j < cols; ++j)
                m.at(k, j) = m.at(k, j) - m.at(r, j) * m.at(k, c);
            m.at(k, c) = 0.0;
        }
    }
}

}  // namespace zentova::reference
