// The workbench's five operations on stored matrices, their shape rules and
// the names they propose for their results.
#pragma once

#include <string>
#include <string_view>

#include "common/outcome.h"
#include "linalg/matrix_text.h"

namespace zentova {

enum class MatrixOpKind { OpAdd, OpSubtract, OpMultiply, OpEchelon, OpInverse };

// Proposed names of the results.
inline constexpr std::string_view kSumName = "Sum";
inline constexpr std::string_view kProductName = "Product";
inline constexpr std::string_view kEchelonName = "Echelon";
inline constexpr std::string_view kInverseName = "R";

// A stored matrix as the operations see it: its shape and its text, whose
// numbers are read afresh by every operation.
struct MatrixOperand {
    int rows = 0;
    int cols = 0;
    std::string_view text;
};

// Brings the matrix to reduced row echelon form in place: forward elimination
// with the first nonzero candidate as pivot and entries below 1e-10 in
// magnitude cleared, then scaling of the leading entries to 1, then back
// elimination.
void ReduceRowEchelon(Matrix& matrix);

// The rows counted from the top before the first all-zero row.
int EchelonRank(const Matrix& matrix);

struct MatrixOpResult {
    std::string text;  // "%g" values; empty when an inversion found the matrix singular
    // The same layout with each value as the shortest text that reads back to
    // the same double: what the workbench stores, so that a result reused in
    // another operation has exactly the value that was computed.
    std::string exact;
    int rank = 0;  // for OpEchelon
};

// A computed matrix as FormatMatrixText lays it out, each value written as the
// shortest text that reads back to the same double.
std::string FormatExactMatrixText(const Matrix& matrix);

// Runs one operation; the shapes must already fit (see RunMatrixOperation).
// The unary kinds ignore `b`.
MatrixOpResult MatrixOperation(const MatrixOperand& a, const MatrixOperand& b, MatrixOpKind kind);

// The add checks of one matrix, in their order, on the trimmed text: empty
// text, a size below 1 or above 100, then the numbers in reading order: one of
// the first rows * cols tokens that is not a number, or too few of them.
// Empty when it passes.
std::string MatrixEntryProblem(int rows, int cols, std::string_view trimmedText);

// What an operation handler puts into the workbench editor.
struct MatrixOpAnswer {
    // Refused: a shape message (the editor is not changed); Failure: the
    // matrix is not invertible; Value: the result text as shown ("%g").
    Outcome outcome;
    std::string exactText;  // for Value: the result with every digit (MatrixOpResult::exact)
    int rows = 0;
    int cols = 0;
    std::string name;
    int rank = 0;
    bool hasRank = false;
};

// An operation handler after its operands were chosen: the operation's own
// shape rule, the operation, the result's shape and proposed name.
MatrixOpAnswer RunMatrixOperation(MatrixOpKind kind, const MatrixOperand& a,
                                  const MatrixOperand& b = {});

}  // namespace zentova
