// Every text that the logic page and its command-line twin show.
#pragma once

#include <string_view>

namespace zentova::msg {

inline constexpr std::string_view kFormulaInputError = "公式输入错误。";
// The truth table's last column header, after the variables' letters.
inline constexpr std::string_view kTruthTableFormulaColumn = "公式";
inline constexpr std::string_view kEquivalent = "两公式等价。";
inline constexpr std::string_view kNotEquivalent = "两公式不等价。";
inline constexpr std::string_view kImplies = "公式一蕴含公式二。";
inline constexpr std::string_view kNotImplies = "公式一不蕴含公式二。";
// A normal form longer than kMaxShownNormalFormLength characters.
inline constexpr std::string_view kConjunctiveFormTooLong =
    "公式一的主合取范式超过十万个字符，太长，无法显示。";
inline constexpr std::string_view kDisjunctiveFormTooLong =
    "公式一的主析取范式超过十万个字符，太长，无法显示。";

// Saving and copying the truth table. {lines}, {size}, {bytes} and {limit}
// stand for numbers the core fills in.
inline constexpr std::string_view kSaveTableCaption = "保存为文本";
inline constexpr std::string_view kSaveTableQuestion =
    "真值表共有 {lines} 行，保存为文本约 {size}（{bytes} 字节），"
    "写入要花一些时间，磁盘上也要有这么多空间。仍要保存吗？";
inline constexpr std::string_view kTableUnwritable = "无法写入文件，真值表没有保存。";
inline constexpr std::string_view kTooManyLinesToCopy =
    "要复制的 {lines} 行太多，无法放到剪贴板上：一次最多复制 {limit} 行。"
    "要得到整个真值表，请用右键菜单中的“保存为文本…”把它保存到文件。";

}  // namespace zentova::msg
