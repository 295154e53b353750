// Every text that the linear algebra pages and their command-line twins show.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace zentova::msg {

// Linear system.
inline constexpr std::string_view kEnterUnknownCount = "请输入元数。";
inline constexpr std::string_view kCoefficientCountWrong = "系数矩阵输入错误，元素个数不正确。";
inline constexpr std::string_view kNoUniqueSolution = "方程组无唯一解。";
inline constexpr std::string_view kUnknownCountRange = "元数必须在 1 到 100 之间。";

// Determinant.
inline constexpr std::string_view kEnterDeterminantOrder = "请输入行列式的阶数。";
inline constexpr std::string_view kDeterminantCountWrong = "行列式元素输入错误，个数不正确。";
inline constexpr std::string_view kDeterminantOrderRange = "行列式的阶数必须在 1 到 100 之间。";

// Matrix workbench: adding, deleting.
inline constexpr std::string_view kEnterMatrix = "请输入矩阵";
inline constexpr std::string_view kMatrixShapeWrong = "矩阵的行、列数输入错误";
inline constexpr std::string_view kMatrixTooLarge = "矩阵的行、列数不能超过 100";
inline constexpr std::string_view kEnterMatrixName = "请输入矩阵的名称";
inline constexpr std::string_view kMatrixExistsBefore = "矩阵";
inline constexpr std::string_view kMatrixExistsAfter = "已存在，是否覆盖？";
inline constexpr std::string_view kMatrixListFull = "矩阵列表已满";
inline constexpr std::string_view kMatrixListEmpty = "矩阵列表中已经没有矩阵";
inline constexpr std::string_view kConfirmDeleteMatrix = "是否真的要删除当前矩阵？";

// Matrix workbench: operations.
inline constexpr std::string_view kChooseOperands = "请选择参与运算的矩阵";
inline constexpr std::string_view kSameShapeNeeded = "必须是同形状的矩阵才能相加";
inline constexpr std::string_view kProductShapeWrong =
    "两矩阵相乘，必须第一个矩阵的列数等于第二个矩阵的行数。";
inline constexpr std::string_view kOnlySquareInvertible = "只有方阵才能求逆";
inline constexpr std::string_view kNotInvertible = "矩阵不可逆";

// Every matrix text: a token that is not a number, at its place among the
// numbers and in the row and column it would fill (all from 1), quoted as
// ShownToken shows it.
inline std::string MatrixTokenNotNumber(std::size_t place, std::size_t row, std::size_t column,
                                        std::string_view shown) {
    return "第 " + std::to_string(place) + " 个数“" + std::string(shown) + "”（第 " +
           std::to_string(row) + " 行第 " + std::to_string(column) + " 列）不是数字。";
}

}  // namespace zentova::msg
