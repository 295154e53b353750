#include "linalg/determinant.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <numeric>
#include <random>
#include <string>

#include "linalg/linalg_messages.h"
#include "random_matrices.h"
#include "references/reference_elimination.h"
#include "support/table.h"

namespace zentova {
namespace {

struct DetCase {
    const char* name;
    int n;
    std::string text;
    Outcome::Kind kind;
    std::string expected;
};

void PrintTo(const DetCase& c, std::ostream* os) {
    *os << c.name;
}

class DeterminantTextTable : public ::testing::TestWithParam<DetCase> {};

TEST_P(DeterminantTextTable, ShowsTheValueOrTheMessage) {
    const DetCase& c = GetParam();
    const Outcome outcome = EvaluateDeterminantText(c.n, c.text);
    EXPECT_EQ(outcome.kind, c.kind);
    EXPECT_EQ(outcome.text, c.expected);
}

constexpr auto kValue = Outcome::Kind::Value;
constexpr auto kRefused = Outcome::Kind::Refused;

INSTANTIATE_TEST_SUITE_P(
    Page, DeterminantTextTable,
    ::testing::Values(
        DetCase{"TwoByTwo", 2, "1 2 3 4", kValue, "-2"},
        DetCase{"ExchangeFlipsSign", 2, "0 1 1 0", kValue, "-1"},
        DetCase{"Diagonal", 3, "2 0 0 0 3 0 0 0 4", kValue, "24"},
        DetCase{"DependentRows", 2, "1 2 2 4", kValue, "0"},
        DetCase{"TinyShownAsZero", 2, "1e-6 0 0 1e-6", kValue, "0"},
        DetCase{"OrderOne", 1, "5", kValue, "5"},
        DetCase{"TwoExchangesKeepSign", 3, "0 1 0 0 0 1 1 0 0", kValue, "1"},
        DetCase{"FifteenDigits", 2, "1 0 0 0.1", kValue, "0.1"},
        DetCase{"SurplusIgnored", 1, "5 6 7", kValue, "5"},
        DetCase{"TooFew", 2, "1 2 3", kRefused, "行列式元素输入错误，个数不正确。"},
        DetCase{"FractionIsNoNumber", 2, "1/2 1\n1 1", kRefused,
                "第 1 个数“1/2”（第 1 行第 1 列）不是数字。"},
        DetCase{"SurplusTokenNotLookedAt", 1, "5 x", kValue, "5"},
        DetCase{"FullWidthForms", 2, "１　２\n−３，４", kValue, "10"},
        DetCase{"NoOrder", 0, "1", kRefused, "请输入行列式的阶数。"},
        DetCase{"NegativeOrder", -1, "1", kRefused, std::string(msg::kDeterminantOrderRange)},
        DetCase{"OrderAbove100", 101, "1", kRefused, std::string(msg::kDeterminantOrderRange)}),
    testing::RowName());

TEST(EvaluateDeterminantText, OrderOneHundredTypedAsText) {
    // An upper triangular matrix with 1 on the diagonal except one 2: det 2.
    std::string text;
    for (int r = 0; r < 100; ++r) {
        for (int c = 0; c < 100; ++c) {
            text += c < r ? "0" : c == r ? (r == 57 ? "2" : "1") : "0.5";
            text += c == 99 ? "\r\n" : " ";
        }
    }
    ASSERT_GT(text.size(), 4999u);
    EXPECT_EQ(EvaluateDeterminantText(100, text).text, "2");
}

TEST(EvaluateDeterminant, EqualsTheElementwiseReference) {
    std::mt19937 random(1207);
    std::uniform_int_distribution<int> order(1, 12);
    for (int round = 0; round < 3000; ++round) {
        // Every hundredth system is large, so that the vector loops run long.
        const int n = round % 100 == 0 ? 30 + round % 71 : order(random);
        const int zeroChance = round % 3 == 0 ? 60 : round % 3 == 1 ? 20 : 0;
        Matrix fast = testing::RandomMatrix(random, n, n, zeroChance);
        Matrix literal = fast;
        const double d = EvaluateDeterminant(n, fast);
        const double expected = reference::EvaluateDeterminant(n, literal);
        ASSERT_EQ(std::bit_cast<std::uint64_t>(d), std::bit_cast<std::uint64_t>(expected))
            << "round " << round << ": " << d << " vs " << expected;
    }
}

// Independent: permuting the rows of a diagonal matrix gives the product of
// the diagonal with the sign of the permutation.
TEST(EvaluateDeterminant, PermutedDiagonalHasTheSignOfThePermutation) {
    std::mt19937 random(5);
    for (int round = 0; round < 500; ++round) {
        const int n = 1 + round % 9;
        std::vector<int> perm(static_cast<std::size_t>(n));
        std::iota(perm.begin(), perm.end(), 0);
        std::shuffle(perm.begin(), perm.end(), random);
        Matrix m(n, n);
        double product = 1;
        for (int r = 0; r < n; ++r) {
            const double v = 1 + r;
            m.at(r, perm[static_cast<std::size_t>(r)]) = v;
            product *= v;
        }
        int inversions = 0;
        for (int i = 0; i < n; ++i) {
            for (int j = i + 1; j < n; ++j) {
                inversions += perm[static_cast<std::size_t>(i)] > perm[static_cast<std::size_t>(j)];
            }
        }
        EXPECT_EQ(EvaluateDeterminant(n, m), inversions % 2 ? -product : product);
    }
}

}  // namespace
}  // namespace zentova
