// Texts of the rules every page shares.
#pragma once

#include <string_view>

namespace zentova::msg {

inline constexpr std::string_view kEnterNumber = "请输入一个数。";
inline constexpr std::string_view kEnterInteger = "请输入一个整数。";

}  // namespace zentova::msg
