// The expression evaluator: one line of text to a double or a status code.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "common/outcome.h"

namespace zentova {

// How the argument of sin, cos, tan and cot is read. Values outside the three
// named ones behave as Radians.
enum class AngleMode : int { Radians = 0, Degrees = 1, Centesimal = 2 };

// An 8-bit code; FormatResult shows codes missing from this list as values.
enum class EvalStatus : std::uint8_t {
    Ok = 0,
    InputError = 1,
    DivideByZero = 2,
    Meaningless = 4,
    UnbalancedParentheses = 5,
    IntegralMeaningless = 6,
    DerivativeMeaningless = 7,
};

struct EvalResult {
    double value = 0.0;  // meaningful only when status is Ok
    EvalStatus status = EvalStatus::Ok;

    bool ok() const { return status == EvalStatus::Ok; }
};

// Longest text the evaluator accepts; every caller works in a buffer of this
// size plus the terminating zero, so longer texts are an input error.
inline constexpr std::size_t kMaxExpressionLength = 1023;

// Evaluates `text` with `mode`. Pure and allocation-free. The text ends at its
// first zero byte, as the fixed buffer of the callers would end it, and is
// read by the input rule (common/typed_text.h): "（１＋２）×３" is (1+2)*3, and
// "，" separates arguments as "," does. The 1023 bytes are counted in that
// reading, so a full-width text has the same bound in characters as ASCII.
EvalResult Evaluate(std::string_view text, AngleMode mode);

// The result-box text: the value as "%.15g", or the Chinese message of the
// status.
std::string FormatResult(const EvalResult& result);

// The result-box text of an evaluation as a value or a failure.
Outcome OutcomeOf(const EvalResult& result);

// The message of a failing status, or an empty view for Ok and unlisted codes.
std::string_view StatusText(EvalStatus status);

}  // namespace zentova
