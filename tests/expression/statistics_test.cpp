#include "exprtools/statistics.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "support/table.h"

namespace zentova {
namespace {

using S = StatisticKind;

struct StatCase {
    const char* name;
    S kind;
    const char* data;
    const char* expected;  // the result box text
};

void PrintTo(const StatCase& c, std::ostream* os) {
    *os << c.name;
}

class StatisticTable : public ::testing::TestWithParam<StatCase> {};

TEST_P(StatisticTable, ShowsTheResult) {
    const StatCase& c = GetParam();
    const Outcome outcome = ComputeStatisticText(c.kind, c.data);
    EXPECT_EQ(outcome.kind, Outcome::Kind::Value);
    EXPECT_EQ(outcome.text, c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    OneToFour, StatisticTable,
    ::testing::Values(StatCase{"Maximum", S::Maximum, "1 2 3 4", "4"},
                      StatCase{"Minimum", S::Minimum, "1 2 3 4", "1"},
                      StatCase{"Sum", S::SumOfValues, "1 2 3 4", "10"},
                      StatCase{"Product", S::ProductOfValues, "1 2 3 4", "24"},
                      StatCase{"Mean", S::ArithmeticMean, "1 2 3 4", "2.5"},
                      StatCase{"GeometricMean", S::GeometricMean, "1 2 3 4", "2.21336383940064"},
                      StatCase{"QuadraticMean", S::QuadraticMean, "1 2 3 4", "2.73861278752583"},
                      StatCase{"SampleStdDev", S::SampleStdDev, "1 2 3 4", "1.29099444873581"},
                      StatCase{"RelativeStdDev", S::RelativeStdDev, "1 2 3 4", "0.516397779494322"},
                      StatCase{"PopulationStdDev", S::PopulationStdDev, "1 2 3 4",
                               "1.11803398874989"}),
    testing::RowName());

INSTANTIATE_TEST_SUITE_P(
    Edges, StatisticTable,
    ::testing::Values(StatCase{"FullWidthCommaSeparates", S::SumOfValues, "1，2", "3"},
                      // A tab separates (it was part of the token "1\t2", read as 1): a
                      // column block pasted from a spreadsheet.
                      StatCase{"TabSeparates", S::SumOfValues, "1\t2\r\n3\t4", "10"},
                      StatCase{"LineBreaksAndBlankLines", S::SumOfValues, "1\r\n\r\n2\n\n3\r4",
                               "10"},
                      StatCase{"SingleNegativeMax", S::Maximum, "-5", "-5"},
                      StatCase{"SingleNegativeGeometric", S::GeometricMean, "-5", "-5"},
                      StatCase{"SingleNegativeQuadratic", S::QuadraticMean, "-5", "5"},
                      StatCase{"SingleSampleStdDevIsNotFinite", S::SampleStdDev, "7", "-nan"},
                      StatCase{"SingleRelativeStdDevIsNotFinite", S::RelativeStdDev, "7", "-nan"},
                      StatCase{"SinglePopulationStdDevIsZero", S::PopulationStdDev, "7", "0"},
                      StatCase{"GeometricOfTwoNegatives", S::GeometricMean, "-2 -8", "4"},
                      StatCase{"GeometricOfMixedSigns", S::GeometricMean, "-2 8", "-nan"},
                      StatCase{"RelativeWithZeroMean", S::RelativeStdDev, "-1 1", "inf"},
                      StatCase{"NoKindChosen", static_cast<S>(-1), "1 2 3", "0"},
                      StatCase{"UnknownKind", static_cast<S>(10), "1 2 3", "0"},
                      StatCase{"SignedAndExponent", S::SumOfValues, "-1.5 +2e1 3e-1", "18.8"}),
    testing::RowName());

// Maximum and minimum differ in how they meet "not a number": the maximum's
// "if not (m >= x)" takes it (and leaves it for the next value), the
// minimum's "if m > x" never does.
TEST(ComputeStatistic, NotANumberInMaximumAndMinimum) {
    const std::vector<double> passing = {1, NAN, 3, 2};
    EXPECT_EQ(ComputeStatistic(S::Maximum, passing), 3);
    const std::vector<double> values = {1, 3, NAN};
    EXPECT_TRUE(std::isnan(ComputeStatistic(S::Maximum, values)));
    EXPECT_EQ(ComputeStatistic(S::Minimum, values), 1);
    const std::vector<double> nanFirst = {NAN, 3, 1};
    EXPECT_EQ(ComputeStatistic(S::Maximum, nanFirst), 3);
    EXPECT_TRUE(std::isnan(ComputeStatistic(S::Minimum, nanFirst)));
}

TEST(ComputeStatistic, SumsInTextOrder) {
    // In text order 1e16 + 1 + 1 loses both ones; sorted it would not.
    const std::vector<double> values = {1e16, 1, 1};
    EXPECT_EQ(ComputeStatistic(S::SumOfValues, values), 1e16);
    // The geometric mean is the power of the whole product: it overflows.
    const std::vector<double> big = {1e200, 1e200};
    EXPECT_TRUE(std::isinf(ComputeStatistic(S::GeometricMean, big)));
}

TEST(ComputeStatisticText, DataWithoutNumbersIsRefused) {
    for (const char* data : {"", " ", ",,", "\r\n", "，", " , \r\n ，"}) {
        const Outcome outcome = ComputeStatisticText(S::SumOfValues, data);
        EXPECT_EQ(outcome.kind, Outcome::Kind::Refused) << data;
        EXPECT_EQ(outcome.text, "请输入要统计的数据。");
    }
}

// Words read as 0 and prefixes as their number ("1 a 3" had the product 0);
// now the first token that is no number is named, and nothing is computed.
TEST(ComputeStatisticText, TokenThatIsNoNumberIsRefused) {
    struct Row {
        const char* data;
        const char* message;
    };
    for (const Row& row :
         {Row{"1 a 3", "第 2 个数据“a”不是数字。"},
          Row{"-1.5 +2e1 3e-1x", "第 3 个数据“3e-1x”不是数字。"},
          Row{"1\n\n2\nnan", "第 3 个数据“nan”不是数字。"}, Row{"x", "第 1 个数据“x”不是数字。"},
          Row{"1 12345678901234567890123x", "第 2 个数据“12345678901234567890…”不是数字。"}}) {
        const Outcome outcome = ComputeStatisticText(S::SumOfValues, row.data);
        EXPECT_EQ(outcome.kind, Outcome::Kind::Refused) << row.data;
        EXPECT_EQ(outcome.text, row.message);
    }
}

TEST(ComputeStatisticText, ReadsDataBeyondFiveThousandBytes) {
    std::string data;
    for (int i = 0; i < 3000; ++i)
        data += "1.000000 ";
    ASSERT_GT(data.size(), 5000u);
    EXPECT_EQ(ComputeStatisticText(S::SumOfValues, data).text, "3000");
}

struct KindNameCase {
    const char* name;
    const char* text;
    int expected;  // -1: not a kind
};

void PrintTo(const KindNameCase& c, std::ostream* os) {
    *os << c.name;
}

class KindNames : public ::testing::TestWithParam<KindNameCase> {};

TEST_P(KindNames, ParseIndexOrName) {
    const auto kind = ParseStatisticKind(GetParam().text);
    if (GetParam().expected < 0) {
        EXPECT_FALSE(kind.has_value());
    } else {
        ASSERT_TRUE(kind.has_value());
        EXPECT_EQ(static_cast<int>(*kind), GetParam().expected);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cli, KindNames,
    ::testing::Values(KindNameCase{"Index0", "0", 0}, KindNameCase{"Index9", "9", 9},
                      KindNameCase{"Max", "max", 0}, KindNameCase{"Product", "product", 3},
                      KindNameCase{"Rms", "rms", 6}, KindNameCase{"Pstdev", "pstdev", 9},
                      KindNameCase{"Ten", "10", -1}, KindNameCase{"Minus", "-1", -1},
                      KindNameCase{"Upper", "MAX", -1}, KindNameCase{"Empty", "", -1},
                      KindNameCase{"PaddedIndex", "07", -1}),
    testing::RowName());

TEST(StatisticKindLabels, AreTheListEntriesInOrder) {
    const auto labels = StatisticKindLabels();
    ASSERT_EQ(labels.size(), 10u);
    EXPECT_EQ(labels[0], "最大数");
    EXPECT_EQ(labels[7], "n-1标准差");
    EXPECT_EQ(labels[9], "标准差");
}

}  // namespace
}  // namespace zentova
