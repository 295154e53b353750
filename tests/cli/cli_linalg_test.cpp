#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/cli_runner.h"
#include "support/table.h"

namespace zentova::testing {
namespace {

class LinalgCli : public ::testing::TestWithParam<CliCase> {};

TEST_P(LinalgCli, PrintsWhatThePageShows) {
    ExpectCase(GetParam());
}

INSTANTIATE_TEST_SUITE_P(
    Solve, LinalgCli,
    ::testing::Values(
        CliCase{"SolveTwo", {"solve", "2"}, "1 1 3 1 -1 1", 0, "x0 = 2\nx1 = 1\n", ""},
        CliCase{"SolveExchange", {"solve", "2"}, "0 1 2\r\n1 0 3\r\n", 0, "x0 = 3\nx1 = 2\n", ""},
        CliCase{"SolveNoUnique", {"solve", "2"}, "1 2 3 2 4 6", 1, "方程组无唯一解。\n", ""},
        CliCase{
            "SolveTooFew", {"solve", "2"}, "1 2 3", 2, "", "系数矩阵输入错误，元素个数不正确。\n"},
        CliCase{"SolveZero", {"solve", "0"}, "1 2", 2, "", "请输入元数。\n"},
        CliCase{"SolveNegative", {"solve", "-2"}, "1 2", 2, "", nullptr},
        CliCase{"SolveAbove100", {"solve", "101"}, "1 2", 2, "", nullptr},
        CliCase{"SolveNotANumber", {"solve", "two"}, "1 2", 2, "", nullptr},
        CliCase{"SolveMissingN", {"solve"}, "1 2", 2, "", nullptr},
        CliCase{"SolveFullWidthCommas", {"solve", "1"}, "2，5", 0, "x0 = 2.5\n", ""}),
    RowName());

INSTANTIATE_TEST_SUITE_P(
    Det, LinalgCli,
    ::testing::Values(
        CliCase{"DetTwo", {"det", "2"}, "1 2 3 4", 0, "-2\n", ""},
        CliCase{"DetExchange", {"det", "2"}, "0 1 1 0", 0, "-1\n", ""},
        CliCase{"DetTiny", {"det", "2"}, "1e-6 0 0 1e-6", 0, "0\n", ""},
        CliCase{"DetFifteenDigits", {"det", "1"}, "3.14159265358979", 0, "3.14159265358979\n", ""},
        CliCase{"DetTooFew", {"det", "2"}, "1 2 3", 2, "", "行列式元素输入错误，个数不正确。\n"},
        CliCase{"DetZero", {"det", "0"}, "1", 2, "", "请输入行列式的阶数。\n"},
        CliCase{"DetAbove100", {"det", "1000"}, "1", 2, "", nullptr}),
    RowName());

INSTANTIATE_TEST_SUITE_P(
    Matrix, LinalgCli,
    ::testing::Values(
        CliCase{"Inverse", {"matrix", "inv", "2x2", "4 7 2 6"}, "", 0, "0.6,-0.7,\n-0.2,0.4\n", ""},
        CliCase{"Singular", {"matrix", "inv", "2x2", "1 2 2 4"}, "", 1, "矩阵不可逆\n", ""},
        CliCase{"InverseExact",
                {"matrix", "inv", "--exact", "2x2", "3 0 0 7"},
                "",
                0,
                "0.3333333333333333,0,\n0,0.14285714285714285\n",
                ""},
        CliCase{
            "NotSquare", {"matrix", "inv", "2x3", "1 2 3 4 5 6"}, "", 2, "", "只有方阵才能求逆\n"},
        CliCase{"Add",
                {"matrix", "add", "2x2", "1 2 3 4", "2x2", "5 6 7 8"},
                "",
                0,
                "6,8,\n10,12\n",
                ""},
        CliCase{
            "Sub", {"matrix", "sub", "2x2", "5 6 7 8", "2x2", "1 2 3 4"}, "", 0, "4,4,\n4,4\n", ""},
        CliCase{"Mul", {"matrix", "mul", "2x2", "1 2 3 4", "2x1", "5 6"}, "", 0, "17,\n39\n", ""},
        CliCase{"MulShape",
                {"matrix", "mul", "2x2", "1 2 3 4", "3x1", "1 2 3"},
                "",
                2,
                "",
                "两矩阵相乘，必须第一个矩阵的列数等于第二个矩阵的行数。\n"},
        CliCase{"AddShape",
                {"matrix", "add", "2x2", "1 2 3 4", "2x3", "1 2 3 4 5 6"},
                "",
                2,
                "",
                "必须是同形状的矩阵才能相加\n"},
        CliCase{"OperandBeforeShapeRule",
                {"matrix", "add", "2x2", "1 2 3 4", "2x3", "1 2"},
                "",
                2,
                "",
                "矩阵的行、列数输入错误\n"},
        CliCase{"FirstOperandFirst",
                {"matrix", "add", "2x2", " ", "2x3", "1 2"},
                "",
                2,
                "",
                "请输入矩阵\n"},
        CliCase{
            "ZeroSize", {"matrix", "echelon", "0x2", "1 2"}, "", 2, "", "矩阵的行、列数输入错误\n"},
        CliCase{"BadShape", {"matrix", "echelon", "2by2", "1 2 3 4"}, "", 2, "", nullptr},
        CliCase{"Echelon",
                {"matrix", "echelon", "3x3", "1 2 3 2 4 6 1 1 1"},
                "",
                0,
                "1,0,-1,\n0,1,2,\n0,0,0\nrank 2\n",
                ""},
        CliCase{"EchelonNegativeFirst",
                {"matrix", "echelon", "1x2", "--", "-1 0"},
                "",
                0,
                "1,-0\nrank 1\n",
                ""},
        CliCase{"EchelonNegativeText",
                {"matrix", "echelon", "1x2", "-1 0"},
                "",
                0,
                "1,-0\nrank 1\n",
                ""},
        CliCase{"EchelonZeros",
                {"matrix", "echelon", "2x2", "0 0 0 0"},
                "",
                0,
                "0,0,\n0,0\nrank 0\n",
                ""},
        CliCase{"Relayout",
                {"matrix", "relayout", "2x3", "1 2 3 4 5 6 7"},
                "",
                0,
                "1,2,3,\n4,5,6\n",
                ""},
        CliCase{"RelayoutTooFew",
                {"matrix", "relayout", "2x3", "1 2 3 4 5"},
                "",
                2,
                "",
                "矩阵的行、列数输入错误\n"},
        CliCase{"NoOperation", {"matrix"}, "", 2, "", nullptr}),
    RowName());

TEST(LinalgCliLarge, DeterminantOfOrder100TypedAsText) {
    std::string text;
    for (int r = 0; r < 100; ++r) {
        for (int c = 0; c < 100; ++c)
            text += r == c ? "1.5 " : c > r ? "0.25 " : "0 ";
        text += "\n";
    }
    const CliRun run = RunCli({"det", "100"}, text);
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out, "4.06561177535215e+17\n");  // 1.5^100
}

TEST(LinalgCliLarge, InverseOfOrder60) {
    std::string text;
    for (int r = 0; r < 60; ++r) {
        for (int c = 0; c < 60; ++c)
            text += r == c ? "2 " : "0 ";
    }
    const CliRun run = RunCli({"matrix", "inv", "60x60", text});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out.substr(0, 8), "0.5,0,0,");
    EXPECT_EQ(run.out.size(), 7379u);
}

}  // namespace
}  // namespace zentova::testing
