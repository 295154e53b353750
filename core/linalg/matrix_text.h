// The text form of every matrix that is typed or shown: values in reading
// order, no row markers; the caller states the shape.
#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "common/number_text.h"

namespace zentova {

// Orders and sizes above this are refused: every page promises up to 100.
inline constexpr int kMaxMatrixSize = 100;

// A dense row-major matrix; element (r, c) lies at r * cols + c.
class Matrix {
  public:
    Matrix() = default;
    Matrix(int rows, int cols)
        : rows_(rows),
          cols_(cols),
          data_(static_cast<std::size_t>(rows) * static_cast<std::size_t>(cols), 0.0) {}

    int rows() const { return rows_; }
    int cols() const { return cols_; }
    double* row(int r) { return data_.data() + Offset(r, 0); }
    const double* row(int r) const { return data_.data() + Offset(r, 0); }
    double& at(int r, int c) { return data_[Offset(r, c)]; }
    double at(int r, int c) const { return data_[Offset(r, c)]; }
    std::span<double> values() { return data_; }
    std::span<const double> values() const { return data_; }

  private:
    std::size_t Offset(int r, int c) const {
        return static_cast<std::size_t>(r) * static_cast<std::size_t>(cols_) +
               static_cast<std::size_t>(c);
    }

    int rows_ = 0;
    int cols_ = 0;
    std::vector<double> data_;
};

// Stores the values of the first `count` tokens of `text` in reading order into
// `destination` (never more than it holds) and returns how many were stored.
// With a destination of row length cols, token k lands in row k / cols, column
// k mod cols. The text is read whole, however long. A token among them that is
// not a number (common/number_text.h) ends the reading: the count is then that
// of the numbers before it, and the token lands in `notNumber` when given
// (which is emptied otherwise). Tokens after the first `count` are not read.
std::size_t ReadMatrixText(std::string_view text, std::size_t count, std::span<double> destination,
                           std::optional<NotNumberToken>* notNumber = nullptr);

// Reads rows * cols values into the matrix; false when the text holds fewer
// or when one of them is not a number, which then lands in `notNumber`.
bool ReadMatrix(std::string_view text, Matrix& matrix,
                std::optional<NotNumberToken>* notNumber = nullptr);

// The refusal of a token that is not a number, for a matrix of `cols` columns:
// its place, row and column.
std::string MatrixNotNumberMessage(const NotNumberToken& token, int cols);

// The number of tokens of `text`, counting stops at `count`.
std::size_t CountMatrixNumbers(std::string_view text, std::size_t count);

// A value as printf's "%g" writes it.
std::string FormatG(double value);

// A computed matrix as text: "%g" values separated by ",", each row but the
// last ending in ",\r\n".
std::string FormatMatrixText(const Matrix& matrix);

// The typed tokens laid out in rows of `cols`: "a,b,\r\nc,d\r\n". Tokens after
// rows * cols are dropped.
std::string RelayoutMatrixText(std::string_view text, int rows, int cols);

// White space (blank, tab, CR, LF, VT, FF) removed from both ends.
std::string_view TrimMatrixText(std::string_view text);

}  // namespace zentova
