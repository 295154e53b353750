// Every text that the expression pages and their command-line twins show.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace zentova::msg {

// The calculator page.
inline constexpr std::string_view kTipExpressionBox = "请在此输入表达式";
inline constexpr std::string_view kTipResultBox = "计算结果";
inline constexpr std::string_view kTipHistoryList = "计算过的表达式将被保存在这里";
inline constexpr std::string_view kAngleLabel = "角的输入采用";
inline constexpr std::string_view kDegrees = "角度制";
inline constexpr std::string_view kRadians = "弧度制";
inline constexpr std::string_view kCentesimal = "百分度";

// Custom expressions and their file, calculus, sums and products, statistics.
inline constexpr std::string_view kEnterExpression = "请输入表达式";
inline constexpr std::string_view kEnterExpressionName = "请输入表达式名称";
inline constexpr std::string_view kPrecisionMustBePositive = "精度值必须为正数";
inline constexpr std::string_view kDepthMustBePositive = "深度值必须为正整数";
inline constexpr std::string_view kSelectExpression = "请选择表达式";
inline constexpr std::string_view kEnterParameters = "请输入参数表";
inline constexpr std::string_view kNoExpressionToModify = "无表达式可修改";
inline constexpr std::string_view kNoExpressionToDelete = "无表达式可删除";
inline constexpr std::string_view kConfirmDeleteCaption = "Confirm";
inline constexpr std::string_view kConfirmDelete = "确实要删除吗？";
inline constexpr std::string_view kExpressionTooLong = "表达式不能超过 1023 个字符";
inline constexpr std::string_view kEnterStatisticsData = "请输入要统计的数据。";
inline constexpr std::string_view kNotExpressionFile = "您打开的不是表达式文件";
inline constexpr std::string_view kNoExpressionToSave = "表达式列表中没有表达式可存储";
inline constexpr std::string_view kExpressionFileDamaged = "表达式文件已损坏，无法读取";
inline constexpr std::string_view kExpressionFileUnreadable = "无法读取表达式文件";
// The file type in the file dialogs, and the question before unsaved
// formulas would be lost.
inline constexpr std::string_view kExpressionFileTypes = "表达式文件 (*.zexp);;所有文件 (*)";
inline constexpr std::string_view kSaveChangedList = "表达式列表已修改，是否保存？";
inline constexpr std::string_view kSaveButton = "保存";
inline constexpr std::string_view kDiscardButton = "不保存";
inline constexpr std::string_view kCancelButton = "取消";
inline constexpr std::string_view kExpressionFileUnwritable = "无法写入表达式文件";
inline constexpr std::string_view kExpressionFileReadOnly = "表达式文件是只读的，无法写入";
inline constexpr std::string_view kExpressionFileLinkLoop =
    "表达式文件的符号链接形成了循环，无法写入";
inline constexpr std::string_view kNameTooLong = "表达式名称不能超过 99 个字节（GBK 编码）";
inline constexpr std::string_view kExpressionTooLongForFile =
    "表达式不能超过 499 个字节（GBK 编码）";
inline constexpr std::string_view kNotGbkText = "表达式名称和表达式只能包含 GBK 编码中有的字符";
inline constexpr std::string_view kExpressionFileBadText = "表达式文件中有无效的 GBK 文字";
inline constexpr std::string_view kZeroByteInItem = "表达式名称和表达式不能包含零字节";
inline constexpr std::string_view kTooManyExpressions = "表达式文件最多存储 65535 个表达式";

// A token of the statistics data or of the parameter list that is not a
// number, at its place (from 1), quoted as ShownToken shows it.
inline std::string StatisticsTokenNotNumber(std::size_t place, std::string_view shown) {
    return "第 " + std::to_string(place) + " 个数据“" + std::string(shown) + "”不是数字。";
}
// A problem of one item of an expression list being saved, at its place
// (from 1).
inline std::string ExpressionFileItemProblem(std::size_t place, std::string_view problem) {
    return "第 " + std::to_string(place) + " 项：" + std::string(problem);
}
inline std::string ParameterTokenNotNumber(std::size_t place, std::string_view shown) {
    return "第 " + std::to_string(place) + " 个参数“" + std::string(shown) + "”不是数字。";
}

}  // namespace zentova::msg
