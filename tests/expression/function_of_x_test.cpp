#include "expr/function_of_x.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <random>
#include <string>
#include <vector>

#include "support/stop_timing.h"
#include "support/table.h"

namespace zentova {
namespace {

FunctionOfX WithText(const char* text) {
    FunctionOfX f;
    f.SetFunctionText(text);
    return f;
}

// A control must not change a single bit of what a computation gives.
void ExpectSameBits(const EvalResult& controlled, const EvalResult& plain) {
    EXPECT_EQ(controlled.status, plain.status);
    EXPECT_EQ(std::bit_cast<std::uint64_t>(controlled.value),
              std::bit_cast<std::uint64_t>(plain.value));
}

TEST(EvaluateAtX, CutsXToSixSignificantDigits) {
    FunctionOfX f = WithText("x");
    EXPECT_EQ(f.EvaluateAtX(0.1234567), 0.123457);
    EXPECT_EQ(f.EvaluateAtX(1234567), 1234570);
    EXPECT_EQ(f.EvaluateAtX(-1.5), -1.5);
    EXPECT_EQ(f.EvaluateAtX(1e-5), 1e-5);
    EXPECT_FALSE(f.EvalFailed());
}

TEST(EvaluateAtX, SubstitutesEveryLowerCaseX) {
    // "sinx" works because the substitution brings its parentheses along.
    EXPECT_EQ(WithText("x^2+sinx").EvaluateAtX(2), 4 + std::sin(2.0));
    EXPECT_EQ(WithText("-x^2").EvaluateAtX(-3), -9);
}

TEST(EvaluateAtX, FailureRaisesTheFlagAndReturnsZero) {
    FunctionOfX f = WithText("x/0");
    EXPECT_EQ(f.EvaluateAtX(2), 0.0);
    EXPECT_TRUE(f.EvalFailed());
    EXPECT_EQ(f.EvalFailCode(), EvalStatus::DivideByZero);
    // A later success leaves the flag alone.
    f.SetFunctionText("x");
    EXPECT_EQ(f.EvaluateAtX(3), 3);
    EXPECT_TRUE(f.EvalFailed());
    EXPECT_EQ(f.EvalFailCode(), EvalStatus::DivideByZero);
}

TEST(EvaluateAtX, UpperCaseXIsNotTheVariable) {
    FunctionOfX f = WithText("X+1");
    f.EvaluateAtX(1);
    EXPECT_EQ(f.EvalFailCode(), EvalStatus::InputError);
}

TEST(EvaluateAtX, SubstitutedTextOverTheLimitIsAnInputError) {
    // 200 x's fit as typed, but not once each becomes "(-0.333333)".
    std::string text = "x";
    for (int i = 0; i < 199; ++i)
        text += "+x";
    FunctionOfX f;
    f.SetFunctionText(text);
    EXPECT_EQ(f.EvaluateAtX(1), 200);
    EXPECT_FALSE(f.EvalFailed());
    EXPECT_EQ(f.EvaluateAtX(-1.0 / 3), 0.0);
    EXPECT_TRUE(f.EvalFailed());
    EXPECT_EQ(f.EvalFailCode(), EvalStatus::InputError);
}

// The substitution formats with to_chars; it must write exactly what "%g"
// writes, or every integral and sum would shift.
TEST(EvaluateAtX, SubstitutionMatchesPrintfG) {
    std::mt19937_64 random(20261207);
    std::uniform_real_distribution<double> mantissa(-10, 10);
    std::uniform_int_distribution<int> exponent(-320, 308);
    FunctionOfX f = WithText("x");
    for (int i = 0; i < 20000; ++i) {
        const double x = mantissa(random) * std::pow(10.0, exponent(random) / 10 * (i % 3));
        char printed[64];
        std::snprintf(printed, sizeof printed, "%g", x);
        const EvalResult literal = Evaluate(std::string("(") + printed + ")", AngleMode::Radians);
        f.SetEvalFailed(false);
        const double value = f.EvaluateAtX(x);
        ASSERT_EQ(f.EvalFailed(), !literal.ok()) << printed;
        if (literal.ok()) {
            ASSERT_EQ(value, literal.value) << printed;
        }
    }
}

struct ParameterCase {
    const char* name;
    const char* text;
    std::vector<double> values;
    const char* shown;
};

class Parameters : public ::testing::TestWithParam<ParameterCase> {};

TEST_P(Parameters, AreSubstitutedInAlphabeticalOrder) {
    const ParameterCase& c = GetParam();
    EXPECT_EQ(FormatResult(WithText(c.text).EvaluateWithParameters(c.values)), c.shown);
}

INSTANTIATE_TEST_SUITE_P(
    Letters, Parameters,
    ::testing::Values(ParameterCase{"AlphabeticalNotTextOrder", "a*x+b", {2, 3, 4}, "11"},
                      ParameterCase{"FunctionLettersAreNotParameters", "sin(a)", {0}, "0"},
                      ParameterCase{"NegativeValueInParentheses", "a^2", {-2}, "4"},
                      ParameterCase{"CaseFolded", "A+a", {5}, "10"},
                      ParameterCase{"XIsAParameterToo", "sin(x)", {0}, "0"},
                      ParameterCase{"SurplusIgnored", "a", {1, 2, 3}, "1"},
                      ParameterCase{"MissingCountAsZero", "a+b+c", {1}, "1"},
                      ParameterCase{"SixDigits", "a", {1.23456789}, "1.23457"},
                      ParameterCase{"BlanksAroundParameters", "a * b", {2, 3}, "6"},
                      // "e" between digits stands alone, so it is a parameter here:
                      // the text becomes 2(5)-3. That used to show 2, the first
                      // of the values left on the stack; a number directly before
                      // a parenthesis is now refused.
                      ParameterCase{"ExponentLetterIsAParameter", "2e-3", {5}, "表达式输入错误"},
                      ParameterCase{"NoParameters", "1+1", {}, "2"},
                      ParameterCase{"FailureIsAStatus", "a/b", {1, 0}, "除数为零错误"}),
    testing::RowName());

TEST(Parameters, SubstitutedTextOverTheLimitIsAnInputError) {
    std::string text = "a";
    for (int i = 0; i < 199; ++i)
        text += "+a";
    const double value = -1.0 / 3;
    EXPECT_EQ(WithText(text.c_str()).EvaluateWithParameters({&value, 1}).status,
              EvalStatus::InputError);
}

struct IntegralCase {
    const char* name;
    const char* text;
    double a, b, precision;
    int depth;
    const char* shown;
};

class IntegralTable : public ::testing::TestWithParam<IntegralCase> {};

TEST_P(IntegralTable, Shows) {
    const IntegralCase& c = GetParam();
    FunctionOfX f = WithText(c.text);
    const EvalResult plain = f.DefiniteIntegral(c.a, c.b, c.precision, c.depth);
    EXPECT_EQ(FormatResult(plain), c.shown);
    TaskControl control;
    ExpectSameBits(WithText(c.text).DefiniteIntegral(c.a, c.b, c.precision, c.depth, &control),
                   plain);
    EXPECT_EQ(control.Fraction(), 1.0);
}

INSTANTIATE_TEST_SUITE_P(
    Romberg, IntegralTable,
    ::testing::Values(
        IntegralCase{"Square", "x^2", 0, 1, 1e-4, 10, "0.333333333333333"},
        IntegralCase{"ReversedLimitsNegate", "x^2", 1, 0, 1e-4, 10, "-0.333333333333333"},
        IntegralCase{"EqualLimits", "x^2", 2, 2, 1e-4, 10, "0"},
        IntegralCase{"DepthOne", "x^2", 0, 1, 1e-4, 1, "所求的定积分在指定精度和深度下无意义"},
        IntegralCase{"EndPointFailsBeforeDepth", "1/x", 0, 1, 1e-4, 1, "除数为零错误"},
        IntegralCase{"FailedMidpointInAMetPass", "1/x", -1, 1, 1e-4, 10, "除数为零错误"},
        IntegralCase{"FailedMidpointInAMissedPass", "1/(x-0.25)", 0, 1, 1e-4, 10,
                     "所求的定积分在指定精度和深度下无意义"},
        IntegralCase{"NeverPrecise", "x^9", 0, 1, 1e-300, 5,
                     "所求的定积分在指定精度和深度下无意义"},
        IntegralCase{"UpperCaseX", "X^2", 0, 1, 1e-4, 10, "表达式输入错误"},
        // Six-digit abscissae leave noise that a tight precision never passes.
        IntegralCase{"SixDigitNoise", "sin(x)", 0, 3.14159265358979, 1e-10, 16,
                     "所求的定积分在指定精度和深度下无意义"}),
    testing::RowName());

TEST(Integral, ClearsTheFlagButKeepsTheCode) {
    FunctionOfX f = WithText("x");
    f.SetEvalFailed(true);
    f.SetEvalFailCode(EvalStatus::DivideByZero);
    EXPECT_TRUE(f.DefiniteIntegral(0, 1, 1e-4, 10).ok());
    EXPECT_FALSE(f.EvalFailed());
    EXPECT_EQ(f.EvalFailCode(), EvalStatus::DivideByZero);
}

struct DerivativeCase {
    const char* name;
    const char* text;
    double x0, h0, precision;
    int depth;
    const char* shown;
};

class DerivativeTable : public ::testing::TestWithParam<DerivativeCase> {};

TEST_P(DerivativeTable, Shows) {
    const DerivativeCase& c = GetParam();
    FunctionOfX f = WithText(c.text);
    const EvalResult plain = f.Derivative(c.x0, c.h0, c.precision, c.depth);
    EXPECT_EQ(FormatResult(plain), c.shown);
    TaskControl control;
    ExpectSameBits(WithText(c.text).Derivative(c.x0, c.h0, c.precision, c.depth, &control), plain);
    EXPECT_EQ(control.Fraction(), c.depth > 0 ? 1.0 : 0.0);
}

INSTANTIATE_TEST_SUITE_P(
    CentralDifferences, DerivativeTable,
    ::testing::Values(
        DerivativeCase{"StationaryPointAtOnce", "x^2", 0, 0.01, 1e-4, 10, "0"},
        DerivativeCase{"CoarsePrecisionFirstEstimate", "x^3", 1, 0.01, 10, 10, "3.00010000000001"},
        DerivativeCase{"SecondEstimate", "x^3", 1, 0.01, 1e-4, 10, "3.00002499999996"},
        DerivativeCase{"NegativeStepSameAsPositive", "x^3", 1, -0.01, 1e-4, 10, "3.00002499999996"},
        DerivativeCase{"ZeroStepIsNaN", "x^2", 1, 0, 1e-4, 10,
                       "所求的微分在指定精度和深度下无意义"},
        DerivativeCase{"DepthZero", "x^2", 1, 0.01, 1e-4, 0, "所求的微分在指定精度和深度下无意义"},
        DerivativeCase{"NeverPrecise", "x^3", 1, 0.01, 1e-300, 3,
                       "所求的微分在指定精度和深度下无意义"},
        // A failed point is reported with its own status at the next pass.
        DerivativeCase{"FailedPointNextPass", "ln(x)", 0, 0.01, 1e-4, 10, "运算结果无意义"},
        DerivativeCase{"SixDigitsDominate", "x", 1, 1e-7, 1e-4, 10, "0"}),
    testing::RowName());

struct SeriesCase {
    const char* name;
    const char* text;
    double start, end, step;
    char op;
    const char* shown;
};

class SeriesTable : public ::testing::TestWithParam<SeriesCase> {};

TEST_P(SeriesTable, Shows) {
    const SeriesCase& c = GetParam();
    FunctionOfX f = WithText(c.text);
    const EvalResult plain = f.SeriesAccumulate(c.start, c.end, c.step, c.op);
    EXPECT_EQ(FormatResult(plain), c.shown);
    TaskControl control;
    ExpectSameBits(WithText(c.text).SeriesAccumulate(c.start, c.end, c.step, c.op, &control),
                   plain);
}

INSTANTIATE_TEST_SUITE_P(
    SumsAndProducts, SeriesTable,
    ::testing::Values(SeriesCase{"SumToHundred", "x", 1, 100, 1, '+', "5050"},
                      SeriesCase{"Factorial", "x", 1, 10, 1, '*', "3628800"},
                      SeriesCase{"EmptySumNeverEvaluates", "abc", 5, 1, 1, '+', "0"},
                      SeriesCase{"EmptyProductNeverEvaluates", "abc", 5, 1, 1, '*', "1"},
                      SeriesCase{"OneTerm", "x", 5, 5, 1, '+', "5"},
                      SeriesCase{"RunningXOvershoots", "1", 0, 0.3, 0.1, '+', "3"},
                      SeriesCase{"ElevenTenths", "1", 0, 1, 0.1, '+', "11"},
                      SeriesCase{"LastTenthWrittenAsOne", "x", 0, 1, 0.1, '*', "0"},
                      SeriesCase{"SixDigitTerm", "x", 1234567, 1234567, 1, '+', "1234570"},
                      SeriesCase{"ProductHitsZeroDivisor", "1/x", -1, 1, 1, '*', "除数为零错误"},
                      SeriesCase{"ProductOverflows", "x", 1, 200, 1, '*', "运算结果无意义"},
                      SeriesCase{"MalformedTerm", "X", 1, 3, 1, '+', "表达式输入错误"},
                      SeriesCase{"AnyOtherOpIsAProduct", "x", 1, 4, 1, '/', "24"},
                      SeriesCase{"NegativeStepAboveEnd", "x", 5, 1, -1, '+', "0"},
                      // Ranges that could never end are not run at all.
                      SeriesCase{"ZeroStep", "x", 0, 1, 0, '+', "运算结果无意义"},
                      SeriesCase{"NegativeStep", "x", 0, 1, -1, '+', "运算结果无意义"},
                      SeriesCase{"VanishingStep", "x", 1e16, 1e17, 1, '+', "运算结果无意义"},
                      SeriesCase{"InfiniteEnd", "x", 0, INFINITY, 1, '+', "运算结果无意义"},
                      SeriesCase{"NaNStart", "x", NAN, 1, 1, '+', "运算结果无意义"}),
    testing::RowName());

struct RangeCase {
    const char* name;
    double start, end, step;
    bool ends;
};

class SeriesRange : public ::testing::TestWithParam<RangeCase> {};

TEST_P(SeriesRange, IsRefusedOnlyWhenItCouldNeverEnd) {
    const RangeCase& c = GetParam();
    EXPECT_EQ(SeriesRangeProblem(c.start, c.end, c.step).empty(), c.ends);
}

INSTANTIATE_TEST_SUITE_P(
    Ranges, SeriesRange,
    ::testing::Values(RangeCase{"Ordinary", 0, 10, 1, true},
                      RangeCase{"StartAboveEndAnyStep", 5, 1, NAN, true},
                      RangeCase{"StartAboveNegativeInfinity", 0, -INFINITY, 1, true},
                      RangeCase{"ZeroStep", 0, 1, 0, false},
                      RangeCase{"NegativeStep", 0, 1, -1, false},
                      RangeCase{"NaNStep", 0, 1, NAN, false}, RangeCase{"NaNEnd", 0, NAN, 1, false},
                      RangeCase{"InfiniteEnd", 0, INFINITY, 1, false},
                      RangeCase{"InfiniteStart", -INFINITY, 0, 1, false},
                      RangeCase{"StepBelowSpacing", 0, 1e16, 1, false},
                      RangeCase{"StepAtSpacing", 0, 1e15, 0.125, true},
                      RangeCase{"NegativeRange", -1e16, -1e16 + 4, 2, true}),
    testing::RowName());

TEST(WorkSize, CountsTheMostEvaluations) {
    EXPECT_EQ(IntegralEvaluations(10) + DerivativeEvaluations(10), 533u);
    EXPECT_EQ(SeriesTermCount(1, 100, 1), 100u);
    EXPECT_EQ(SeriesTermCount(0, 1, -0.5) & IntegralEvaluations(65), ~std::uint64_t{0});
}

TEST(Stop, EndsComputationsOfMinutesPromptly) {
    FunctionOfX f = WithText("x*sin(x)");
    EXPECT_TRUE(
        testing::StopsPromptly([&](TaskControl& c) { f.DefiniteIntegral(0, 1, 0, 30, &c); }));
    for (const char op : {'+', '*'}) {
        EXPECT_TRUE(
            testing::StopsPromptly([&](TaskControl& c) { f.SeriesAccumulate(1, 1e9, 1, op, &c); }));
    }
}

}  // namespace
}  // namespace zentova
