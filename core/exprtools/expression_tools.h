// The rules of the expression pages that are not about widgets: validations in
// their order, the message texts, the history rule and the parameter list.
#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "common/number_text.h"
#include "common/outcome.h"
#include "expr/function_of_x.h"
#include "exprtools/expression_messages.h"

namespace zentova {

// The calculator lower-cases what it evaluates; only ASCII letters change.
std::string LowerCaseAscii(std::string_view text);

// The history rule: true when some item begins with `text`, ignoring the case
// of ASCII letters. Such a text is not appended again.
bool HistoryHasPrefix(std::span<const std::string> history, std::string_view text);

// The calculator's "=": lower-cases the ASCII letters of `text` in place and
// evaluates it by the input rule, full-width letters lower-cased after their
// reading. Texts over 1023 characters are an input error.
EvalResult CalculatorEvaluate(std::string& text, AngleMode mode);

// Whether a UTF-8 text fits the calculator's box, which takes at most
// kMaxExpressionLength characters counted as it counts them (UTF-16 units). A
// text that fits may still be over 1023 bytes, which the evaluator refuses.
bool FitsExpressionBox(std::string_view text);

// The calculus page's two checks, precision first, then depth; empty when both
// hold.
std::string_view CalculusInputProblem(double precision, int depth);

// The three computations below pass `control` on to FunctionOfX; a stopped
// one ends as Outcome::Stopped.
Outcome ComputeIntegral(FunctionOfX& function, std::string_view text, double lower, double upper,
                        double precision, int depth, TaskControl* control = nullptr);
Outcome ComputeDerivative(FunctionOfX& function, std::string_view text, double point, double step,
                          double precision, int depth, TaskControl* control = nullptr);

// The sum and product page's checks: an empty function is refused, then a
// range whose running x can never pass the end; empty when both hold.
std::string_view SeriesInputProblem(std::string_view text, double start, double end, double step);

// The sum and product page: refuses what SeriesInputProblem refuses.
Outcome ComputeSeries(FunctionOfX& function, std::string_view text, double start, double end,
                      double step, char op, TaskControl* control = nullptr);

// The values of the parameter box: the number tokens of a single line (blanks,
// tabs, commas and full-width commas separate; common/number_text.h). At most
// kMaxParameterValues are read; later ones could never be used and are not
// looked at. A token among them that is not a number ends the reading and
// lands in `notNumber` when given.
inline constexpr std::size_t kMaxParameterValues = 50;
std::vector<double> SplitParameterValues(std::string_view text,
                                         std::optional<NotNumberToken>* notNumber = nullptr);

// The custom expression page's modify and delete: an empty list is refused
// first, then a list in which no expression is chosen. Empty when the command
// may go on.
std::string_view ModifyExpressionProblem(std::size_t count, bool chosen);
std::string_view DeleteExpressionProblem(std::size_t count, bool chosen);

// The custom expression page's compute, from step "parameters empty?" on.
Outcome ComputeWithParameters(FunctionOfX& function, std::string_view expression,
                              std::string_view parameterText);

}  // namespace zentova
