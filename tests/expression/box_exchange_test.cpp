#include "common/box_exchange.h"

#include <gtest/gtest.h>

#include <limits>

#include "support/table.h"

namespace zentova {
namespace {

struct DoubleRow {
    const char* name;
    const char* text;
    bool isNumber;
    double value;
};

class ReadDouble : public ::testing::TestWithParam<DoubleRow> {};

TEST_P(ReadDouble, AcceptsOnlyAWholeNumber) {
    const DoubleRow& row = GetParam();
    const auto value = ReadDoubleBox(row.text);
    ASSERT_EQ(value.has_value(), row.isNumber);
    if (row.isNumber) {
        EXPECT_EQ(*value, row.value);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ReadDouble,
    ::testing::Values(
        DoubleRow{"Integer", "42", true, 42}, DoubleRow{"Fraction", "0.125", true, 0.125},
        DoubleRow{"LeadingDot", ".5", true, 0.5}, DoubleRow{"Negative", "-2.5", true, -2.5},
        DoubleRow{"Plus", "+3", true, 3}, DoubleRow{"Exponent", "1e-3", true, 1e-3},
        DoubleRow{"Blanks", " \t7 ", true, 7}, DoubleRow{"Empty", "", false, 0},
        DoubleRow{"OnlyBlanks", "   ", false, 0}, DoubleRow{"TrailingText", "3x", false, 0},
        DoubleRow{"Comma", "3,5", false, 0}, DoubleRow{"Letters", "abc", false, 0},
        DoubleRow{"Infinity", "inf", false, 0}, DoubleRow{"NaN", "nan", false, 0},
        DoubleRow{"DoubleSign", "--1", false, 0}, DoubleRow{"SignThenBlank", "- 1", false, 0},
        DoubleRow{"Hex", "0x10", false, 0}, DoubleRow{"Overflow", "1e999", false, 0},
        DoubleRow{"FullWidth", "\uFF11\uFF0E\uFF15", true, 1.5},
        DoubleRow{"MinusSignAndIdeographicSpace", "\u3000\u22122\u3000", true, -2},
        DoubleRow{"FullWidthLetters", "\uFF49\uFF4E\uFF46", false, 0}),
    testing::RowName());

struct IntRow {
    const char* name;
    const char* text;
    bool isNumber;
    int value;
};

class ReadInt : public ::testing::TestWithParam<IntRow> {};

TEST_P(ReadInt, AcceptsOnlyAWholeInteger) {
    const IntRow& row = GetParam();
    const auto value = ReadIntBox(row.text);
    ASSERT_EQ(value.has_value(), row.isNumber);
    if (row.isNumber) {
        EXPECT_EQ(*value, row.value);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ReadInt,
    ::testing::Values(IntRow{"Plain", "12", true, 12}, IntRow{"Negative", "-7", true, -7},
                      IntRow{"Plus", "+7", true, 7}, IntRow{"Blanks", " 5\t", true, 5},
                      IntRow{"Largest", "2147483647", true, std::numeric_limits<int>::max()},
                      IntRow{"Smallest", "-2147483648", true, std::numeric_limits<int>::min()},
                      IntRow{"TooLarge", "2147483648", false, 0},
                      IntRow{"Fraction", "1.5", false, 0}, IntRow{"Empty", "", false, 0},
                      IntRow{"PlusMinus", "+-3", false, 0}, IntRow{"Text", "x", false, 0},
                      IntRow{"FullWidth", "\uFF11\uFF12", true, 12}),
    testing::RowName());

TEST(WriteBox, DoublesWithFifteenDigitsIntegersInDecimal) {
    EXPECT_EQ(WriteDoubleBox(8.5), "8.5");
    EXPECT_EQ(WriteDoubleBox(0.1 + 0.2), "0.3");
    EXPECT_EQ(WriteDoubleBox(1e20), "1e+20");
    EXPECT_EQ(WriteIntBox(-12), "-12");
}

}  // namespace
}  // namespace zentova
