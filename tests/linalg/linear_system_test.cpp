#include "linalg/linear_system.h"

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

struct SolveCase {
    const char* name;
    int n;
    std::string text;
    Outcome::Kind kind;
    std::string expected;  // the lines joined by LF, or the message
};

void PrintTo(const SolveCase& c, std::ostream* os) {
    *os << c.name;
}

class SolveTextTable : public ::testing::TestWithParam<SolveCase> {};

TEST_P(SolveTextTable, ListsTheSolutionOrTheMessage) {
    const SolveCase& c = GetParam();
    const LinearSystemAnswer answer = SolveLinearSystemText(c.n, c.text);
    EXPECT_EQ(answer.outcome.kind, c.kind);
    EXPECT_EQ(answer.outcome.text, c.expected);
    if (c.kind != Outcome::Kind::Value) {
        EXPECT_TRUE(answer.lines.empty());
    }
}

constexpr auto kValue = Outcome::Kind::Value;
constexpr auto kFailure = Outcome::Kind::Failure;
constexpr auto kRefused = Outcome::Kind::Refused;

INSTANTIATE_TEST_SUITE_P(
    Page, SolveTextTable,
    ::testing::Values(
        SolveCase{"TwoUnknowns", 2, "1 1 3 1 -1 1", kValue, "x0 = 2\nx1 = 1"},
        SolveCase{"ZeroFirstPivotExchanges", 2, "0 1 2 1 0 3", kValue, "x0 = 3\nx1 = 2"},
        SolveCase{"DependentRows", 2, "1 2 3 2 4 6", kFailure, "方程组无唯一解。"},
        SolveCase{"OneUnknown", 1, "2 5", kValue, "x0 = 2.5"},
        SolveCase{"TinySolutionShownAsZero", 2, "1 0 1e-12 0 1 1", kValue, "x0 = 0\nx1 = 1"},
        // The pivot 1e-20 is used as it is, although 1 stands below it; the
        // exchanged elimination would give x0 = 1.
        SolveCase{"TinyPivotUsedUnchanged", 2, "1e-20 1 1 1 1 2", kValue, "x0 = 0\nx1 = 1"},
        SolveCase{"SurplusIgnored", 2, "1 1 3 1 -1 1 99 99", kValue, "x0 = 2\nx1 = 1"},
        SolveCase{"SixDigits", 1, "3 1", kValue, "x0 = 0.333333"},
        SolveCase{"ZeroColumn", 2, "0 1 1 0 1 1", kFailure, "方程组无唯一解。"},
        // "nan" read as 0 and gave 方程组无唯一解。; a word is no number now.
        SolveCase{"WordIsNoNumber", 1, "nan 1", kRefused,
                  "第 1 个数“nan”（第 1 行第 1 列）不是数字。"},
        SolveCase{"NotNumberNamesRowAndColumn", 2, "1 1 3\n1 -1 1/2", kRefused,
                  "第 6 个数“1/2”（第 2 行第 3 列）不是数字。"},
        SolveCase{"NotNumberBeforeTooFew", 2, "1 x", kRefused,
                  "第 2 个数“x”（第 1 行第 2 列）不是数字。"},
        SolveCase{"SpreadsheetRows", 2, "1\t1\t3\r\n1\t-1\t1\r\n", kValue, "x0 = 2\nx1 = 1"},
        SolveCase{"TooFewNumbers", 2, "1 1 3 1 -1", kRefused, "系数矩阵输入错误，元素个数不正确。"},
        SolveCase{"EmptyText", 1, "", kRefused, "系数矩阵输入错误，元素个数不正确。"},
        SolveCase{"NoCount", 0, "1 2", kRefused, "请输入元数。"},
        SolveCase{"NegativeCount", -3, "1 2", kRefused, std::string(msg::kUnknownCountRange)},
        SolveCase{"CountAbove100", 101, "1 2", kRefused, std::string(msg::kUnknownCountRange)}),
    testing::RowName());

TEST(SolveLinearSystemText, RefusalsBeforeReadingKeepTheList) {
    EXPECT_FALSE(SolveLinearSystemText(0, "").listCleared);
    EXPECT_FALSE(SolveLinearSystemText(200, "").listCleared);
    EXPECT_TRUE(SolveLinearSystemText(2, "1").listCleared);
    // A token that is no number is refused before anything changes.
    EXPECT_FALSE(SolveLinearSystemText(2, "1 x 3 1 -1 1").listCleared);
    EXPECT_TRUE(SolveLinearSystemText(2, "1 1 3 1 -1 1").listCleared);
}

