// Every text that the graph page and its command-line twin show.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace zentova::msg {

inline constexpr std::string_view kEnterMatrixAndNodeCount = "请输入矩阵与结点数。";
inline constexpr std::string_view kAdjacencyCountWrong = "邻接矩阵输入错误，元素个数不正确。";
inline constexpr std::string_view kEnterNodeCount = "请输入结点数。";
inline constexpr std::string_view kAdjacencyMatrixWrong = "图的邻接矩阵输入不正确。";
inline constexpr std::string_view kSameNode = "它们是同一点";
inline constexpr std::string_view kNotConnected = "这两点不连通";
inline constexpr std::string_view kNodeCountRange = "结点数必须在 1 到 50 之间。";
inline constexpr std::string_view kGraphDisconnected = "图不连通，不存在最小生成树。";
// The drawing window while Graphviz works, and when it cannot.
inline constexpr std::string_view kLayingOut = "正在布局…";
inline constexpr std::string_view kCannotLayOut = "无法布局此图。";

// A node number outside 0 to `last`.
inline std::string NodeNumberOutside(int last) {
    return "结点编号必须在 0 到 " + std::to_string(last) + " 之间。";
}

// A token of the adjacency matrix that is not a number, at its place among the
// numbers and in the row and column it would fill (all from 1), quoted as
// ShownToken shows it.
inline std::string AdjacencyTokenNotNumber(std::size_t place, std::size_t row, std::size_t column,
                                           std::string_view shown) {
    return "邻接矩阵的第 " + std::to_string(place) + " 个数“" + std::string(shown) + "”（第 " +
           std::to_string(row) + " 行第 " + std::to_string(column) + " 列）不是数字。";
}

}  // namespace zentova::msg
