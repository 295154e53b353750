// Every usage message of zentova-cli's own: arguments the pages have no box
// for, refused before any tool sees them. `quoted` is the argument as Quoted
// shows it; `what` names the argument.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace zentova::msg {

inline std::string NotANumber(std::string_view what, std::string_view quoted) {
    return std::string(what) + " 必须是数: " + std::string(quoted);
}
inline std::string NotAnInteger(std::string_view what, std::string_view quoted) {
    return std::string(what) + " 必须是整数: " + std::string(quoted);
}
inline std::string UnknownStatisticKind(std::string_view quoted) {
    return "统计类型必须是 0-9 或其名称之一: " + std::string(quoted);
}
inline std::string ConstantIndexOutside(std::size_t last) {
    return "序号必须在 0 到 " + std::to_string(last) + " 之间";
}
// A line of `exprfile write`'s input without its tab, at its place (from 1).
inline std::string LineWithoutTab(std::size_t line) {
    return "第 " + std::to_string(line) + " 行不是“名称<TAB>表达式”";
}
inline std::string ShapeNotRowsByColumns(std::string_view quoted) {
    return "尺寸必须写成 行x列（如 2x3）: " + std::string(quoted);
}

}  // namespace zentova::msg