TEST(SolveLinearSystemText, ListsOneLinePerUnknownInTheirOrder) {
    // x_i = i for an identity system of 11 unknowns.
    std::string text;
    for (int r = 0; r < 11; ++r) {
        for (int c = 0; c < 11; ++c)
            text += c == r ? "1 " : "0 ";
        text += std::to_string(r) + "\n";
    }
    const LinearSystemAnswer answer = SolveLinearSystemText(11, text);
    ASSERT_EQ(answer.lines.size(), 11u);
    EXPECT_EQ(answer.lines[1], "x1 = 1");
    EXPECT_EQ(answer.lines[10], "x10 = 10");
}

TEST(SolveLinearSystem, OrderOneHundredIsSolved) {
    std::mt19937 random(7);
    Matrix a = testing::RandomMatrix(random, 100, 101);
    const Matrix original = a;
    ASSERT_EQ(SolveLinearSystem(100, a), SolveStatus::Solved);
    for (int r = 0; r < 100; ++r) {
        double lhs = 0;
        for (int c = 0; c < 100; ++c)
            lhs += original.at(r, c) * a.at(c, 100);
        EXPECT_NEAR(lhs, original.at(r, 100), 1e-8) << r;
    }
}

// The row-wise elimination must give the same bits as the elimination
// written element by element, including exchanges and singular systems.
TEST(SolveLinearSystem, EqualsTheElementwiseReference) {
    std::mt19937 random(20261207);
    std::uniform_int_distribution<int> order(1, 12);
    int solved = 0;
    int singular = 0;
    for (int round = 0; round < 3000; ++round) {
        // Every hundredth system is large, so that the vector loops run long.
        const int n = round % 100 == 0 ? 30 + round % 71 : order(random);
        const int zeroChance = round % 3 == 0 ? 60 : round % 3 == 1 ? 20 : 0;
        Matrix fast = testing::RandomMatrix(random, n, n + 1, zeroChance);
        Matrix literal = fast;
        const SolveStatus status = SolveLinearSystem(n, fast);
        const int expected = reference::SolveLinearSystem(n, literal);
        ASSERT_EQ(status == SolveStatus::Solved ? 0 : 1, expected) << "round " << round;
        if (expected == 0) {
            ASSERT_TRUE(testing::SameBits(fast, literal)) << "round " << round;
            ++solved;
        } else {
            ++singular;
        }
    }
    EXPECT_GT(solved, 1000);
    EXPECT_GT(singular, 100);
}

// Not-a-number and infinite entries: a pivot that is not a number counts as
// zero and is exchanged; the results still equal the reference bit for bit.
TEST(SolveLinearSystem, SpecialValuesFollowTheReference) {
    std::mt19937 random(99);
    std::uniform_int_distribution<int> pick(0, 19);
    const double specials[] = {NAN, INFINITY, -INFINITY, 0.0, -0.0, 1e-300, 1e300};
    for (int round = 0; round < 2000; ++round) {
        const int n = 1 + round % 6;
        Matrix fast = testing::RandomMatrix(random, n, n + 1, 20);
        for (double& x : fast.values()) {
            const int p = pick(random);
            if (p < 7) x = specials[p];
        }
        Matrix literal = fast;
        const int expected = reference::SolveLinearSystem(n, literal);
        ASSERT_EQ(SolveLinearSystem(n, fast) == SolveStatus::Solved ? 0 : 1, expected);
        if (expected == 0) {
            ASSERT_TRUE(testing::SameBits(fast, literal)) << "round " << round;
        }
    }
    Matrix m(2, 3);
    m.at(0, 0) = NAN;
    m.at(0, 1) = 1;
    m.at(0, 2) = 1;
    m.at(1, 0) = 2;
    m.at(1, 1) = 0;
    m.at(1, 2) = 4;
    // The rows are exchanged, then every entry of the second row becomes NaN.
    EXPECT_EQ(SolveLinearSystem(2, m), SolveStatus::NoUniqueSolution);
}

// An independent check: the solution satisfies the equations.
TEST(SolveLinearSystem, SolutionsSatisfyTheirEquations) {
    std::mt19937 random(42);
    std::uniform_int_distribution<int> order(1, 30);
    for (int round = 0; round < 500; ++round) {
        const int n = order(random);
        Matrix a = testing::RandomMatrix(random, n, n + 1);
        const Matrix original = a;
        if (SolveLinearSystem(n, a) != SolveStatus::Solved) continue;
        for (int r = 0; r < n; ++r) {
            double lhs = 0;
            double scale = std::fabs(original.at(r, n));
            for (int c = 0; c < n; ++c) {
                lhs += original.at(r, c) * a.at(c, n);
                scale += std::fabs(original.at(r, c) * a.at(c, n));
            }
            ASSERT_NEAR(lhs, original.at(r, n), 1e-9 * (1 + scale)) << "round " << round;
        }
    }
}

}  // namespace
}  // namespace zentova
