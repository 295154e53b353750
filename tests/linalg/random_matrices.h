// Seeded random matrices for the randomised tests, and bit-exact comparison.
#pragma once

#include <bit>
#include <cstdint>
#include <random>

#include "linalg/matrix_text.h"

namespace zentova::testing {

// Entries drawn from small integers, with some zeros so that exchanges and
// singular cases occur; `zeroChance` in percent.
inline Matrix RandomMatrix(std::mt19937& random, int rows, int cols, int zeroChance = 0) {
    std::uniform_int_distribution<int> percent(0, 99);
    std::uniform_real_distribution<double> value(-9.0, 9.0);
    Matrix m(rows, cols);
    for (double& x : m.values())
        x = percent(random) < zeroChance ? 0.0 : value(random);
    return m;
}

inline bool SameBits(const Matrix& a, const Matrix& b) {
    if (a.rows() != b.rows() || a.cols() != b.cols()) return false;
    for (std::size_t i = 0; i < a.values().size(); ++i) {
        if (std::bit_cast<std::uint64_t>(a.values()[i]) !=
            std::bit_cast<std::uint64_t>(b.values()[i])) {
            return false;
        }
    }
    return true;
}

}  // namespace zentova::testing
