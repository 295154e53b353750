// The rules of the expression pages that are not about widgets: validations in
// their order, the message texts, the history rule and the parameter list.
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "engine/function_of_x.h"
#include "engine/outcome.h"

namespace zentova {

namespace msg {
inline constexpr std::string_view kEnterExpression = "请输入表达式";
inline constexpr std::string_view kEnterExpressionName = "请输入表达式名称";
inline constexpr std::string_view kPrecisionMustBePositive = "精度值必须为正数";
inline constexpr std::string_view kDepthMustBePositive = "深度值必须为正整数";
inline constexpr std::string_view kSelectExpression = "请选择表达式";
inline constexpr std::string_view kEnterParameters = "请输入参数表";
inline constexpr std::string_view kExpressionTooLong = "表达式不能超过 1023 个字符";
inline constexpr std::string_view kEnterStatisticsData = "请输入要统计的数据。";
inline constexpr std::string_view kNotExpressionFile = "您打开的不是表达式文件";
inline constexpr std::string_view kNoExpressionToSave = "表达式列表中没有表达式可存储";
inline constexpr std::string_view kExpressionFileDamaged = "表达式文件已损坏，无法读取";
inline constexpr std::string_view kExpressionFileUnreadable = "无法读取表达式文件";
inline constexpr std::string_view kExpressionFileUnwritable = "无法写入表达式文件";
inline constexpr std::string_view kNameTooLong = "表达式名称不能超过 99 个字节（GBK 编码）";
inline constexpr std::string_view kExpressionTooLongForFile =
    "表达式不能超过 499 个字节（GBK 编码）";
inline constexpr std::string_view kNotGbkText = "表达式名称和表达式只能包含 GBK 编码中有的字符";
inline constexpr std::string_view kExpressionFileBadText = "表达式文件中有无效的 GBK 文字";
inline constexpr std::string_view kZeroByteInItem = "表达式名称和表达式不能包含零字节";
inline constexpr std::string_view kTooManyExpressions = "表达式文件最多存储 65535 个表达式";
}  // namespace msg

// The calculator lower-cases what it evaluates; only ASCII letters change.
std::string LowerCaseAscii(std::string_view text);

// The history rule: true when some item begins with `text`, ignoring the case
// of ASCII letters. Such a text is not appended again.
bool HistoryHasPrefix(std::span<const std::string> history, std::string_view text);

// The calculator's "=": lower-cases `text` in place and evaluates it. Texts
// over 1023 characters are an input error.
EvalResult CalculatorEvaluate(std::string& text, AngleMode mode);

// The calculus page's two checks, precision first, then depth; empty when both
// hold.
std::string_view CalculusInputProblem(double precision, int depth);

Outcome ComputeIntegral(FunctionOfX& function, std::string_view text, double lower, double upper,
                        double precision, int depth);
Outcome ComputeDerivative(FunctionOfX& function, std::string_view text, double point, double step,
                          double precision, int depth);

// The sum and product page: an empty function is refused, and so is a range
// whose running x can never pass the end.
Outcome ComputeSeries(FunctionOfX& function, std::string_view text, double start, double end,
                      double step, char op);

// The values of the parameter box: pieces between commas, full-width commas
// and blanks, each read as every typed number is (no number reads as 0). At most
// kMaxParameterValues are kept; later ones could never be used.
inline constexpr std::size_t kMaxParameterValues = 50;
std::vector<double> SplitParameterValues(std::string_view text);

// The custom expression page's compute, from step "parameters empty?" on.
Outcome ComputeWithParameters(FunctionOfX& function, std::string_view expression,
                              std::string_view parameterText);

}  // namespace zentova
