#include "linalg/matrix_operations.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <string>

#include "linalg/linalg_messages.h"
#include "random_matrices.h"
#include "references/reference_elimination.h"
#include "support/table.h"

namespace zentova {
namespace {

struct OpCase {
    const char* name;
    MatrixOpKind kind;
    MatrixOperand a;
    MatrixOperand b;
    Outcome::Kind outcome;
    const char* text;  // the result text or the message
    int rows;
    int cols;
    const char* proposedName;
    int rank;
};

void PrintTo(const OpCase& c, std::ostream* os) {
    *os << c.name;
}

class MatrixOperationTable : public ::testing::TestWithParam<OpCase> {};

TEST_P(MatrixOperationTable, GivesTheResultItsShapeAndName) {
    const OpCase& c = GetParam();
    const MatrixOpAnswer answer = RunMatrixOperation(c.kind, c.a, c.b);
    EXPECT_EQ(answer.outcome.kind, c.outcome);
    EXPECT_EQ(answer.outcome.text, c.text);
    if (c.outcome != Outcome::Kind::Value) return;
    EXPECT_EQ(answer.rows, c.rows);
    EXPECT_EQ(answer.cols, c.cols);
    EXPECT_EQ(answer.name, c.proposedName);
    EXPECT_EQ(answer.hasRank, c.kind == MatrixOpKind::OpEchelon);
    if (answer.hasRank) {
        EXPECT_EQ(answer.rank, c.rank);
    }
}

using K = MatrixOpKind;
constexpr auto kValue = Outcome::Kind::Value;
constexpr auto kFailure = Outcome::Kind::Failure;
constexpr auto kRefused = Outcome::Kind::Refused;
const MatrixOperand kNone{};

INSTANTIATE_TEST_SUITE_P(
    Workbench, MatrixOperationTable,
    ::testing::Values(
        OpCase{"Sum",
               K::OpAdd,
               {2, 2, "1 2 3 4"},
               {2, 2, "5 6 7 8"},
               kValue,
               "6,8,\r\n10,12",
               2,
               2,
               "Sum",
               0},
        OpCase{"DifferenceIsNamedSum",
               K::OpSubtract,
               {2, 2, "5 6 7 8"},
               {2, 2, "1 2 3 4"},
               kValue,
               "4,4,\r\n4,4",
               2,
               2,
               "Sum",
               0},
        OpCase{"Product",
               K::OpMultiply,
               {2, 2, "1 2 3 4"},
               {2, 1, "5 6"},
               kValue,
               "17,\r\n39",
               2,
               1,
               "Product",
               0},
        OpCase{"ProductRowByColumn",
               K::OpMultiply,
               {1, 3, "1 2 3"},
               {3, 1, "4 5 6"},
               kValue,
               "32",
               1,
               1,
               "Product",
               0},
        OpCase{"ProductColumnByRow",
               K::OpMultiply,
               {2, 1, "1 2"},
               {1, 2, "3 4"},
               kValue,
               "3,4,\r\n6,8",
               2,
               2,
               "Product",
               0},
        OpCase{"Inverse",
               K::OpInverse,
               {2, 2, "4 7 2 6"},
               kNone,
               kValue,
               "0.6,-0.7,\r\n-0.2,0.4",
               2,
               2,
               "R",
               0},
        OpCase{"InverseOfOneByOne", K::OpInverse, {1, 1, "4"}, kNone, kValue, "0.25", 1, 1, "R", 0},
        OpCase{"Echelon",
               K::OpEchelon,
               {3, 3, "1 2 3 2 4 6 1 1 1"},
               kNone,
               kValue,
               "1,0,-1,\r\n0,1,2,\r\n0,0,0",
               3,
               3,
               "Echelon",
               2},
        OpCase{"EchelonKeepsNegativeZero",
               K::OpEchelon,
               {1, 2, "-1 0"},
               kNone,
               kValue,
               "1,-0",
               1,
               2,
               "Echelon",
               1},
        OpCase{"EchelonOfZeros",
               K::OpEchelon,
               {2, 2, "0 0 0 0"},
               kNone,
               kValue,
               "0,0,\r\n0,0",
               2,
               2,
               "Echelon",
               0},
        OpCase{"EchelonCleansTinyDifference",
               K::OpEchelon,
               {2, 2, "1 1 1 1.00000000001"},
               kNone,
               kValue,
               "1,1,\r\n0,0",
               2,
               2,
               "Echelon",
               1},
        OpCase{"EchelonWide",
               K::OpEchelon,
               {2, 4, "0 2 4 6 0 1 1 1"},
               kNone,
               kValue,
               "0,1,0,-1,\r\n0,0,1,2",
               2,
               4,
               "Echelon",
               2},
        OpCase{"EchelonTall",
               K::OpEchelon,
               {3, 1, "0 0 3"},
               kNone,
               kValue,
               "1,\r\n0,\r\n0",
               3,
               1,
               "Echelon",
               1},
        OpCase{"SingularInverse",
               K::OpInverse,
               {2, 2, "1 2 2 4"},
               kNone,
               kFailure,
               "矩阵不可逆",
               0,
               0,
               "",
               0},
        OpCase{"TinyDiagonalIsSingular",
               K::OpInverse,
               {2, 2, "1e-12 0 0 1e-12"},
               kNone,
               kFailure,
               "矩阵不可逆",
               0,
               0,
               "",
               0},
        OpCase{"ProductShape",
               K::OpMultiply,
               {2, 2, "1 2 3 4"},
               {3, 1, "1 2 3"},
               kRefused,
               "两矩阵相乘，必须第一个矩阵的列数等于第二个矩阵的行数。",
               0,
               0,
               "",
               0},
        OpCase{"SumShape",
               K::OpAdd,
               {2, 2, "1 2 3 4"},
               {2, 3, "1 2 3 4 5 6"},
               kRefused,
               "必须是同形状的矩阵才能相加",
               0,
               0,
               "",
               0},
        OpCase{"DifferenceShape",
               K::OpSubtract,
               {2, 2, "1 2 3 4"},
               {1, 4, "1 2 3 4"},
               kRefused,
               "必须是同形状的矩阵才能相加",
               0,
               0,
               "",
               0},
        OpCase{"InverseNeedsSquare",
               K::OpInverse,
               {2, 3, "1 2 3 4 5 6"},
               kNone,
               kRefused,
               "只有方阵才能求逆",
               0,
               0,
               "",
               0},
        OpCase{"OperandsCheckedBeforeShapes",
               K::OpAdd,
               {2, 2, "1 2 3"},
               {2, 3, "1"},
               kRefused,
               "矩阵的行、列数输入错误",
               0,
               0,
               "",
               0},
        OpCase{"SecondOperandChecked",
               K::OpMultiply,
               {2, 2, "1 2 3 4"},
               {2, 1, "  \r\n"},
               kRefused,
               "请输入矩阵",
               0,
               0,
               "",
               0},
        OpCase{"SizeAbove100",
               K::OpEchelon,
               {101, 1, "1"},
               kNone,
               kRefused,
               "矩阵的行、列数不能超过 100",
               0,
               0,
               "",
               0},
        OpCase{"SizeBelowOne",
               K::OpInverse,
               {0, 0, "1"},
               kNone,
               kRefused,
               "矩阵的行、列数输入错误",
               0,
               0,
               "",
               0}),
    testing::RowName());

struct EntryCase {
    const char* name;
    int rows;
    int cols;
    const char* text;
    std::string_view expected;
};

void PrintTo(const EntryCase& c, std::ostream* os) {
    *os << c.name;
}

class EntryProblemTable : public ::testing::TestWithParam<EntryCase> {};

TEST_P(EntryProblemTable, ChecksInTheAddOrder) {
    const EntryCase& c = GetParam();
    EXPECT_EQ(MatrixEntryProblem(c.rows, c.cols, TrimMatrixText(c.text)), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Add, EntryProblemTable,
    ::testing::Values(
        EntryCase{"Fits", 2, 2, "1 2 3 4", ""},
        EntryCase{"SurplusAccepted", 2, 3, "1 2 3 4 5 6 7", ""},
        EntryCase{"FiveOfSix", 2, 3, "1 2 3 4 5", msg::kMatrixShapeWrong},
        EntryCase{"BlanksOnly", 2, 2, " \t\r\n ", msg::kEnterMatrix},
        EntryCase{"EmptyBeforeSize", 0, 0, "", msg::kEnterMatrix},
        EntryCase{"ZeroRows", 0, 2, "1 2", msg::kMatrixShapeWrong},
        EntryCase{"NegativeCols", 2, -1, "1 2", msg::kMatrixShapeWrong},
        EntryCase{"TooLarge", 1, 101, "1", msg::kMatrixTooLarge},
        EntryCase{"HugeSizesDoNotOverflow", 2147483647, 2147483647, "1", msg::kMatrixTooLarge},
        EntryCase{"SeparatorsOnlyHaveNoNumber", 1, 1, ",,", msg::kMatrixShapeWrong},
        // "1 x 2 3" stored x as 0; the entry is refused now.
        EntryCase{"WordIsNoNumber", 2, 2, "1 x 2 3", "第 2 个数“x”（第 1 行第 2 列）不是数字。"},
        EntryCase{"NotNumberBeforeTooFew", 2, 2, "1 2 3x",
                  "第 3 个数“3x”（第 2 行第 1 列）不是数字。"},
        EntryCase{"SurplusTokenNotLookedAt", 1, 2, "1 2 x", ""},
        EntryCase{"SpreadsheetBlock", 2, 2, "1\t2\r\n3\t4", ""}),
    testing::RowName());

// The row-wise elimination equals the elementwise reference on every shape.
TEST(ReduceRowEchelon, EqualsTheElementwiseReference) {
    std::mt19937 random(314);
    std::uniform_int_distribution<int> size(1, 9);
    for (int round = 0; round < 3000; ++round) {
        const bool large = round % 100 == 0;  // long vector loops now and then
        const int rows = large ? 20 + round % 41 : size(random);
        const int cols = large ? 20 + round % 83 : size(random);
        Matrix fast = testing::RandomMatrix(random, rows, cols, round % 2 ? 50 : 10);
        Matrix literal = fast;
        ReduceRowEchelon(fast);
        reference::ReduceRowEchelon(rows, cols, literal);
        ASSERT_TRUE(testing::SameBits(fast, literal)) << "round " << round;
    }
}

// Matrices built with a known rank: the echelon form has the properties of a
// reduced row echelon form and the rank is found.
TEST(ReduceRowEchelon, GivesAReducedRowEchelonFormAndTheRank) {
    std::mt19937 random(2718);
    std::uniform_int_distribution<int> size(1, 8);
    std::uniform_int_distribution<int> small(-4, 4);
    for (int round = 0; round < 2000; ++round) {
        const int rows = size(random);
        const int cols = size(random);
        std::uniform_int_distribution<int> rankPick(0, std::min(rows, cols));
        const int rank = rankPick(random);
        // rows × rank times rank × cols, with small integers: rank at most `rank`.
        Matrix left(rows, rank), right(rank, cols), m(rows, cols);
        for (double& x : left.values())
            x = small(random);
        for (double& x : right.values())
            x = small(random);
        for (int r = 0; r < rows; ++r) {
            for (int c = 0; c < cols; ++c) {
                double s = 0;
                for (int k = 0; k < rank; ++k)
                    s += left.at(r, k) * right.at(k, c);
                m.at(r, c) = s;
            }
        }
        ReduceRowEchelon(m);
        const int found = EchelonRank(m);
        ASSERT_LE(found, rank) << "round " << round;
        int previousLead = -1;
        for (int r = 0; r < rows; ++r) {
            int lead = 0;
            while (lead < cols && m.at(r, lead) == 0)
                ++lead;
            if (r >= found) {
                ASSERT_EQ(lead, cols) << "a nonzero row below the rank, round " << round;
                continue;
            }
            ASSERT_LT(lead, cols);
            ASSERT_GT(lead, previousLead) << "leads move right, round " << round;
            ASSERT_EQ(m.at(r, lead), 1.0);
            for (int k = 0; k < rows; ++k) {
                if (k != r) {
                    ASSERT_EQ(m.at(k, lead), 0.0) << "column of a lead, round " << round;
                }
            }
            previousLead = lead;
        }
    }
}

// Independent: A times its inverse is the identity within rounding, for
// orders up to 100 (wider than one row of the old work area from 51 on).
TEST(MatrixOperation, InverseTimesMatrixIsTheIdentity) {
    std::mt19937 random(1618);
    for (const int n : {1, 2, 3, 5, 8, 13, 21, 50, 51, 77, 100}) {
        Matrix a = testing::RandomMatrix(random, n, n);
        for (int i = 0; i < n; ++i)
            a.at(i, i) += 10 * n;  // well conditioned
        Matrix work(n, 2 * n);
        for (int r = 0; r < n; ++r) {
            for (int c = 0; c < n; ++c)
                work.at(r, c) = a.at(r, c);
            work.at(r, n + r) = 1;
        }
        ReduceRowEchelon(work);
        for (int r = 0; r < n; ++r) {
            for (int c = 0; c < n; ++c) {
                double s = 0;
                for (int k = 0; k < n; ++k)
                    s += a.at(r, k) * work.at(k, n + c);
                ASSERT_NEAR(s, r == c ? 1.0 : 0.0, 1e-9) << "n " << n;
            }
        }
    }
}

TEST(MatrixOperation, InverseOfOrder100FromText) {
    std::string text;
    for (int r = 0; r < 100; ++r) {
        for (int c = 0; c < 100; ++c)
            text += r == c ? "4 " : "0 ";
    }
    const MatrixOpAnswer answer = RunMatrixOperation(K::OpInverse, {100, 100, text});
    ASSERT_EQ(answer.outcome.kind, kValue);
    Matrix inverse(100, 100);
    ASSERT_TRUE(ReadMatrix(answer.outcome.text, inverse));
    EXPECT_EQ(inverse.at(63, 63), 0.25);
    EXPECT_EQ(inverse.at(63, 64), 0);
}

TEST(MatrixOperation, ProductSumsFromZeroInOrder) {
    // 1e16 + 1 - 1e16 in order is 0 in doubles; another order would give 1.
    const MatrixOpResult r =
        MatrixOperation({1, 3, "1e16 1 -1e16"}, {3, 1, "1 1 1"}, K::OpMultiply);
    EXPECT_EQ(r.text, "0");
    // 0 + (-0) is +0: the sum starts from 0.
    EXPECT_EQ(MatrixOperation({1, 1, "-0"}, {1, 1, "1"}, K::OpMultiply).text, "0");
}

}  // namespace
}  // namespace zentova
