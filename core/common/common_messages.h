// Texts of the rules every page shares, and of the one rule only the command
// line needs: the boxes hold Unicode text, so bytes that are not UTF-8 can
// only come from a shell.
#pragma once

#include <string_view>

namespace zentova::msg {

inline constexpr std::string_view kEnterNumber = "请输入一个数。";
inline constexpr std::string_view kEnterInteger = "请输入一个整数。";
inline constexpr std::string_view kTextNotUtf8 = "输入的文本不是有效的 UTF-8 编码。";

}  // namespace zentova::msg
