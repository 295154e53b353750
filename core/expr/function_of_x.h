// The function-of-x and parameter services, and the computations built on
// them (integral, derivative, sum and product).
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "common/task_control.h"
#include "common/typed_text.h"
#include "expr/evaluator.h"

namespace zentova {

// One computation's function of x: its text and the failure flag that
// EvaluateAtX raises. A worker thread owns its own instance.
class FunctionOfX {
  public:
    // The text is kept as the input rule (common/typed_text.h) reads it, so
    // that a full-width ｘ or parameter letter is found as x or a letter.
    void SetFunctionText(std::string_view text) { text_.assign(TypedText(text).view()); }
    const std::string& CurrentFunction() const { return text_; }

    // Evaluates the text with every lower-case "x" replaced by "(%g)" of x, in
    // radians. A failure returns 0.0 and raises the flag with its status.
    double EvaluateAtX(double x);

    // Evaluates the text with its one-letter parameters replaced by `values`
    // in alphabetical order of the letters; missing values count as 0.
    EvalResult EvaluateWithParameters(std::span<const double> values) const;

    bool EvalFailed() const { return failed_; }
    EvalStatus EvalFailCode() const { return failCode_; }
    void SetEvalFailed(bool failed) { failed_ = failed; }
    void SetEvalFailCode(EvalStatus code) { failCode_ = code; }

    // The three computations below report to `control` when given, and give
    // the same bits with or without it. A stopped one returns a failure that
    // the caller discards after seeing control->StopRequested().

    // Romberg integration of the stored function from a to b. Progress counts
    // evaluation points, up to all that `depth` passes would take.
    EvalResult DefiniteIntegral(double a, double b, double precision, int depth,
                                TaskControl* control = nullptr);
    // Central-difference derivative of the stored function at x0. Progress
    // counts passes.
    EvalResult Derivative(double x0, double h0, double precision, int depth,
                          TaskControl* control = nullptr);
    // Sum (op '+') or product (any other op) over x = start, start+step, ...
    // while x <= end. A range whose running x can never pass the end is not
    // run at all and gives Meaningless; callers refuse it first with
    // SeriesRangeProblem. Progress counts terms.
    EvalResult SeriesAccumulate(double start, double end, double step, char op,
                                TaskControl* control = nullptr);

    // Back to the state at start: empty text, flag and code cleared.
    void Reset();

  private:
    std::string text_;
    bool failed_ = false;
    EvalStatus failCode_ = EvalStatus::Ok;
};

// The most function values each computation takes: what a caller weighs
// before running it where the user would wait. Beyond 2^64 the count is the
// largest value.
std::uint64_t IntegralEvaluations(int depth);
std::uint64_t DerivativeEvaluations(int depth);
// Terms of a sum or product over a range that SeriesRangeProblem accepts, as
// exact arithmetic counts them (the running x may round to one more or less);
// the largest value for a range it refuses.
std::uint64_t SeriesTermCount(double start, double end, double step);

// Why a sum or product over this range would never end (zero, negative or
// vanishing step with start not above the end, an infinite or NaN bound), or
// an empty view when it ends.
std::string_view SeriesRangeProblem(double start, double end, double step);

// The process-wide function of x, for work that runs where it is asked for,
// one computation at a time: the command line's, and the custom-expression
// page's evaluation with parameters. Work on a worker thread owns its own.
FunctionOfX& SharedFunction();

}  // namespace zentova
