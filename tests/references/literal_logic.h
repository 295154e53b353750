// The logic tools exactly as first described: substitute the digits of one
// assignment into a working copy, run a fresh two-stack evaluator on it, and
// enumerate assignments one at a time. Slow on purpose; the tests and the
// benchmarks hold the fast tools against it.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "logic/formula.h"

namespace zentova::literal {

// Replaces every listed letter of `working` by "0" or "1" of its value.
void SubstituteValues(std::string& working, const VariableList& variables,
                      const std::vector<int>& assignment);

struct Evaluation {
    int value = 0;
    // The evaluator would have taken a value from an empty operand stack
    // (or found none at the end): the formula lacks an operand.
    bool missingOperand = false;
};

// The operator-precedence evaluator with its operand stack of 1000 values
// and operator stack of 1000 characters.
Evaluation EvaluateFormula(std::string_view substituted);

// The assignment with number `index` in counting order.
std::vector<int> Assignment(unsigned long long index, int count);

// Evaluates `formula` under one assignment of `variables`, on a working copy
// that is restored afterwards.
Evaluation EvaluateUnder(std::string_view formula, const VariableList& variables,
                         const std::vector<int>& assignment);

// The tools; `refused` is set when the page would answer "公式输入错误。".
struct ToolAnswer {
    bool refused = false;
    std::vector<std::string> lines;  // truth table: header, then lines
    std::string text;                // normal form or outcome
};
ToolAnswer TruthTable(std::string_view formula);
ToolAnswer ConjunctiveForm(std::string_view formula);
ToolAnswer DisjunctiveForm(std::string_view formula);
ToolAnswer Equivalence(std::string_view formula1, std::string_view formula2);
ToolAnswer Implication(std::string_view formula1, std::string_view formula2);

// Equivalence over the assignments [first, last) only: true when none of
// them is a counterexample. For timing a slice of a large search.
bool EquivalentOver(std::string_view formula1, std::string_view formula2,
                    const VariableList& variables, unsigned long long first,
                    unsigned long long last);

}  // namespace zentova::literal
