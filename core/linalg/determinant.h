// Determinants of order n by the same Gauss-Jordan reduction as the linear
// system solver, without the right-hand column.
#pragma once

#include <string_view>

#include "common/outcome.h"
#include "linalg/matrix_text.h"

namespace zentova {

// Works in place on an n × n matrix and leaves it reduced. Every row exchange
// flips the sign; a determinant below 1e-10 in magnitude (or not a number) is 0.
double EvaluateDeterminant(int n, Matrix& matrix);

// The determinant page from its order and matrix boxes: Value holds the result
// box text ("%.15g"); Refused a message box text.
Outcome EvaluateDeterminantText(int n, std::string_view text);

}  // namespace zentova
