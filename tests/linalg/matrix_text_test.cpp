#include "linalg/matrix_text.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "common/number_text.h"
#include "support/table.h"

namespace zentova {
namespace {

struct ReadCase {
    const char* name;
    std::string text;
    std::size_t count;
    std::vector<double> expected;  // the values read; their number is the result
    // The token that ends the reading as no number, and its place; none when
    // notNumberAt is -1.
    int notNumberAt = -1;
    const char* notNumber = "";
};

void PrintTo(const ReadCase& c, std::ostream* os) {
    *os << c.name;
}

class ReadMatrixTextTable : public ::testing::TestWithParam<ReadCase> {};

TEST_P(ReadMatrixTextTable, ReadsTheValuesInOrder) {
    const ReadCase& c = GetParam();
    std::vector<double> destination(c.count + 2, -99.0);
    std::optional<NotNumberToken> notNumber;
    const std::size_t read = ReadMatrixText(c.text, c.count, destination, &notNumber);
    ASSERT_EQ(read, c.expected.size());
    for (std::size_t i = 0; i < read; ++i)
        EXPECT_EQ(destination[i], c.expected[i]) << i;
    // Nothing is written past what was read.
    for (std::size_t i = read; i < destination.size(); ++i)
        EXPECT_EQ(destination[i], -99.0);
    if (c.notNumberAt < 0) {
        EXPECT_FALSE(notNumber.has_value());
        EXPECT_EQ(CountMatrixNumbers(c.text, c.count), c.expected.size());
    } else {
        ASSERT_TRUE(notNumber.has_value());
        EXPECT_EQ(notNumber->index, static_cast<std::size_t>(c.notNumberAt));
        EXPECT_EQ(notNumber->token, c.notNumber);
    }
}

// Rows that read a word as 0, a number's prefix, or a tab as part of a token
// read so no more: a tab separates, and a token that is not wholly a number
// ends the reading and is named.
INSTANTIATE_TEST_SUITE_P(
    Tokens, ReadMatrixTextTable,
    ::testing::Values(ReadCase{"FullWidthCommas", "1，2，3", 3, {1, 2, 3}},
                      ReadCase{"CommaAndBlanks", "1, 2,3", 3, {1, 2, 3}},
                      ReadCase{"LineBreaks", "1 2\r\n3", 3, {1, 2, 3}},
                      ReadCase{"BareLineFeedsAndCarriageReturns", "1\n2\r3", 3, {1, 2, 3}},
                      ReadCase{"TabSeparates", "1\t2", 2, {1, 2}},
                      ReadCase{"SeparatorRunsAndEnds", ",, 1 ,, 2 ,,", 2, {1, 2}},
                      ReadCase{"WordIsNoNumber", "a b", 2, {}, 0, "a"},
                      ReadCase{"NumberPrefixIsNoNumber", "2.5e1x", 1, {}, 0, "2.5e1x"},
                      ReadCase{"FractionIsNoNumber", "1/2 1 1 1", 4, {}, 0, "1/2"},
                      ReadCase{"SurplusIgnored", "1 2 3 4 5 6", 4, {1, 2, 3, 4}},
                      ReadCase{"SurplusNotLookedAt", "1 2 x", 2, {1, 2}},
                      ReadCase{"Empty", "", 1, {}}, ReadCase{"SeparatorsOnly", " ,\r\n，", 1, {}},
                      ReadCase{"FullWidthDigitsAndSpace", "１２　3", 2, {12, 3}},
                      ReadCase{"ChineseWordIsNoNumber", "1 一", 2, {1}, 1, "一"},
                      ReadCase{"SignsAndPoints", "-1 +2 .5 5. -.25", 5, {-1, 2, 0.5, 5, -0.25}},
                      ReadCase{"ExponentForms", "1e3 1E-2 2e+1 3e", 4, {1000, 0.01, 20}, 3, "3e"},
                      ReadCase{"LeadingWhiteSpaceOfAToken", "\v7 \f8", 2, {7, 8}},
                      ReadCase{"SignAloneIsNoNumber", "1 -", 2, {1}, 1, "-"},
                      ReadCase{"WordsOfCIsNoNumber", "1e999 inf", 2, {HUGE_VAL}, 1, "inf"},
                      ReadCase{"HexIsNoNumber", "0x10", 1, {}, 0, "0x10"},
                      ReadCase{"CountZeroReadsNothing", "1 2", 0, {}}),
    testing::RowName());

TEST(ReadMatrixText, PlacesTokenKInRowKDivColsColumnKModCols) {
    Matrix m(2, 3);
    ASSERT_TRUE(ReadMatrix("0 1 2 3 4 5", m));
    EXPECT_EQ(m.at(1, 1), 4);  // the fifth token
    EXPECT_EQ(m.at(0, 2), 2);
    Matrix tooMany(3, 3);
    EXPECT_FALSE(ReadMatrix("1 2 3", tooMany));
}

TEST(ReadMatrixText, NeverWritesPastTheDestination) {
    std::vector<double> destination(2, 0.0);
    EXPECT_EQ(ReadMatrixText("1 2 3 4", 10, destination), 2u);
}

TEST(ReadMatrixText, ReadsTextsFarBeyondFiveThousandBytes) {
    // An order-100 determinant typed with long numbers: 10,000 values.
    std::string text;
    for (int i = 0; i < 10000; ++i)
        text += "12345.678901 ";
    ASSERT_GT(text.size(), 100000u);
    std::vector<double> destination(10000);
    EXPECT_EQ(ReadMatrixText(text, 10000, destination), 10000u);
    EXPECT_EQ(destination[9999], 12345.678901);
    EXPECT_EQ(CountMatrixNumbers(text, 10000), 10000u);
    EXPECT_EQ(CountMatrixNumbers(text, 20000), 10000u);
}

TEST(CountMatrixNumbers, StopsAtTheCount) {
    EXPECT_EQ(CountMatrixNumbers("1 2 3 4 5", 3), 3u);
    EXPECT_EQ(CountMatrixNumbers("1 2", 3), 2u);
    EXPECT_EQ(CountMatrixNumbers("1 2", 0), 0u);
}

struct FormatCase {
    const char* name;
    int rows;
    int cols;
    std::vector<double> values;
    const char* expected;
};

void PrintTo(const FormatCase& c, std::ostream* os) {
    *os << c.name;
}

class FormatMatrixTextTable : public ::testing::TestWithParam<FormatCase> {};

TEST_P(FormatMatrixTextTable, WritesTheExactText) {
    const FormatCase& c = GetParam();
    Matrix m(c.rows, c.cols);
    ASSERT_EQ(m.values().size(), c.values.size());
    std::copy(c.values.begin(), c.values.end(), m.values().begin());
    EXPECT_EQ(FormatMatrixText(m), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Examples, FormatMatrixTextTable,
    ::testing::Values(
        FormatCase{"TwoByTwo", 2, 2, {1, 0.5, -3, 1.0 / 3}, "1,0.5,\r\n-3,0.333333"},
        FormatCase{"OneRow", 1, 3, {1, 2, 3}, "1,2,3"},
        FormatCase{"OneColumn", 3, 1, {1, 2, 3}, "1,\r\n2,\r\n3"},
        FormatCase{"OneByOne", 1, 1, {7}, "7"},
        FormatCase{"NegativeZeroAndExponents", 1, 3, {-0.0, 1e20, 1.5e-7}, "-0,1e+20,1.5e-07"}),
    testing::RowName());

struct RelayoutCase {
    const char* name;
    const char* text;
    int rows;
    int cols;
    const char* expected;
};

void PrintTo(const RelayoutCase& c, std::ostream* os) {
    *os << c.name;
}

class RelayoutTable : public ::testing::TestWithParam<RelayoutCase> {};

TEST_P(RelayoutTable, LaysTheTokensOutAsTyped) {
    const RelayoutCase& c = GetParam();
    EXPECT_EQ(RelayoutMatrixText(c.text, c.rows, c.cols), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Examples, RelayoutTable,
    ::testing::Values(
        RelayoutCase{"TwoByTwo", "1 2 3 4", 2, 2, "1,2,\r\n3,4\r\n"},
        RelayoutCase{"SurplusDropped", "1 2 3 4 5", 2, 2, "1,2,\r\n3,4\r\n"},
        RelayoutCase{"OneColumn", "7 8 9", 3, 1, "7,\r\n8,\r\n9\r\n"},
        RelayoutCase{"OneRow", "1 2", 1, 2, "1,2\r\n"},
        RelayoutCase{"OneByOne", "5", 1, 1, "5\r\n"},
        RelayoutCase{"TwoByThreeOfSeven", "1 2 3 4 5 6 7", 2, 3, "1,2,3,\r\n4,5,6\r\n"},
        RelayoutCase{"TokensKeptAsTyped", "1.50，abc\r\n2e3 -0", 2, 2, "1.50,abc,\r\n2e3,-0\r\n"}),
    testing::RowName());

struct TrimCase {
    const char* name;
    const char* text;
    const char* expected;
};

void PrintTo(const TrimCase& c, std::ostream* os) {
    *os << c.name;
}

class TrimTable : public ::testing::TestWithParam<TrimCase> {};

TEST_P(TrimTable, RemovesWhiteSpaceAtBothEnds) {
    EXPECT_EQ(TrimMatrixText(GetParam().text), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, TrimTable,
                         ::testing::Values(TrimCase{"Nothing", "1 2", "1 2"},
                                           TrimCase{"AllKinds", " \t\r\n\v\f1 2\f\v\n\r\t ", "1 2"},
                                           TrimCase{"BlanksOnly", " \t \r\n", ""},
                                           TrimCase{"CommaIsNotWhite", ",1,", ",1,"}),
                         testing::RowName());

}  // namespace
}  // namespace zentova

namespace zentova {
namespace {

// FormatG must write exactly what printf's "%g" writes, for every kind of
// double: random bit patterns cover subnormals, huge exponents and NaNs.
TEST(FormatG, WritesWhatPrintfWrites) {
    std::mt19937_64 random(2026);
    auto check = [](double value) {
        char buffer[64];
        std::snprintf(buffer, sizeof buffer, "%g", value);
        ASSERT_EQ(FormatG(value), buffer) << value;
    };
    for (double special :
         {0.0, -0.0, 1.0, -1.0, 0.1, 1e-5, 1e-4, 123456.0, 1234567.0, 999999.5, 9.999995e-5, 5e-324,
          1.7976931348623157e308, HUGE_VAL, -HUGE_VAL, std::nan(""), -std::nan("")}) {
        check(special);
    }
    std::uniform_real_distribution<double> ordinary(-1e7, 1e7);
    for (int i = 0; i < 20000; ++i) {
        check(std::bit_cast<double>(random()));
        check(ordinary(random));
        check(std::round(ordinary(random)) / 1000);
    }
}

// ReadNumberPrefix converts the decimal prefix as strtod does, rounding,
// overflow and underflow included.
TEST(ReadNumberPrefix, RoundsAsStrtod) {
    std::mt19937 random(77);
    std::uniform_int_distribution<int> digit(0, 9);
    std::uniform_int_distribution<int> length(1, 25);
    std::uniform_int_distribution<int> exponent(-340, 340);
    std::uniform_int_distribution<int> coin(0, 3);
    for (int i = 0; i < 20000; ++i) {
        std::string number;
        if (coin(random) == 0) number += "-";
        if (coin(random) == 1) number += "+";
        const int digits = length(random);
        for (int n = 0; n < digits; ++n)
            number.push_back(static_cast<char>('0' + digit(random)));
        if (coin(random) != 0) {
            // A point somewhere among the last digits, or after them.
            const std::size_t back = std::min<std::size_t>(static_cast<std::size_t>(coin(random)),
                                                           static_cast<std::size_t>(digits));
            number.insert(number.end() - static_cast<std::ptrdiff_t>(back), '.');
        }
        if (coin(random) != 0) number.append("e").append(std::to_string(exponent(random)));
        const double expected = std::strtod(number.c_str(), nullptr);
        std::string token = number;
        token.push_back('x');
        const double got = ReadNumberPrefix(token);
        ASSERT_EQ(std::bit_cast<std::uint64_t>(got), std::bit_cast<std::uint64_t>(expected))
            << number;
    }
}

}  // namespace
}  // namespace zentova
