// Every text that the logic page and its command-line twin show.
#pragma once

#include <string_view>

namespace zentova::msg {

inline constexpr std::string_view kFormulaInputError = "公式输入错误。";
inline constexpr std::string_view kEquivalent = "两公式等价。";
inline constexpr std::string_view kNotEquivalent = "两公式不等价。";
inline constexpr std::string_view kImplies = "公式一蕴含公式二。";
inline constexpr std::string_view kNotImplies = "公式一不蕴含公式二。";
// A normal form longer than kMaxShownNormalFormLength characters.
inline constexpr std::string_view kConjunctiveFormTooLong =
    "公式一的主合取范式超过十万个字符，太长，无法显示。";
inline constexpr std::string_view kDisjunctiveFormTooLong =
    "公式一的主析取范式超过十万个字符，太长，无法显示。";

}  // namespace zentova::msg
