#include "polynomial/poly_product.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/stop_timing.h"
#include "support/table.h"

namespace zentova {
namespace {

std::string Series(char letter, int from, int to) {
    std::string text;
    for (int i = from; i <= to; ++i) {
        if (!text.empty()) text += '+';
        text += letter;
        text += std::to_string(i);
    }
    return text;
}

// A polynomial whose layout is exactly 9000 columns wide: a2000000000 (11),
// then a1000 to a2121 (8 each), a100 (7) and a10 (6).
std::string Exactly9000Columns() {
    return "a2000000000+" + Series('a', 1000, 2121) + "+a100+a10";
}

// 10^zeros times 10^zeros: a product of 2 * zeros + 1 columns.
std::string SquareOfPowerOfTen(std::size_t zeros) {
    return std::string("1").append(zeros, '0').append("*1").append(zeros, '0');
}

std::string Repeated(const std::string& factor, int times) {
    std::string input = factor;
    for (int k = 1; k < times; ++k)
        input.append("*").append(factor);
    return input;
}

// (a+b)^n or (a-b)^n as plain text, its coefficients from Pascal's triangle
// added up digit by digit: a reference that shares nothing with the engine.
std::string BinomialText(int n, bool minus) {
    std::vector<std::string> row{"1"};
    for (int k = 1; k <= n; ++k) {
        std::vector<std::string> next{"1"};
        for (std::size_t i = 1; i < row.size(); ++i) {
            const std::string &x = row[i - 1], &y = row[i];
            std::string sum;
            for (std::size_t d = 0, carry = 0; d < x.size() || d < y.size() || carry; ++d) {
                carry += (d < x.size() ? x[x.size() - 1 - d] - '0' : 0) +
                         (d < y.size() ? y[y.size() - 1 - d] - '0' : 0);
                sum.insert(sum.begin(), static_cast<char>('0' + carry % 10));
                carry /= 10;
            }
            next.push_back(sum);
        }
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

// --- input checks ------------------------------------------------------------

struct InputCase {
    const char* name;
    std::string input;
    std::string_view problem;
};

void PrintTo(const InputCase& c, std::ostream* os) {
    *os << c.name;
}

class InputProblemTest : public ::testing::TestWithParam<InputCase> {};

TEST_P(InputProblemTest, NamesTheFirstProblem) {
    EXPECT_EQ(PolynomialInputProblem(GetParam().input), GetParam().problem);
}

INSTANTIATE_TEST_SUITE_P(
    Inputs, InputProblemTest,
    ::testing::Values(
        InputCase{"Empty", "", msg::kEnterPolynomial},
        InputCase{"Parentheses", "(a+b)*(a-b)", msg::kPolynomialInputWrong},
        InputCase{"UpperCase", "A*b", msg::kPolynomialInputWrong},
        InputCase{"Space", "a b", msg::kPolynomialInputWrong},
        InputCase{"LineBreak", "a\nb", msg::kPolynomialInputWrong},
        InputCase{"CarriageReturn", "a\r", msg::kPolynomialInputWrong},
        InputCase{"FullWidthText",
                  "a\xEF\xBC\x8C"
                  "b",
                  msg::kPolynomialInputWrong},
        InputCase{"EveryAllowedCharacter", "1234567890+-*abcdefghijklmnopqrstuvwxyz", {}},
        InputCase{"OnlyStars", "**", {}}, InputCase{"LongestAccepted", std::string(5000, 'a'), {}},
        InputCase{"OneTooLong", std::string(5001, 'a'), msg::kPolynomialTooLong},
        // A wrong character is named before the length.
        InputCase{"TooLongAndWrong", std::string(5001, 'a') + "B", msg::kPolynomialInputWrong}),
    testing::RowName());

TEST(SplitFactorsTest, KeepsEmptyFactors) {
    using V = std::vector<std::string_view>;
    EXPECT_EQ(SplitFactors("a2-b2*x2y3-xy2"), (V{"a2-b2", "x2y3-xy2"}));
    EXPECT_EQ(SplitFactors("a*"), (V{"a", ""}));
    EXPECT_EQ(SplitFactors("*a"), (V{"", "a"}));
    EXPECT_EQ(SplitFactors("a**b"), (V{"a", "", "b"}));
    EXPECT_EQ(SplitFactors("a"), (V{"a"}));
}

// --- chains ------------------------------------------------------------------

struct ChainCase {
    const char* name;
    std::string input;
    PolyStatus status;
    std::string plain;
    int terms;
};

void PrintTo(const ChainCase& c, std::ostream* os) {
    *os << c.name;
}

class ChainTest : public ::testing::TestWithParam<ChainCase> {};

TEST_P(ChainTest, MultipliesLeftToRight) {
    const ChainCase& c = GetParam();
    PolyEngine engine;
    PolyProduct product;
    ASSERT_EQ(MultiplyChain(engine, "x-1*x+1", product), PolyStatus::Ok);
    const PolyProduct before = {product.grid, product.width, product.termCount};
    ASSERT_EQ(MultiplyChain(engine, c.input, product), c.status);
    // A control changes nothing, and its progress reaches the end.
    PolyEngine controlledEngine;
    PolyProduct controlled;
    TaskControl control;
    EXPECT_EQ(MultiplyChain(controlledEngine, c.input, controlled, &control), c.status);
    EXPECT_EQ(control.Fraction(), 1.0);
    if (c.status != PolyStatus::Ok) {
        // Nothing of a failed chain reaches the result.
        EXPECT_EQ(product.grid, before.grid);
        EXPECT_EQ(product.width, before.width);
        EXPECT_EQ(product.termCount, before.termCount);
        return;
    }
    EXPECT_EQ(GridToPlainText(product.grid, product.width), c.plain);
    EXPECT_EQ(product.termCount, c.terms);
    EXPECT_EQ(controlled.grid, product.grid);
    EXPECT_EQ(controlled.termCount, c.terms);
}

INSTANTIATE_TEST_SUITE_P(
    Chains, ChainTest,
    ::testing::Values(
        ChainCase{"Worked", "a2-b2*x2y3-xy2", PolyStatus::Ok, "a2x2y3-a2xy2-b2x2y3+b2xy2", 4},
        ChainCase{"ThreeProducts", "a*b*c*d", PolyStatus::Ok, "abcd", 1},
        ChainCase{"EmptyLastFactor", "a*", PolyStatus::Ok, "", 0},
        ChainCase{"EmptyFirstFactor", "*a", PolyStatus::Ok, "", 0},
        ChainCase{"EmptyMiddleFactor", "a**b", PolyStatus::Ok, "", 0},
        ChainCase{"OnlyStar", "*", PolyStatus::Ok, "", 0},
        ChainCase{"Cube", "a+b*a+b*a+b", PolyStatus::Ok, "a3+3a2b+3ab2+b3", 4},
        ChainCase{"ContinuesAPastedResult", "a2x2y3-a2xy2-b2x2y3+b2xy2*a+b", PolyStatus::Ok,
                  "a3x2y3-a3xy2+a2bx2y3-a2bxy2-ab2x2y3+ab2xy2-b3x2y3+b3xy2", 8},
        // Without a '*' the polynomial is shown as its product with 1.
        ChainCase{"SingleInNormalForm", "b+a-b+3+yx", PolyStatus::Ok, "a+xy+3", 3},
        ChainCase{"SingleCancelsToNothing", "a-a", PolyStatus::Ok, "", 0},
        ChainCase{"SingleSign", "-", PolyStatus::Ok, "-1", 1},
        ChainCase{"FactorOverflows", Series('a', 1, 71) + "*" + Series('b', 1, 71),
                  PolyStatus::Overflow, "", 0},
        ChainCase{"SingleOverflows", Series('a', 1, 4902), PolyStatus::Overflow, "", 0},
        // The intermediate product is too wide to go on, though the final
        // one would be empty.
        ChainCase{"IntermediateTooWide", Series('a', 1, 50) + "*" + Series('b', 1, 50) + "*0",
                  PolyStatus::Overflow, "", 0},
        ChainCase{"IntermediateExactly9000", Exactly9000Columns() + "*1*0", PolyStatus::Ok, "", 0},
        ChainCase{"Intermediate9005", Exactly9000Columns() + "+a2*1*0", PolyStatus::Overflow, "",
                  0},
        // Every digit of a long coefficient counts towards the 9000 columns.
        ChainCase{"LongCoefficientFits", SquareOfPowerOfTen(4499) + "*0", PolyStatus::Ok, "", 0},
        ChainCase{"LongCoefficientTooWide", SquareOfPowerOfTen(4500) + "*0", PolyStatus::Overflow,
                  "", 0},
        // Exact coefficients where they used to wrap to negative ones or to an
        // empty product.
        ChainCase{"Binomial70", Repeated("a+b", 70), PolyStatus::Ok, BinomialText(70, false), 71},
        ChainCase{"AlternatingBinomial70", Repeated("a-b", 70), PolyStatus::Ok,
                  BinomialText(70, true), 71},
        ChainCase{"TwoToThe63", Repeated("x1+x1", 63), PolyStatus::Ok, "9223372036854775808x63",
                  1}),
    testing::RowName());

TEST(ChainTest, Binomial200FromTwoHalvesReadsBack) {
    PolyEngine engine;
    PolyOutputGrid grid, again;
    const std::string half = BinomialText(100, false), whole = BinomialText(200, false);
    ASSERT_EQ(engine.MultiplyPolynomialTexts(half, half, grid), PolyStatus::Ok);
    EXPECT_EQ(GridToPlainText(grid, engine.UsedWidth()), whole);
    EXPECT_EQ(engine.TermCount(), 201);
    ASSERT_EQ(engine.MultiplyPolynomialTexts(whole, "1", again), PolyStatus::Ok);
    EXPECT_EQ(again, grid);
}

TEST(ChainTest, Exactly9000ColumnsHelperIsThatWide) {
    PolyEngine engine;
    PolyProduct product;
    ASSERT_EQ(MultiplyChain(engine, Exactly9000Columns(), product), PolyStatus::Ok);
    EXPECT_EQ(product.width, 9000);
}

TEST(ChainTest, WideLastProductHasItsTermsInOrder) {
    PolyEngine engine;
    PolyProduct product;
    ASSERT_EQ(MultiplyChain(engine, Series('a', 1, 50) + "*" + Series('b', 1, 50), product),
              PolyStatus::Ok);
    EXPECT_GT(product.width, kMaxIntermediateWidth);
    EXPECT_EQ(GridToPlainText(product.grid, product.width).substr(0, 13), "a50b50+a50b49");
}

// --- stopping ------------------------------------------------------------------

// Two factors of 60000 terms each: 3.6 billion pairs, many seconds of work
// that all merge into one term.
std::string SlowChain() {
    std::string factor(119999, '+');
    for (std::size_t i = 0; i < factor.size(); i += 2)
        factor[i] = 'a';
    return factor + "*" + factor;
}

TEST(StopChainTest, StopTakesEffectPromptlyAndShowsNothing) {
    PolyEngine engine;
    PolyProduct product;
    ASSERT_EQ(MultiplyChain(engine, "x-1*x+1", product), PolyStatus::Ok);
    const std::string input = SlowChain();
    // Reading factors 24 times as long as the page takes does not look at the
    // flag; the stop comes when the pairs are being multiplied.
    EXPECT_TRUE(testing::StopsPromptly(
        [&](TaskControl& control) {
            EXPECT_EQ(MultiplyChain(engine, input, product, &control), PolyStatus::Stopped);
        },
        std::chrono::milliseconds(600)));
    EXPECT_EQ(GridToPlainText(product.grid, product.width), "x2-1");
    EXPECT_EQ(product.termCount, 2);

    // The same engine computes normally afterwards.
    ASSERT_EQ(MultiplyChain(engine, "a2-b2*x2y3-xy2", product), PolyStatus::Ok);
    EXPECT_EQ(GridToPlainText(product.grid, product.width), "a2x2y3-a2xy2-b2x2y3+b2xy2");
}

TEST(StopChainTest, StopRequestedBeforeTheStartStopsEveryChain) {
    PolyEngine engine;
    PolyProduct product;
    TaskControl control;
    control.RequestStop();
    EXPECT_EQ(MultiplyChain(engine, "a", product, &control), PolyStatus::Stopped);
    EXPECT_EQ(MultiplyChain(engine, "a*b*c", product, &control), PolyStatus::Stopped);
    EXPECT_EQ(product.width, 0);
    EXPECT_EQ(product.termCount, 0);
    // A stop is its own kind of outcome now, no longer an empty failure.
    EXPECT_EQ(ComputePolynomialProduct(engine, "a*b", false, &control).kind,
              Outcome::Kind::Stopped);
}

// --- typesetting -----------------------------------------------------------------

struct TypesetCase {
    const char* name;
    std::string input;
    std::vector<TypesetRun> runs;
};

void PrintTo(const TypesetCase& c, std::ostream* os) {
    *os << c.name;
}

class TypesetTest : public ::testing::TestWithParam<TypesetCase> {};

TEST_P(TypesetTest, RaisesExponentsAndKeepsSpacedSigns) {
    PolyEngine engine;
    PolyProduct product;
    ASSERT_EQ(MultiplyChain(engine, GetParam().input, product), PolyStatus::Ok);
    EXPECT_EQ(TypesetProduct(product.grid, product.width), GetParam().runs);
}

INSTANTIATE_TEST_SUITE_P(
    Products, TypesetTest,
    ::testing::Values(
        TypesetCase{
            "Square", "a+b*a+b", {{"a", false}, {"2", true}, {" + 2ab + b", false}, {"2", true}}},
        TypesetCase{"Worked",
                    "a2-b2*x2y3-xy2",
                    {{"a", false},    {"2", true},     {"x", false}, {"2", true},   {"y", false},
                     {"3", true},     {" - a", false}, {"2", true},  {"xy", false}, {"2", true},
                     {" - b", false}, {"2", true},     {"x", false}, {"2", true},   {"y", false},
                     {"3", true},     {" + b", false}, {"2", true},  {"xy", false}, {"2", true}}},
        TypesetCase{"NoExponents", "a-1", {{"a - 1", false}}}, TypesetCase{"Empty", "a*", {}},
        TypesetCase{"LongExponent", "x12y", {{"x", false}, {"12", true}, {"y", false}}}),
    testing::RowName());

// --- the command's text ----------------------------------------------------------

struct OutcomeCase {
    const char* name;
    std::string input;
    bool grid;
    Outcome::Kind kind;
    std::string text;
};

void PrintTo(const OutcomeCase& c, std::ostream* os) {
    *os << c.name;
}

class ComputeTest : public ::testing::TestWithParam<OutcomeCase> {};

TEST_P(ComputeTest, GivesTheResultText) {
    PolyEngine engine;
    const Outcome outcome = ComputePolynomialProduct(engine, GetParam().input, GetParam().grid);
    EXPECT_EQ(outcome.kind, GetParam().kind);
    EXPECT_EQ(outcome.text, GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Commands, ComputeTest,
    ::testing::Values(
        OutcomeCase{"Plain", "a2-b2*x2y3-xy2", false, Outcome::Kind::Value,
                    "a2x2y3-a2xy2-b2x2y3+b2xy2\n4"},
        OutcomeCase{"WithGrid", "a+b*a+b", true, Outcome::Kind::Value,
                    " 2          2\na  + 2ab + b \na2+2ab+b2\n3"},
        OutcomeCase{"EmptyProduct", "a*", false, Outcome::Kind::Value, "\n0"},
        OutcomeCase{"EmptyProductWithGrid", "a*", true, Outcome::Kind::Value, "\n\n\n0"},
        OutcomeCase{"Empty", "", false, Outcome::Kind::Refused, std::string(msg::kEnterPolynomial)},
        OutcomeCase{"Wrong", "a b", false, Outcome::Kind::Refused,
                    std::string(msg::kPolynomialInputWrong)},
        OutcomeCase{"Overflow", Series('a', 1, 71) + "*" + Series('b', 1, 71), false,
                    Outcome::Kind::Failure, std::string(msg::kPolynomialOverflow)}),
    testing::RowName());

}  // namespace
}  // namespace zentova
