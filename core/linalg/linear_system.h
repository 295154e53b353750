// Linear systems of n equations in n unknowns by Gauss-Jordan elimination.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "common/outcome.h"
#include "linalg/matrix_text.h"

namespace zentova {

enum class SolveStatus { Solved, NoUniqueSolution };

// Works in place on the augmented matrix (n rows, n + 1 columns, the right-hand
// side last). The pivot is the diagonal entry unless it is exactly zero (or not
// a number); only then is the first row below with a nonzero entry exchanged
// in. On success column n holds the unknowns, those below 1e-10 in magnitude
// as 0. On failure the matrix content means nothing.
SolveStatus SolveLinearSystem(int n, Matrix& augmented);

// The solve page from its "number of unknowns" and coefficient boxes.
struct LinearSystemAnswer {
    // Refused: a message box; Failure: no unique solution; Value: the lines
    // joined by LF, in the order of the unknowns.
    Outcome outcome;
    std::vector<std::string> lines;  // for Value: "x0 = 2", "x1 = 1", ...
    bool listCleared = false;        // the page empties its result list
};

LinearSystemAnswer SolveLinearSystemText(int n, std::string_view text);

}  // namespace zentova
