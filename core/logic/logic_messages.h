// Every text that the logic page and its command-line twin show.
#pragma once

#include <string_view>

namespace zentova::msg {

inline constexpr std::string_view kFormulaInputError = "公式输入错误。";
inline constexpr std::string_view kEquivalent = "两公式等价。";
inline constexpr std::string_view kNotEquivalent = "两公式不等价。";
inline constexpr std::string_view kImplies = "公式一蕴含公式二。";
inline constexpr std::string_view kNotImplies = "公式一不蕴含公式二。";

}  // namespace zentova::msg
