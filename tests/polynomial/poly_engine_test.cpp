#include "polynomial/poly_engine.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>
#include <vector>

#include "support/table.h"

namespace zentova {
namespace {

std::string Series(char letter, int from, int to, std::uint32_t offset = 0) {
    std::string text;
    for (int i = from; i <= to; ++i) {
        if (!text.empty()) text += '+';
        text += letter;
        text += std::to_string(offset + static_cast<std::uint32_t>(i));
    }
    return text;
}

// --- splitting -------------------------------------------------------------

struct SplitCase {
    const char* name;
    const char* text;
    std::vector<std::string_view> terms;
};

class SplitTermsTest : public ::testing::TestWithParam<SplitCase> {};

TEST_P(SplitTermsTest, CutsBeforeEachLaterSign) {
    EXPECT_EQ(SplitTerms(GetParam().text), GetParam().terms);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, SplitTermsTest,
    ::testing::Values(SplitCase{"TwoTerms", "a2-b2", {"a2", "-b2"}},
                      SplitCase{"LeadingSign", "-xy2+3", {"-xy2", "+3"}},
                      SplitCase{"SignAlone", "a+-b", {"a", "+", "-b"}},
                      SplitCase{"TrailingSign", "a-", {"a", "-"}},
                      SplitCase{"OnlySigns", "+-+", {"+", "-", "+"}}, SplitCase{"Empty", "", {}},
                      SplitCase{"LongTermIsKeptWhole",
                                "1234567890123456789012345678901234567890123456789012345678901234"
                                "567890123456789012345678901234567890a-b",
                                {"1234567890123456789012345678901234567890123456789012345678901234"
                                 "567890123456789012345678901234567890a",
                                 "-b"}}),
    testing::RowName());

// --- parsing ---------------------------------------------------------------

struct ParseCase {
    const char* name;
    const char* text;
    PolyCoefficient coefficient;
    std::vector<std::pair<char, std::uint32_t>> exponents;  // the others are 0
};

class ParseTermTest : public ::testing::TestWithParam<ParseCase> {};

TEST_P(ParseTermTest, ReadsCoefficientAndExponents) {
    const ParseCase& c = GetParam();
    PolyTerm expected;
    expected.coefficient = c.coefficient;
    for (auto [letter, e] : c.exponents)
        expected.exponents[static_cast<std::size_t>(letter - 'a')] = e;
    EXPECT_EQ(ParseTerm(c.text), expected) << c.text;
}

constexpr std::int64_t kMin64 = std::numeric_limits<std::int64_t>::min();

PolyCoefficient Big(const char* digits) {
    return PolyCoefficient(mpz_class(digits));
}

INSTANTIATE_TEST_SUITE_P(
    Terms, ParseTermTest,
    ::testing::Values(
        ParseCase{"MinusAloneIsMinusOne", "-", -1, {}}, ParseCase{"PlusAloneIsOne", "+", 1, {}},
        ParseCase{"NegativeConstant", "-5", -5, {}},
        ParseCase{"SignedCoefficient", "+5a", 5, {{'a', 1}}},
        ParseCase{"ZeroCoefficient", "0a", 0, {{'a', 1}}},
        ParseCase{"MinusLetter", "-b3", -1, {{'b', 3}}},
        ParseCase{"CoefficientAndLetters", "12ab2c", 12, {{'a', 1}, {'b', 2}, {'c', 1}}},
        ParseCase{"LetterFirstIsOne", "m2n", 1, {{'m', 2}, {'n', 1}}},
        ParseCase{"RepeatedLetterReplaces", "a2a3", 1, {{'a', 3}}},
        ParseCase{"RepeatedLetterWithoutDigits", "a3a", 1, {{'a', 1}}},
        ParseCase{"ZeroExponentVanishes", "a0b", 1, {{'b', 1}}},
        ParseCase{"LongDigitRunsAreExponents", "x12y345", 1, {{'x', 12}, {'y', 345}}},
        // Numbers are read exactly; they used to keep their low 32 or 64
        // bits, so that a4294967297 read as a and 2^64+1 as 1.
        ParseCase{"LargestExponent", "a2147483647", 1, {{'a', kPolyMaxExponent}}},
        ParseCase{"ExponentPastTheLimit", "a4294967297", 1, {{'a', kPolyMaxExponent + 1}}},
        ParseCase{"CoefficientPast64Bits",
                  "18446744073709551617a",
                  Big("18446744073709551617"),
                  {{'a', 1}}},
        ParseCase{"MostNegativeCoefficient", "-9223372036854775808", kMin64, {}},
        ParseCase{
            "CoefficientJustPastSigned", "9223372036854775808", Big("9223372036854775808"), {}},
        ParseCase{"LeadingZerosFit", "-0000000000000000000000012", -12, {}},
        // Characters that the input checks reject first still parse safely.
        ParseCase{"ForeignCharactersIgnored", "2A(b", 2, {{'b', 1}}}),
    testing::RowName());

// --- whole multiplications ---------------------------------------------------

struct ProductCase {
    const char* name;
    std::string left;
    std::string right;
    std::string plain;
    int terms;
};

void PrintTo(const ProductCase& c, std::ostream* os) {
    *os << c.name;
}

class MultiplyTest : public ::testing::TestWithParam<ProductCase> {};

TEST_P(MultiplyTest, GivesThePlainProduct) {
    const ProductCase& c = GetParam();
    PolyEngine engine;
    PolyOutputGrid grid;
    ASSERT_EQ(engine.MultiplyPolynomialTexts(c.left, c.right, grid), PolyStatus::Ok);
    EXPECT_EQ(GridToPlainText(grid, engine.UsedWidth()), c.plain);
    EXPECT_EQ(engine.TermCount(), c.terms);
    // The flattened text is valid input again and denotes the same product.
    PolyOutputGrid again;
    ASSERT_EQ(engine.MultiplyPolynomialTexts(c.plain, "1", again), PolyStatus::Ok);
    EXPECT_EQ(again, grid);
}

INSTANTIATE_TEST_SUITE_P(
    Products, MultiplyTest,
    ::testing::Values(ProductCase{"Worked", "a2-b2", "x2y3-xy2", "a2x2y3-a2xy2-b2x2y3+b2xy2", 4},
                      ProductCase{"WorkedSecond", "m2n-b3", "xy", "-b3xy+m2nxy", 2},
                      ProductCase{"MiddleTermsCancel", "a-b", "a+b", "a2-b2", 2},
                      ProductCase{"Square", "a+b", "a+b", "a2+2ab+b2", 3},
                      ProductCase{"EverythingCancels", "a-a", "b", "", 0},
                      ProductCase{"NegativeCoefficient", "-2a", "b", "-2ab", 1},
                      ProductCase{"Constants", "-2", "3", "-6", 1},
                      ProductCase{"MinusOneConstant", "-1", "1", "-1", 1},
                      ProductCase{"OneConstant", "1", "1", "1", 1},
                      ProductCase{"AlphabeticalLetters", "yx", "1", "xy", 1},
                      ProductCase{"RepeatedLetter", "a2a3", "1", "a3", 1},
                      ProductCase{"ZeroExponent", "a0b", "1", "b", 1},
                      ProductCase{"TrailingSign", "a-", "1", "a-1", 2},
                      ProductCase{"SignAlone", "a+-b", "1", "a-b+1", 3},
                      ProductCase{"EmptyLeft", "", "a", "", 0},
                      ProductCase{"EmptyRight", "a", "", "", 0},
                      ProductCase{"ZeroCoefficient", "0a", "b", "", 0},
                      ProductCase{"LikeTermsCombine", "a+a", "1", "2a", 1},
                      ProductCase{"ConstantsLast", "1+b+a", "1", "a+b+1", 3},
                      ProductCase{"LaterConstantMinusOne", "a-1", "1", "a-1", 2},
                      // Exact coefficients; these used to wrap to -2a and -4a.
                      ProductCase{"CoefficientPasses64Bits", "9223372036854775807a", "2",
                                  "18446744073709551614a", 1},
                      ProductCase{"MostNegativeMagnitude", "-9223372036854775808a", "1",
                                  "-9223372036854775808a", 1},
                      ProductCase{"MostNegativeLater", "a-9223372036854775808b", "1",
                                  "a-9223372036854775808b", 2},
                      ProductCase{"SumPasses64Bits", "9223372036854775807a+9223372036854775807a",
                                  "2", "36893488147419103228a", 1},
                      ProductCase{"LongSumsCancel",
                                  "-a+18446744073709551616b-18446744073709551616b", "-1", "a", 1},
                      ProductCase{"LongSumComesBackTo64Bits",
                                  "9223372036854775808a-9223372036854775807a", "-1", "-a", 1},
                      ProductCase{"LargestExponentFits", "a2147483646+a", "a", "a2147483647+a2", 2},
                      // A term that is 0 has no exponent to overflow.
                      ProductCase{"ZeroTermWithHugeExponent", "0a3000000000+b", "a", "ab", 1}),
    testing::RowName());

TEST(MultiplyTest, FourThousandNineHundredTermsPrintInOrder) {
    PolyEngine engine;
    PolyOutputGrid grid;
    ASSERT_EQ(engine.MultiplyPolynomialTexts(Series('a', 1, 70), Series('b', 1, 70), grid),
              PolyStatus::Ok);
    EXPECT_EQ(engine.TermCount(), 4900);
    const std::string plain = GridToPlainText(grid, engine.UsedWidth());
    EXPECT_EQ(plain.substr(0, 16), "a70b70+a70b69+a7");
    EXPECT_EQ(plain.substr(plain.size() - 7), "+ab2+ab");
}

TEST(MultiplyTest, GridExampleKeepsBothRows) {
    PolyEngine engine;
    PolyOutputGrid grid;
    ASSERT_EQ(engine.MultiplyPolynomialTexts("a+b", "a+b", grid), PolyStatus::Ok);
    EXPECT_EQ(engine.UsedWidth(), 13);
    EXPECT_EQ(GridRow(grid, 13, true), " 2          2");
    EXPECT_EQ(GridRow(grid, 13, false), "a  + 2ab + b ");
    EXPECT_EQ(grid.Upper(13), ' ');
    EXPECT_EQ(grid.Lower(13), ' ');
}

// --- overflow --------------------------------------------------------------

// Terms 26 letters wide with ten-digit exponents: 286 columns, 289 after the
// first. `aExponent` orders them.
std::string WideTerm(std::uint32_t aExponent) {
    std::string term = "a";
    term += std::to_string(aExponent);
    for (char letter = 'b'; letter <= 'z'; ++letter) {
        term += letter;
        term += "1000000000";
    }
    return term;
}

std::string WideTerms(int count, bool withFiller) {
    std::string text;
    for (int i = 1; i <= count; ++i)
        text += WideTerm(2000000000u + static_cast<std::uint32_t>(i)) + "+";
    if (withFiller) text += "a1500000000+";  // 14 columns between the wide terms
    return text + WideTerm(1000000000u);
}

struct OverflowCase {
    const char* name;
    std::string left;
    std::string right;
};

void PrintTo(const OverflowCase& c, std::ostream* os) {
    *os << c.name;
}

class OverflowTest : public ::testing::TestWithParam<OverflowCase> {};

TEST_P(OverflowTest, FailsAndLeavesTheGridAsItWas) {
    PolyEngine engine;
    PolyOutputGrid grid;
    ASSERT_EQ(engine.MultiplyPolynomialTexts("a+b", "a+b", grid), PolyStatus::Ok);
    const PolyOutputGrid before = grid;
    EXPECT_EQ(engine.MultiplyPolynomialTexts(GetParam().left, GetParam().right, grid),
              PolyStatus::Overflow);
    EXPECT_EQ(grid, before);
    // The engine is usable at once afterwards.
    ASSERT_EQ(engine.MultiplyPolynomialTexts("a-b", "a+b", grid), PolyStatus::Ok);
    EXPECT_EQ(GridToPlainText(grid, engine.UsedWidth()), "a2-b2");
}

INSTANTIATE_TEST_SUITE_P(
    Limits, OverflowTest,
    ::testing::Values(
        OverflowCase{"TooManyTerms", Series('a', 1, 71), Series('b', 1, 71)},
        // 4900 terms, then one more pair starts: the check is made before it.
        OverflowCase{"OnePairPastTheLimit", Series('a', 1, 70) + "+c", Series('b', 1, 70)},
        // The 174th wide term would start at column 49994.
        OverflowCase{"TermStartsPastColumn49900", WideTerms(173, false), "1"},
        // Starts at 49719, within the limit, but would end at 50008.
        OverflowCase{"TermWouldPassTheGrid", WideTerms(172, true), "1"},
        // 59999 digits do not fit 50000 columns.
        OverflowCase{"CoefficientWiderThanTheGrid", std::string("1").append(29999, '0'),
                     std::string("1").append(29999, '0').append("a")},
        // Exponents are never wrapped: a4294967295 times a used
        // to give the constant 1.
        OverflowCase{"ExponentSumPassesTheLimit", "b+a2147483647", "a+c"},
        OverflowCase{"ExponentWrittenPastTheLimit", "a2147483648", "1"}),
    testing::RowName());

TEST(OverflowTest, LimitIsCheckedBeforeEachPairNotAfter) {
    PolyEngine engine;
    PolyOutputGrid grid;
    // A pair that starts with exactly 4900 terms may run, and cancel.
    EXPECT_EQ(engine.MultiplyPolynomialTexts(Series('a', 1, 70) + "-a", Series('b', 1, 70), grid),
              PolyStatus::Ok);
    EXPECT_EQ(engine.TermCount(), 4830);
    // The last pair may take the table to 4901.
    EXPECT_EQ(engine.MultiplyPolynomialTexts(Series('a', 1, 4901), "1", grid), PolyStatus::Ok);
    EXPECT_EQ(engine.TermCount(), 4901);
}

TEST(OverflowTest, WideTermsFitUpToTheLastColumn) {
    PolyEngine engine;
    PolyOutputGrid grid;
    ASSERT_EQ(engine.MultiplyPolynomialTexts(WideTerms(172, false), "1", grid), PolyStatus::Ok);
    EXPECT_EQ(engine.UsedWidth(), 286 + 289 * 172);
    EXPECT_EQ(engine.TermCount(), 173);
}

// --- stop flag --------------------------------------------------------------

TEST(StopTest, RaisedFlagStopsBeforeTheGridIsTouched) {
    PolyEngine engine;
    PolyOutputGrid grid;
    ASSERT_EQ(engine.MultiplyPolynomialTexts("a+b", "a+b", grid), PolyStatus::Ok);
    const PolyOutputGrid before = grid;
    TaskControl stopped;
    stopped.RequestStop();
    EXPECT_EQ(
        engine.MultiplyPolynomialTexts(Series('a', 1, 70), Series('b', 1, 70), grid, &stopped),
        PolyStatus::Stopped);
    EXPECT_EQ(grid, before);
    TaskControl running;
    ASSERT_EQ(engine.MultiplyPolynomialTexts("a-b", "a+b", grid, &running), PolyStatus::Ok);
    EXPECT_EQ(GridToPlainText(grid, engine.UsedWidth()), "a2-b2");
}

}  // namespace
}  // namespace zentova
