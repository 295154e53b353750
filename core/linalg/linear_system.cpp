#include "linalg/linear_system.h"

#include <cmath>
#include <cstdio>
#include <optional>

#include "linalg/linalg_messages.h"
#include "linalg/row_kernels.h"

namespace zentova {

using detail::IsZero;

SolveStatus SolveLinearSystem(int n, Matrix& a) {
    if (n < 1 || a.rows() < n || a.cols() != n + 1) return SolveStatus::NoUniqueSolution;
    const std::size_t width = static_cast<std::size_t>(n) + 1;
    for (int i = 0; i < n; ++i) {
        if (IsZero(a.at(i, i))) {
            int k = i + 1;
            while (k < n && IsZero(a.at(k, i)))
                ++k;
            if (k == n) return SolveStatus::NoUniqueSolution;
            detail::SwapRows(a.row(i), a.row(k), width);
        }
        detail::EliminateOtherRows(a.row(0), static_cast<std::size_t>(a.cols()),
                                   static_cast<std::size_t>(n), static_cast<std::size_t>(i), width);
    }
    for (int i = 0; i < n; ++i) {
        const double d = a.at(i, i);
        if (IsZero(d)) return SolveStatus::NoUniqueSolution;
        const double x = a.at(i, n) / d;
        a.at(i, n) = std::fabs(x) >= 1e-10 ? x : 0.0;
    }
    return SolveStatus::Solved;
}

LinearSystemAnswer SolveLinearSystemText(int n, std::string_view text) {
    LinearSystemAnswer answer;
    if (n == 0) {
        answer.outcome = Outcome::Refused(msg::kEnterUnknownCount);
        return answer;
    }
    if (n < 0 || n > kMaxMatrixSize) {
        answer.outcome = Outcome::Refused(msg::kUnknownCountRange);
        return answer;
    }
    Matrix augmented(n, n + 1);
    std::optional<NotNumberToken> notNumber;
    const bool filled = ReadMatrix(text, augmented, &notNumber);
    if (notNumber) {
        // Refused before anything is changed: the list keeps its lines.
        answer.outcome = Outcome::Refused(MatrixNotNumberMessage(*notNumber, n + 1));
        return answer;
    }
    answer.listCleared = true;
    if (!filled) {
        answer.outcome = Outcome::Refused(msg::kCoefficientCountWrong);
        return answer;
    }
    if (SolveLinearSystem(n, augmented) != SolveStatus::Solved) {
        answer.outcome = Outcome::Failure(msg::kNoUniqueSolution);
        return answer;
    }
    std::string joined;
    char buffer[64];
    for (int i = 0; i < n; ++i) {
        std::snprintf(buffer, sizeof buffer, "x%d = %g", i, augmented.at(i, n));
        answer.lines.emplace_back(buffer);
        if (i != 0) joined.push_back('\n');
        joined.append(buffer);
    }
    answer.outcome = Outcome::Value(std::move(joined));
    return answer;
}

}  // namespace zentova
