// Every text the expression engine gives: what a failed evaluation shows in
// the result box, and why a sum or product over a range would never end. The
// expression tools, pages and command line show these as they are.
#pragma once

#include <string_view>

namespace zentova::msg {

// A failed evaluation, by its status.
inline constexpr std::string_view kExpressionInputError = "表达式输入错误";
inline constexpr std::string_view kDivideByZero = "除数为零错误";
inline constexpr std::string_view kMeaningless = "运算结果无意义";
inline constexpr std::string_view kUnbalancedParentheses = "左右括号不匹配";
inline constexpr std::string_view kIntegralMeaningless = "所求的定积分在指定精度和深度下无意义";
inline constexpr std::string_view kDerivativeMeaningless = "所求的微分在指定精度和深度下无意义";

// A range of a sum or product that SeriesRangeProblem refuses.
inline constexpr std::string_view kRangeBoundNotANumber = "起始值和终止值必须是数";
inline constexpr std::string_view kRangeBoundInfinite = "起始值和终止值必须是有限数";
inline constexpr std::string_view kRangeStepNotPositive = "步长必须为正数，否则 x 永远到不了终止值";
inline constexpr std::string_view kRangeStepVanishes =
    "步长太小，x 加上步长后不再变化，计算无法结束";

}  // namespace zentova::msg
