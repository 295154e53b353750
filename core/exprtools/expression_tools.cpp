#include "exprtools/expression_tools.h"

#include "common/number_text.h"
#include "common/typed_text.h"
#include "common/utf8_text.h"

namespace zentova {
namespace {

char LowerAscii(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// A stopped computation's value means nothing: it ends as stopped, whatever it
// had reached.
Outcome OutcomeOfRun(const EvalResult& result, const TaskControl* control) {
    if (control != nullptr && control->StopRequested()) return Outcome::Stopped();
    return OutcomeOf(result);
}

}  // namespace

std::string LowerCaseAscii(std::string_view text) {
    std::string lowered(text);
    for (char& c : lowered)
        c = LowerAscii(c);
    return lowered;
}

bool HistoryHasPrefix(std::span<const std::string> history, std::string_view text) {
    for (const std::string& item : history) {
        if (item.size() < text.size()) continue;
        bool same = true;
        for (std::size_t i = 0; i < text.size() && same; ++i) {
            same = LowerAscii(item[i]) == LowerAscii(text[i]);
        }
        if (same) return true;
    }
    return false;
}

EvalResult CalculatorEvaluate(std::string& text, AngleMode mode) {
    text = LowerCaseAscii(text);
    // The box keeps full-width letters as typed. Read as ASCII they are
    // lower-cased as well, so that ＳＩＮ reads as sin just as SIN does.
    const TypedText typed(text);
    if (!typed.mapped()) return Evaluate(text, mode);
    return Evaluate(LowerCaseAscii(typed.view()), mode);
}

bool FitsExpressionBox(std::string_view text) {
    return Utf16Length(text) <= kMaxExpressionLength;
}

std::string_view CalculusInputProblem(double precision, int depth) {
    if (!(precision > 0)) return msg::kPrecisionMustBePositive;
    if (depth <= 0) return msg::kDepthMustBePositive;
    return {};
}

Outcome ComputeIntegral(FunctionOfX& function, std::string_view text, double lower, double upper,
                        double precision, int depth, TaskControl* control) {
    if (const auto problem = CalculusInputProblem(precision, depth); !problem.empty()) {
        return Outcome::Refused(problem);
    }
    function.SetFunctionText(text);
    return OutcomeOfRun(function.DefiniteIntegral(lower, upper, precision, depth, control),
                        control);
}

Outcome ComputeDerivative(FunctionOfX& function, std::string_view text, double point, double step,
                          double precision, int depth, TaskControl* control) {
    if (const auto problem = CalculusInputProblem(precision, depth); !problem.empty()) {
        return Outcome::Refused(problem);
    }
    function.SetFunctionText(text);
    return OutcomeOfRun(function.Derivative(point, step, precision, depth, control), control);
}

std::string_view SeriesInputProblem(std::string_view text, double start, double end, double step) {
    if (text.empty()) return msg::kEnterExpression;
    return SeriesRangeProblem(start, end, step);
}

Outcome ComputeSeries(FunctionOfX& function, std::string_view text, double start, double end,
                      double step, char op, TaskControl* control) {
    if (const auto problem = SeriesInputProblem(text, start, end, step); !problem.empty()) {
        return Outcome::Refused(problem);
    }
    function.SetFunctionText(text);
    return OutcomeOfRun(function.SeriesAccumulate(start, end, step, op, control), control);
}

std::vector<double> SplitParameterValues(std::string_view text,
                                         std::optional<NotNumberToken>* notNumber) {
    std::vector<double> values;
    const std::optional<NotNumberToken> found = ReadNumberTokens(
        text,
        [&](double value) {
            values.push_back(value);
            return values.size() < kMaxParameterValues;
        },
        /*lineBreaks=*/false);
    if (notNumber != nullptr) *notNumber = found;
    return values;
}

std::string_view ModifyExpressionProblem(std::size_t count, bool chosen) {
    if (count == 0) return msg::kNoExpressionToModify;
    return chosen ? std::string_view() : msg::kSelectExpression;
}

std::string_view DeleteExpressionProblem(std::size_t count, bool chosen) {
    if (count == 0) return msg::kNoExpressionToDelete;
    return chosen ? std::string_view() : msg::kSelectExpression;
}

Outcome ComputeWithParameters(FunctionOfX& function, std::string_view expression,
                              std::string_view parameterText) {
    if (parameterText.empty()) return Outcome::Refused(msg::kEnterParameters);
    std::optional<NotNumberToken> notNumber;
    const std::vector<double> values = SplitParameterValues(parameterText, &notNumber);
    if (notNumber) {
        return Outcome::Refused(
            msg::ParameterTokenNotNumber(notNumber->index + 1, ShownToken(notNumber->token)));
    }
    function.SetFunctionText(expression);
    return OutcomeOf(function.EvaluateWithParameters(values));
}

}  // namespace zentova
