// Every text that the polynomial page and its command-line twin show.
#pragma once

#include <string_view>

namespace zentova::msg {

inline constexpr std::string_view kEnterPolynomial = "请输入多项式。";
inline constexpr std::string_view kPolynomialInputWrong = "表达式输入不正确。";
inline constexpr std::string_view kPolynomialOverflow = "表达式项数过多，计算溢出。";
inline constexpr std::string_view kPolynomialTooLong = "多项式输入不能超过 5000 个字符";

}  // namespace zentova::msg
