#include "graph/graph_tools.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/table.h"

namespace zentova {
namespace {

struct ReadRow {
    const char* name;
    const char* text;
    int n;
    std::size_t count;
    std::vector<double> values;  // the first `count` entries in reading order
};

class MatrixText : public ::testing::TestWithParam<ReadRow> {};

TEST_P(MatrixText, ReadsTheNumbers) {
    const ReadRow& row = GetParam();
    GraphMatrix matrix;
    matrix.weights.fill(-7);
    ASSERT_EQ(ReadGraphMatrixText(row.text, row.n, matrix), row.count);
    EXPECT_EQ(matrix.n, row.n);
    for (std::size_t k = 0; k < row.values.size(); ++k) {
        const int i = static_cast<int>(k) / row.n;
        const int j = static_cast<int>(k) % row.n;
        EXPECT_EQ(matrix.at(i, j), row.values[k]) << "number " << k;
    }
    // Nothing outside the n by n block is touched.
    EXPECT_EQ(matrix.at(0, row.n), -7);
}

const std::vector<double> kTriangleNumbers = {0, 1, 4, 1, 0, 2, 4, 2, 0};

INSTANTIATE_TEST_SUITE_P(
    Separators, MatrixText,
    ::testing::Values(
        ReadRow{"CrLfRows", "0 1 4\r\n1 0 2\r\n4 2 0", 3, 9, kTriangleNumbers},
        ReadRow{"Commas", "0,1,4,1,0,2,4,2,0", 3, 9, kTriangleNumbers},
        ReadRow{"FullWidthCommas", "0，1，4，1，0，2，4，2，0", 3, 9, kTriangleNumbers},
        ReadRow{"OneLine", "0 1 4 1 0 2 4 2 0", 3, 9, kTriangleNumbers},
        ReadRow{"RunsOfSeparators", "  0,, 1\n\n4 ,1 0 2 4 2 0,\r\n", 3, 9, kTriangleNumbers},
        ReadRow{"TenthNumberIgnored", "0 1 4 1 0 2 4 2 0 9", 3, 9, kTriangleNumbers},
        ReadRow{"EightNumbers", "0 1 4 1 0 2 4 2", 3, 8, {0, 1, 4, 1, 0, 2, 4, 2}},
        // A word read as 0 and a tab as part of a token: now the reading ends
        // at the word, and the tab separates.
        ReadRow{"WordEndsTheReading", "1e3 -0.5 x 2abc", 2, 2, {1000, -0.5}},
        ReadRow{"TabSeparates", "1\t2 3", 2, 3, {1, 2, 3}}, ReadRow{"Empty", "", 1, 0, {}}),
    testing::RowName());

TEST(MatrixText, RefusesNodeCountsItCannotHold) {
    GraphMatrix matrix;
    EXPECT_EQ(ReadGraphMatrixText("1 2 3", 0, matrix), 0u);
    EXPECT_EQ(ReadGraphMatrixText("1 2 3", 51, matrix), 0u);
    EXPECT_EQ(ReadGraphMatrixText("1 2 3", -2, matrix), 0u);
}

TEST(MatrixText, FiftyNodesFromALongText) {
    std::string text;
    for (int k = 0; k < 2600; ++k)
        text += std::to_string(k % 97) + (k % 50 == 49 ? "\r\n" : " ");
    GraphMatrix matrix;
    ASSERT_EQ(ReadGraphMatrixText(text, 50, matrix), 2500u);
    EXPECT_EQ(matrix.at(49, 49), 2499 % 97);
}

TEST(MatrixText, FormatsLikeTheInput) {
    GraphMatrix m;
    m.n = 3;
    m.at(0, 1) = m.at(1, 0) = 1;
    m.at(1, 2) = m.at(2, 1) = 2;
    EXPECT_EQ(FormatGraphMatrixText(m), "0,1,0,\r\n1,0,2,\r\n0,2,0");
    m.at(0, 1) = 0.5;
    m.at(1, 2) = 1234567;
    m.at(2, 0) = 1e9;
    EXPECT_EQ(FormatGraphMatrixText(m), "0,0.5,0,\r\n1,0,1.23457e+06,\r\n1e+09,2,0");
    m.n = 1;
    EXPECT_EQ(FormatGraphMatrixText(m), "0");
}

constexpr const char* kTriangle = "0 1 4\r\n1 0 2\r\n4 2 0";

struct ShortestRow {
    const char* name;
    int n;
    const char* text;
    int from;
    int to;
    Outcome::Kind kind;
    std::string text_out;
};

class ShortestPathPage : public ::testing::TestWithParam<ShortestRow> {};

TEST_P(ShortestPathPage, AnswersOrRefuses) {
    const ShortestRow& row = GetParam();
    GraphAlgorithms graph;
    const ShortestPathReport report = ComputeShortestPath(graph, row.n, row.text, row.from, row.to);
    EXPECT_EQ(report.outcome.kind, row.kind);
    EXPECT_EQ(report.outcome.text, row.text_out);
}

constexpr auto kValue = Outcome::Kind::Value;
constexpr auto kRefused = Outcome::Kind::Refused;
constexpr auto kFailure = Outcome::Kind::Failure;

INSTANTIATE_TEST_SUITE_P(
    Checks, ShortestPathPage,
    ::testing::Values(
        ShortestRow{"Path", 3, kTriangle, 0, 2, kValue, "3\n0→1→2"},
        ShortestRow{"SameNode", 3, kTriangle, 1, 1, kValue, "-1\n它们是同一点"},
        ShortestRow{"NotConnected", 3, "0 1 0 1 0 0 0 0 0", 0, 2, kValue, "-1\n这两点不连通"},
        ShortestRow{"NegativeLengthPath", 2, "0 -1 0 0", 0, 1, kValue, "-1\n0→1"},
        ShortestRow{"NoNodeCount", 0, kTriangle, 0, 0, kRefused, "请输入矩阵与结点数。"},
        ShortestRow{"EmptyText", 3, "", 0, 2, kRefused, "请输入矩阵与结点数。"},
        ShortestRow{"EightNumbers", 3, "0 1 4 1 0 2 4 2", 0, 2, kRefused,
                    "邻接矩阵输入错误，元素个数不正确。"},
        ShortestRow{"TooManyNodes", 51, kTriangle, 0, 2, kRefused, "结点数必须在 1 到 50 之间。"},
        ShortestRow{"NegativeNodeCount", -3, kTriangle, 0, 2, kRefused,
                    "结点数必须在 1 到 50 之间。"},
        ShortestRow{"TargetPastTheLastNode", 3, kTriangle, 0, 3, kRefused,
                    "结点编号必须在 0 到 2 之间。"},
        ShortestRow{"NegativeStart", 3, kTriangle, -1, 2, kRefused, "结点编号必须在 0 到 2 之间。"},
        ShortestRow{"NodeCheckedBeforeCount", 3, "0 1", 5, 2, kRefused,
                    "结点编号必须在 0 到 2 之间。"},
        ShortestRow{"NotNumberNamesRowAndColumn", 3, "0 1 4\n1 0 2\n4 2 O", 0, 2, kRefused,
                    "邻接矩阵的第 9 个数“O”（第 3 行第 3 列）不是数字。"},
        ShortestRow{"SpreadsheetRows", 3, "0\t1\t4\r\n1\t0\t2\r\n4\t2\t0", 0, 2, kValue,
                    "3\n0→1→2"}),
    testing::RowName());

TEST(ShortestPathPage, FieldsBesideTheOutcome) {
    GraphAlgorithms graph;
    const ShortestPathReport report = ComputeShortestPath(graph, 3, kTriangle, 0, 2);
    EXPECT_EQ(report.length, 3);
    EXPECT_EQ(report.pathText, "0→1→2");
}

struct OtherRow {
    const char* name;
    bool spanningTree;
    int n;
    const char* text;
    int to;
    Outcome::Kind kind;
    const char* expected;
};

class CriticalAndTreePage : public ::testing::TestWithParam<OtherRow> {};

TEST_P(CriticalAndTreePage, AnswersOrRefuses) {
    const OtherRow& row = GetParam();
    GraphAlgorithms graph;
    const Outcome outcome = row.spanningTree
                                ? ComputeSpanningTree(graph, row.n, row.text).outcome
                                : ComputeCriticalPath(graph, row.n, row.text, row.to).outcome;
    EXPECT_EQ(outcome.kind, row.kind);
    EXPECT_EQ(outcome.text, row.expected);
}

constexpr const char* kActivities = "0 3 2 0\n0 0 0 4\n0 0 0 6\n0 0 0 0";

INSTANTIATE_TEST_SUITE_P(
    Checks, CriticalAndTreePage,
    ::testing::Values(
        OtherRow{"Critical", false, 4, kActivities, 3, kValue, "8"},
        OtherRow{"CriticalToSource", false, 4, kActivities, 0, kValue, "0"},
        OtherRow{"CriticalNoneIsMinusOne", false, 2, "0 0 0 0", 1, kValue, "-1"},
        OtherRow{"CriticalSingleNode", false, 1, "0", 0, kValue, "0"},
        OtherRow{"CriticalNoNodeCount", false, 0, kActivities, 0, kRefused, "请输入结点数。"},
        OtherRow{"CriticalEmptyText", false, 1, "", 0, kRefused, "图的邻接矩阵输入不正确。"},
        OtherRow{"CriticalTooFewNumbers", false, 4, "0 3 2", 3, kRefused,
                 "图的邻接矩阵输入不正确。"},
        OtherRow{"CriticalTargetOutside", false, 4, kActivities, 4, kRefused,
                 "结点编号必须在 0 到 3 之间。"},
        OtherRow{"CriticalTooManyNodes", false, 60, kActivities, 0, kRefused,
                 "结点数必须在 1 到 50 之间。"},
        OtherRow{"Tree", true, 3, kTriangle, 0, kValue, "0,1,0,\r\n1,0,2,\r\n0,2,0"},
        OtherRow{"TreeSingleNode", true, 1, "0", 0, kValue, "0"},
        OtherRow{"TreeNoNodeCount", true, 0, kTriangle, 0, kRefused, "请输入结点数。"},
        OtherRow{"TreeEmptyText", true, 1, "", 0, kRefused, "图的邻接矩阵输入不正确。"},
        OtherRow{"TreeEightNumbers", true, 3, "0 1 4 1 0 2 4 2", 0, kRefused,
                 "图的邻接矩阵输入不正确。"},
        OtherRow{"TreeTooManyNodes", true, 51, kTriangle, 0, kRefused,
                 "结点数必须在 1 到 50 之间。"},
        OtherRow{"TreeDisconnected", true, 3, "0 1 0 1 0 0 0 0 0", 0, kFailure,
                 "图不连通，不存在最小生成树。"},
        OtherRow{"TreeNotNumberBeforeTooFew", true, 2, "0 1/2", 0, kRefused,
                 "邻接矩阵的第 2 个数“1/2”（第 1 行第 2 列）不是数字。"}),
    testing::RowName());

}  // namespace
}  // namespace zentova
