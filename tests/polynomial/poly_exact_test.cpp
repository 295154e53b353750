// Coefficients past 64 bits against binomial coefficients computed here by
// schoolbook decimal addition, independent of the engine's arithmetic.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "polynomial/poly_engine.h"
#include "polynomial/poly_product.h"
#include "support/table.h"

namespace zentova {
namespace {

std::string AddDecimal(const std::string& x, const std::string& y) {
    std::string sum;
    int carry = 0;
    for (std::size_t i = 0; i < x.size() || i < y.size() || carry != 0; ++i) {
        int digit = carry;
        if (i < x.size()) digit += x[x.size() - 1 - i] - '0';
        if (i < y.size()) digit += y[y.size() - 1 - i] - '0';
        sum.insert(sum.begin(), static_cast<char>('0' + digit % 10));
        carry = digit / 10;
    }
    return sum;
}

// (a+b)^n, or (a-b)^n, as the plain result text: Pascal's triangle row n.
std::string BinomialText(int n, bool minus) {
    std::vector<std::string> row{"1"};
    for (int k = 1; k <= n; ++k) {
        std::vector<std::string> next{"1"};
        for (std::size_t i = 1; i < row.size(); ++i)
            next.push_back(AddDecimal(row[i - 1], row[i]));
        next.push_back("1");
        row = next;
    }
    std::string text;
    for (int i = 0; i <= n; ++i) {
        if (i > 0) text += minus && i % 2 == 1 ? '-' : '+';
        if (i > 0 && i < n) text += row[static_cast<std::size_t>(i)];
        if (n - i > 0) text += 'a';
        if (n - i > 1) text += std::to_string(n - i);
        if (i > 0) text += 'b';
        if (i > 1) text += std::to_string(i);
    }
    return text;
}

std::string Repeated(const std::string& factor, int times) {
    std::string input = factor;
    for (int k = 1; k < times; ++k)
        input.append("*").append(factor);
    return input;
}

struct ExactChainCase {
    const char* name;
    std::string input;
    std::string plain;
    int terms;
};

void PrintTo(const ExactChainCase& c, std::ostream* os) {
    *os << c.name;
}

class ExactChainTest : public ::testing::TestWithParam<ExactChainCase> {};

// The chains of the report: they used to show wrapped negative coefficients
// or an empty product.
TEST_P(ExactChainTest, GivesTheExactProduct) {
    const ExactChainCase& c = GetParam();
    PolyEngine engine;
    PolyProduct product;
    ASSERT_EQ(MultiplyChain(engine, c.input, product), PolyStatus::Ok);
    EXPECT_EQ(GridToPlainText(product.grid, product.width), c.plain);
    EXPECT_EQ(product.termCount, c.terms);
}

INSTANTIATE_TEST_SUITE_P(
    Chains, ExactChainTest,
    ::testing::Values(
        ExactChainCase{"Binomial70", Repeated("a+b", 70), BinomialText(70, false), 71},
        ExactChainCase{"AlternatingBinomial70", Repeated("a-b", 70), BinomialText(70, true), 71},
        ExactChainCase{"TwoToThe63", Repeated("x1+x1", 63), "9223372036854775808x63", 1},
        ExactChainCase{"TwoToThe64", Repeated("x1+x1", 64), "18446744073709551616x64", 1},
        ExactChainCase{"MinusTwoToThe63", Repeated("-x-x", 63), "-9223372036854775808x63", 1}),
    testing::RowName());

TEST(ExactProductTest, Binomial200FromTwoHalves) {
    PolyEngine engine;
    PolyOutputGrid grid;
    const std::string half = BinomialText(100, false);
    ASSERT_EQ(engine.MultiplyPolynomialTexts(half, half, grid), PolyStatus::Ok);
    const std::string expected = BinomialText(200, false);
    EXPECT_EQ(GridToPlainText(grid, engine.UsedWidth()), expected);
    EXPECT_EQ(engine.TermCount(), 201);
    // The long coefficients read back as the same polynomial.
    PolyOutputGrid again;
    ASSERT_EQ(engine.MultiplyPolynomialTexts(expected, "1", again), PolyStatus::Ok);
    EXPECT_EQ(again, grid);
}

TEST(ExactProductTest, ShortLayoutAfterALongOneLeavesNoTrace) {
    PolyEngine engine;
    PolyProduct product;
    ASSERT_EQ(MultiplyChain(engine, Repeated("a+b", 70), product), PolyStatus::Ok);
    ASSERT_EQ(MultiplyChain(engine, "a+b*a-b", product), PolyStatus::Ok);
    ASSERT_EQ(MultiplyChain(engine, "x2", product), PolyStatus::Ok);
    const PolyOutputGrid fresh = [] {
        PolyOutputGrid grid;
        PolyEngine other;
        EXPECT_EQ(other.MultiplyPolynomialTexts("x2", "1", grid), PolyStatus::Ok);
        return grid;
    }();
    EXPECT_EQ(product.grid, fresh);
    EXPECT_EQ(product.grid.WrittenColumns(), 2);
}

}  // namespace
}  // namespace zentova
