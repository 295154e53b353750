// The evaluator on any text, in every angle mode, and the function of x with
// x and parameters substituted. An evaluation is a pure function of its text:
// the same text twice must give the same bits, which catches reads of
// uninitialised or stale state.
#include <fuzzer/FuzzedDataProvider.h>

#include <string>
#include <vector>

#include "common/typed_text.h"
#include "common/utf8_text.h"
#include "expr/evaluator.h"
#include "expr/function_of_x.h"
#include "exprtools/expression_tools.h"
#include "fuzz_check.h"

using namespace zentova;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    const auto mode = static_cast<AngleMode>(input.ConsumeIntegralInRange(0, 2));
    const double x = input.ConsumeFloatingPoint<double>();
    const std::vector<double> values = {input.ConsumeFloatingPoint<double>(),
                                        input.ConsumeFloatingPoint<double>()};
    const std::string text = input.ConsumeRemainingBytesAsString();

    const EvalResult first = Evaluate(text, mode);
    const EvalResult second = Evaluate(text, mode);
    fuzz::Check(first.status == second.status && fuzz::SameBits(first.value, second.value),
                "the same text evaluates twice to the same result", text);
    fuzz::Check(IsValidUtf8(FormatResult(first)), "a result text is UTF-8", text);
    const EvalResult read = Evaluate(TypedText(text).view(), mode);
    fuzz::Check(read.status == first.status && fuzz::SameBits(read.value, first.value),
                "a text evaluates as the input rule reads it", text);
    (void)OutcomeOf(first);

    std::string typed = text;
    (void)CalculatorEvaluate(typed, mode);

    FunctionOfX function;
    function.SetFunctionText(text);
    const double y = function.EvaluateAtX(x);
    FunctionOfX again;
    again.SetFunctionText(text);
    fuzz::Check(
        fuzz::SameBits(y, again.EvaluateAtX(x)) && function.EvalFailed() == again.EvalFailed(),
        "f(x) twice gives the same result", text);
    const EvalResult withParameters = function.EvaluateWithParameters(values);
    const EvalResult withParametersAgain = again.EvaluateWithParameters(values);
    fuzz::Check(withParameters.status == withParametersAgain.status &&
                    fuzz::SameBits(withParameters.value, withParametersAgain.value),
                "parameters twice give the same result", text);
    return 0;
}
