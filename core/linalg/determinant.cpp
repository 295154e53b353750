#include "linalg/determinant.h"

#include <cmath>
#include <optional>

#include "common/number_text.h"
#include "linalg/linalg_messages.h"
#include "linalg/row_kernels.h"

namespace zentova {

using detail::IsZero;

double EvaluateDeterminant(int n, Matrix& a) {
    if (n < 1 || a.rows() < n || a.cols() != n) return 0.0;
    const std::size_t width = static_cast<std::size_t>(n);
    bool odd = false;
    for (int i = 0; i < n; ++i) {
        if (IsZero(a.at(i, i))) {
            int k = i + 1;
            while (k < n && IsZero(a.at(k, i)))
                ++k;
            if (k == n) return 0.0;
            detail::SwapRows(a.row(i), a.row(k), width);
            odd = !odd;
        }
        detail::EliminateOtherRows(a.row(0), static_cast<std::size_t>(a.cols()),
                                   static_cast<std::size_t>(n), static_cast<std::size_t>(i), width);
    }
    for (int i = 0; i < n; ++i) {
        if (IsZero(a.at(i, i))) return 0.0;
    }
    double d = 1.0;
    for (int i = 0; i < n; ++i)
        d *= a.at(i, i);
    if (odd) d *= -1.0;
    return std::fabs(d) >= 1e-10 ? d : 0.0;
}

Outcome EvaluateDeterminantText(int n, std::string_view text) {
    if (n == 0) return Outcome::Refused(msg::kEnterDeterminantOrder);
    if (n < 0 || n > kMaxMatrixSize) return Outcome::Refused(msg::kDeterminantOrderRange);
    Matrix matrix(n, n);
    std::optional<NotNumberToken> notNumber;
    if (!ReadMatrix(text, matrix, &notNumber)) {
        if (notNumber) return Outcome::Refused(MatrixNotNumberMessage(*notNumber, n));
        return Outcome::Refused(msg::kDeterminantCountWrong);
    }
    return Outcome::Value(FormatDouble(EvaluateDeterminant(n, matrix)));
}

}  // namespace zentova
