#include "linalg/matrix_operations.h"

#include <charconv>
#include <initializer_list>
#include <optional>
#include <string>

#include "linalg/linalg_messages.h"
#include "linalg/row_kernels.h"

namespace zentova {

using detail::IsZero;

namespace {

Matrix ReadOperand(const MatrixOperand& operand) {
    Matrix matrix(operand.rows, operand.cols);
    ReadMatrix(operand.text, matrix);  // Add made sure there are enough numbers
    return matrix;
}

// The first nonzero column of row r, or cols when the row is all zero.
int LeadingColumn(const Matrix& m, int r) {
    const double* row = m.row(r);
    int c = 0;
    while (c < m.cols() && IsZero(row[c]))
        ++c;
    return c;
}

bool ValidShape(const MatrixOperand& operand) {
    return operand.rows >= 1 && operand.cols >= 1 && operand.rows <= kMaxMatrixSize &&
           operand.cols <= kMaxMatrixSize;
}

void SetTexts(MatrixOpResult& result, const Matrix& matrix) {
    result.text = FormatMatrixText(matrix);
    result.exact = FormatExactMatrixText(matrix);
}

}  // namespace

std::string FormatExactMatrixText(const Matrix& matrix) {
    std::string text;
    text.reserve(matrix.values().size() * 24);
    char buffer[32];  // the shortest form of a double takes at most 24 characters
    for (int r = 0; r < matrix.rows(); ++r) {
        for (int c = 0; c < matrix.cols(); ++c) {
            const auto [end, error] =
                std::to_chars(buffer, buffer + sizeof buffer, matrix.at(r, c));
            (void)error;  // 32 characters always suffice
            text.append(buffer, end);
            text.append(c == matrix.cols() - 1 ? ",\r\n" : ",");
        }
    }
    if (text.size() >= 3) text.resize(text.size() - 3);
    return text;
}

void ReduceRowEchelon(Matrix& m) {
    const int rows = m.rows();
    const int cols = m.cols();
    const auto width = static_cast<std::size_t>(cols);  // also the row stride

    for (int r = 0; r < rows && r < cols; ++r) {
        int pivotColumn = -1;
        for (int c = r; c < cols && pivotColumn < 0; ++c) {
            if (!IsZero(m.at(r, c))) {
                pivotColumn = c;
                break;
            }
            for (int k = r + 1; k < rows; ++k) {
                if (!IsZero(m.at(k, c))) {
                    detail::SwapRows(m.row(r), m.row(k), width);
                    pivotColumn = c;
                    break;
                }
            }
        }
        if (pivotColumn < 0) continue;
        detail::EliminateBelowCleaned(m.row(0), width, static_cast<std::size_t>(r),
                                      static_cast<std::size_t>(rows),
                                      static_cast<std::size_t>(pivotColumn), width);
    }

    for (int i = 0; i < rows; ++i) {
        const int j = LeadingColumn(m, i);
        if (j == cols) continue;
        double* row = m.row(i);
        const double lead = row[j];
        for (int k = j + 1; k < cols; ++k)
            row[k] = row[k] / lead;
        row[j] = 1.0;
    }

    for (int r = rows - 1; r >= 1; --r) {
        const int c = LeadingColumn(m, r);
        if (c == cols) continue;
        detail::EliminateAbove(m.row(0), width, static_cast<std::size_t>(r),
                               static_cast<std::size_t>(c), width);
    }
}

int EchelonRank(const Matrix& m) {
    int rank = 0;
    while (rank < m.rows() && LeadingColumn(m, rank) < m.cols())
        ++rank;
    return rank;
}

MatrixOpResult MatrixOperation(const MatrixOperand& a, const MatrixOperand& b, MatrixOpKind kind) {
    MatrixOpResult result;
    if (!ValidShape(a)) return result;
    const bool binary = kind == MatrixOpKind::OpAdd || kind == MatrixOpKind::OpSubtract ||
                        kind == MatrixOpKind::OpMultiply;
    if (binary && !ValidShape(b)) return result;
    Matrix left = ReadOperand(a);

    switch (kind) {
        case MatrixOpKind::OpAdd:
        case MatrixOpKind::OpSubtract: {
            if (b.rows != a.rows || b.cols != a.cols) return result;
            const Matrix right = ReadOperand(b);
            Matrix out(a.rows, a.cols);
            const auto l = left.values();
            const auto r = right.values();
            const auto o = out.values();
            for (std::size_t i = 0; i < o.size(); ++i) {
                o[i] = kind == MatrixOpKind::OpAdd ? l[i] + r[i] : l[i] - r[i];
            }
            SetTexts(result, out);
            return result;
        }
        case MatrixOpKind::OpMultiply: {
            if (b.rows != a.cols) return result;
            const Matrix right = ReadOperand(b);
            Matrix out(a.rows, b.cols);
            for (int r = 0; r < a.rows; ++r) {
                for (int k = 0; k < b.cols; ++k) {
                    double sum = 0.0;
                    for (int n = 0; n < a.cols; ++n)
                        sum = sum + left.at(r, n) * right.at(n, k);
                    out.at(r, k) = sum;
                }
            }
            SetTexts(result, out);
            return result;
        }
        case MatrixOpKind::OpEchelon:
            ReduceRowEchelon(left);
            result.rank = EchelonRank(left);
            SetTexts(result, left);
            return result;
        case MatrixOpKind::OpInverse: {
            if (a.rows != a.cols) return result;
            const int n = a.rows;
            Matrix work(n, 2 * n);
            for (int k = 0; k < n; ++k) {
                for (int h = 0; h < n; ++h) {
                    work.at(k, h) = left.at(k, h);
                    work.at(k, n + h) = h == k ? 1.0 : 0.0;
                }
            }
            ReduceRowEchelon(work);
            for (int k = 0; k < n; ++k) {
                const double* row = work.row(k);
                int h = 0;
                while (h < n && IsZero(row[h]))
                    ++h;
                if (h == n) return result;
            }
            Matrix out(n, n);
            for (int k = 0; k < n; ++k) {
                for (int h = 0; h < n; ++h)
                    out.at(k, h) = work.at(k, n + h);
            }
            SetTexts(result, out);
            return result;
        }
    }
    return result;
}

std::string MatrixEntryProblem(int rows, int cols, std::string_view trimmedText) {
    if (trimmedText.empty()) return std::string(msg::kEnterMatrix);
    if (rows < 1 || cols < 1) return std::string(msg::kMatrixShapeWrong);
    if (rows > kMaxMatrixSize || cols > kMaxMatrixSize) return std::string(msg::kMatrixTooLarge);
    const std::size_t needed = static_cast<std::size_t>(rows) * static_cast<std::size_t>(cols);
    std::size_t count = 0;
    const std::optional<NotNumberToken> notNumber =
        ReadNumberTokens(trimmedText, [&](double) { return ++count < needed; });
    if (notNumber) return MatrixNotNumberMessage(*notNumber, cols);
    if (count < needed) return std::string(msg::kMatrixShapeWrong);
    return {};
}

MatrixOpAnswer RunMatrixOperation(MatrixOpKind kind, const MatrixOperand& a,
                                  const MatrixOperand& b) {
    MatrixOpAnswer answer;
    const bool binary = kind == MatrixOpKind::OpAdd || kind == MatrixOpKind::OpSubtract ||
                        kind == MatrixOpKind::OpMultiply;
    for (const MatrixOperand* operand : {&a, &b}) {
        if (operand == &b && !binary) break;
        const std::string problem =
            MatrixEntryProblem(operand->rows, operand->cols, TrimMatrixText(operand->text));
        if (!problem.empty()) {
            answer.outcome = Outcome::Refused(problem);
            return answer;
        }
    }
    switch (kind) {
        case MatrixOpKind::OpAdd:
        case MatrixOpKind::OpSubtract:
            if (a.rows != b.rows || a.cols != b.cols) {
                answer.outcome = Outcome::Refused(msg::kSameShapeNeeded);
                return answer;
            }
            answer.rows = a.rows;
            answer.cols = a.cols;
            answer.name = std::string(kSumName);
            break;
        case MatrixOpKind::OpMultiply:
            if (b.rows != a.cols) {
                answer.outcome = Outcome::Refused(msg::kProductShapeWrong);
                return answer;
            }
            answer.rows = a.rows;
            answer.cols = b.cols;
            answer.name = std::string(kProductName);
            break;
        case MatrixOpKind::OpEchelon:
            answer.rows = a.rows;
            answer.cols = a.cols;
            answer.name = std::string(kEchelonName);
            answer.hasRank = true;
            break;
        case MatrixOpKind::OpInverse:
            if (a.rows != a.cols) {
                answer.outcome = Outcome::Refused(msg::kOnlySquareInvertible);
                return answer;
            }
            answer.rows = a.rows;
            answer.cols = a.cols;
            answer.name = std::string(kInverseName);
            break;
    }
    MatrixOpResult result = MatrixOperation(a, b, kind);
    answer.rank = result.rank;
    if (result.text.empty()) {
        answer.outcome = Outcome::Failure(msg::kNotInvertible);
        return answer;
    }
    answer.outcome = Outcome::Value(std::move(result.text));
    answer.exactText = std::move(result.exact);
    return answer;
}

}  // namespace zentova
