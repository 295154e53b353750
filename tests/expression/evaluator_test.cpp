#include "expr/evaluator.h"

#include <gtest/gtest.h>

#include <string>

#include "support/table.h"

namespace zentova {
namespace {

constexpr AngleMode kRad = AngleMode::Radians;
constexpr AngleMode kDeg = AngleMode::Degrees;
constexpr AngleMode kCent = AngleMode::Centesimal;

// Rows compare the result-box text, which is what a user sees.
struct TextCase {
    const char* name;
    const char* text;
    AngleMode mode;
    const char* shown;
};

class EvaluateShows : public ::testing::TestWithParam<TextCase> {};

TEST_P(EvaluateShows, TheResultBoxText) {
    const TextCase& c = GetParam();
    EXPECT_EQ(FormatResult(Evaluate(c.text, c.mode)), c.shown) << c.text;
}

INSTANTIATE_TEST_SUITE_P(
    Priorities, EvaluateShows,
    ::testing::Values(TextCase{"TimesBeforePlus", "1+2*3", kRad, "7"},
                      TextCase{"Parentheses", "(1+2)*3", kRad, "9"},
                      TextCase{"PowerAssociatesLeft", "2^3^2", kRad, "64"},
                      TextCase{"UnaryMinusBelowPower", "-2^2", kRad, "-4"},
                      TextCase{"UnaryMinusAbovePlus", "-2+3", kRad, "1"},
                      TextCase{"UnaryMinusAfterParen", "2*(-3)", kRad, "-6"},
                      TextCase{"MinusChainsLeft", "10-2-3", kRad, "5"},
                      TextCase{"DivideChainsLeft", "8/4/2", kRad, "1"},
                      // "/" binds tighter than "*": a/b*c is (a/b)*c, a*b/c is a*(b/c).
                      TextCase{"DivideThenTimes", "8/4*2", kRad, "4"},
                      TextCase{"TimesOfAQuotient", "1e308*10/100", kRad, "1e+307"},
                      // "-" binds tighter than "+": a+b-c is a+(b-c).
                      TextCase{"PlusOfADifference", "1e308+1e308-1e308", kRad, "1e+308"},
                      TextCase{"DifferenceThenPlus", "1e308-1e308+1e308", kRad, "1e+308"},
                      TextCase{"FunctionBindsTightest", "sqrt(16)^2", kRad, "16"},
                      TextCase{"NestedFunctions", "sqrt(abs(-16))", kRad, "4"}),
    testing::RowName());

INSTANTIATE_TEST_SUITE_P(
    Numbers, EvaluateShows,
    ::testing::Values(TextCase{"ExponentWithMinus", "1.5e-3*2", kRad, "0.003"},
                      TextCase{"ExponentWithPlus", "1e+3", kRad, "1000"},
                      TextCase{"ThreeDigitExponent", "1e+006", kRad, "1000000"},
                      TextCase{"LeadingPoint", ".5*4", kRad, "2"},
                      TextCase{"TrailingBlankIgnored", "2 +1", kRad, "3"},
                      TextCase{"ZeroToTheZero", "0^0", kRad, "1"},
                      TextCase{"InfinityTurnedFinite", "1/log(1,2)", kRad, "0"},
                      TextCase{"NegativeZero", "-0", kRad, "-0"},
                      TextCase{"OneThird", "1/3", kRad, "0.333333333333333"}),
    testing::RowName());

INSTANTIATE_TEST_SUITE_P(
    Functions, EvaluateShows,
    ::testing::Values(
        TextCase{"SineRadians", "sin(30)", kRad, "-0.988031624092862"},
        TextCase{"SineDegrees", "sin(30)+2^3", kDeg, "8.5"},
        TextCase{"CosineDegrees", "cos(60)", kDeg, "0.5"},
        TextCase{"InverseIgnoresDegrees", "arcsin(1)", kDeg, "1.5707963267949"},
        TextCase{"InverseIgnoresCentesimal", "arcsin(1)", kCent, "1.5707963267949"},
        TextCase{"CotDegrees", "cot(45)", kDeg, "1"}, TextCase{"LogBase", "log(2,8)", kRad, "3"},
        TextCase{"CommonLog", "lg(1000)", kRad, "3"}, TextCase{"NaturalLog", "ln(1)", kRad, "0"},
        TextCase{"Gcd", "gcd(12,18)", kRad, "6"},
        TextCase{"GcdOfReals", "gcd(1.5,0.5)", kRad, "0.5"},
        TextCase{"GcdEqual", "gcd(7,7)", kRad, "7"}, TextCase{"Lcm", "lcm(4,6)", kRad, "12"},
        TextCase{"CompoundInterest", "ci(1000,0.1,2)", kRad, "1210"},
        TextCase{"ArccotNegative", "arccot(-1)", kRad, "2.35619449060255"},
        TextCase{"ArccotPositive", "arccot(1)", kRad, "0.785398163397448"},
        TextCase{"Floor", "floor(-2.5)", kRad, "-3"}, TextCase{"Ceil", "ceil(-2.5)", kRad, "-2"},
        TextCase{"Abs", "abs(-2.5)", kRad, "2.5"},
        TextCase{"Arctan", "arctan(1)*4", kRad, "3.14159265358979"},
        TextCase{"CentesimalWholeDegrees", "sin(30)", kCent, "0.5"}),
    testing::RowName());

// What is not read as a whole is refused rather than answered with part of
// it; "was" gives the value once shown.
INSTANTIATE_TEST_SUITE_P(
    NotReadIsRefused, EvaluateShows,
    ::testing::Values(TextCase{"LettersAfterANumber", "3abc", kRad, "表达式输入错误"},    // was 3
                      TextCase{"TwoPoints", "3.5.1", kRad, "表达式输入错误"},             // was 3.5
                      TextCase{"LettersInASum", "2+3abc", kRad, "表达式输入错误"},        // was 5
                      TextCase{"HexIsNotRead", "0x10", kRad, "表达式输入错误"},           // was 0
                      TextCase{"UpperCaseExponentSign", "1E-3", kRad, "表达式输入错误"},  // was -2
                      TextCase{"NumberBeforeSum", "2(3+4)", kRad, "表达式输入错误"},      // was 2
                      TextCase{"BlankInsideANumber", "1 2", kRad, "表达式输入错误"},      // was 1
                      // Two values left on the stack would meet the "+": 5.
                      TextCase{"OperatorAfterTwoNumbers", "2 3+", kRad, "表达式输入错误"},
                      TextCase{"ExtraArgumentThenPlus", "sin(1,2)+", kRad, "表达式输入错误"},
                      TextCase{"ExtraArgument", "sin(1,2)", kRad, "表达式输入错误"},  // was 1
                      TextCase{"CommaOutsideACall", "(1,2)", kRad, "表达式输入错误"}),
    testing::RowName());

// Neighbours that keep their values; blanks between tokens are ignored.
INSTANTIATE_TEST_SUITE_P(
    StillRead, EvaluateShows,
    ::testing::Values(TextCase{"Exponent", "3e2", kRad, "300"},
                      TextCase{"PastedWithBlanks", "12.5 + 3 *2", kRad, "18.5"},
                      // A leading blank used to start a run that was no number.
                      TextCase{"LeadingBlank", " -2^2", kRad, "-4"},
                      TextCase{"UnaryMinusBeforeBlank", "( - 3)*2", kRad, "-6"},
                      TextCase{"TabsAndLineBreak", "\t1+1\r\n", kRad, "2"},
                      TextCase{"BlanksInACall", "log (2 , 8)", kRad, "3"}),
    testing::RowName());

struct StatusCase {
    const char* name;
    std::string text;
    EvalStatus status;
};

class EvaluateFails : public ::testing::TestWithParam<StatusCase> {};

TEST_P(EvaluateFails, WithTheStatus) {
    const StatusCase& c = GetParam();
    EXPECT_EQ(Evaluate(c.text, kRad).status, c.status) << c.text;
}

INSTANTIATE_TEST_SUITE_P(
    Statuses, EvaluateFails,
    ::testing::Values(StatusCase{"DivideByZero", "1/0", EvalStatus::DivideByZero},
                      StatusCase{"DivideByComputedZero", "1/(2-2)", EvalStatus::DivideByZero},
                      StatusCase{"DivideByNaN", "1/(0*10^400)", EvalStatus::DivideByZero},
                      StatusCase{"SqrtNegative", "sqrt(-1)", EvalStatus::Meaningless},
                      StatusCase{"SqrtNaN", "sqrt(0*10^400)", EvalStatus::Meaningless},
                      StatusCase{"CotZero", "cot(0)", EvalStatus::Meaningless},
                      StatusCase{"ArccotZero", "arccot(0)", EvalStatus::Meaningless},
                      StatusCase{"LnZero", "ln(0)", EvalStatus::Meaningless},
                      StatusCase{"LgNegative", "lg(-1)", EvalStatus::Meaningless},
                      StatusCase{"LogOneArgument", "log(8)", EvalStatus::InputError},
                      StatusCase{"LogNegativeBase", "log(-2,8)", EvalStatus::Meaningless},
                      StatusCase{"GcdZero", "gcd(0,5)", EvalStatus::Meaningless},
                      StatusCase{"LcmNegative", "lcm(4,0-6)", EvalStatus::Meaningless},
                      StatusCase{"GcdOfInfinityEnds", "gcd(10^400,2)", EvalStatus::Meaningless},
                      StatusCase{"CiFractionalPeriods", "ci(1000,0.1,2.5)",
                                 EvalStatus::Meaningless},
                      StatusCase{"CiZeroPeriods", "ci(1000,0.1,0)", EvalStatus::Meaningless},
                      StatusCase{"CiTestsPeriodsBeforeCount", "ci(0)", EvalStatus::Meaningless},
                      StatusCase{"CiTooFewOperands", "ci(1000,2)", EvalStatus::InputError},
                      StatusCase{"OverflowToInfinity", "10^400", EvalStatus::Meaningless},
                      StatusCase{"ArcsinOutOfDomain", "arcsin(2)", EvalStatus::Meaningless},
                      StatusCase{"SubnormalResult", "1e-310", EvalStatus::Meaningless},
                      StatusCase{"NegativeBaseFraction", "(-8)^(1/3)", EvalStatus::Meaningless},
                      StatusCase{"MissingClose", "(1+2", EvalStatus::UnbalancedParentheses},
                      StatusCase{"MissingOpen", "1+2)", EvalStatus::UnbalancedParentheses},
                      StatusCase{"CountBeforeReading", "abc(", EvalStatus::UnbalancedParentheses},
                      StatusCase{"CloseBeforeOpen", ")1+2(", EvalStatus::InputError},
                      StatusCase{"MinusAfterOperator", "2*-3", EvalStatus::InputError},
                      StatusCase{"MinusAfterComma", "log(2,-8)", EvalStatus::InputError},
                      StatusCase{"PowerOfMinus", "2^-1", EvalStatus::InputError},
                      StatusCase{"UnknownName", "abc", EvalStatus::InputError},
                      StatusCase{"VariableX", "x+1", EvalStatus::InputError},
                      StatusCase{"NoConstantPi", "pi*2", EvalStatus::InputError},
                      StatusCase{"TrailingFunctionName", "2*sin", EvalStatus::InputError},
                      StatusCase{"UnaryPlus", "+3", EvalStatus::InputError},
                      StatusCase{"UnaryPlusInParens", "(+3)", EvalStatus::InputError},
                      StatusCase{"UpperCaseName", "SIN(1)", EvalStatus::InputError},
                      StatusCase{"NoArgumentList", "sin-1", EvalStatus::InputError},
                      StatusCase{"BlankBeforeArgument", "sin 1", EvalStatus::InputError},
                      StatusCase{"ReadingBeforeRunning", "1/0+abc", EvalStatus::InputError},
                      StatusCase{"Empty", "", EvalStatus::InputError},
                      StatusCase{"EmptyParentheses", "()", EvalStatus::InputError},
                      StatusCase{"LoneComma", ",", EvalStatus::InputError},
                      StatusCase{"LonePoint", ".", EvalStatus::InputError},
                      StatusCase{"LoneE", "e", EvalStatus::InputError}),
    testing::RowName());

TEST(Evaluate, CentesimalReadsTheWholeFraction) {
    // 30.15 is 30 degrees and 15 hundredths: 30.25 degrees.
    EXPECT_NEAR(Evaluate("sin(30.15)", kCent).value, Evaluate("sin(30.25)", kDeg).value, 1e-13);
    EXPECT_NEAR(Evaluate("sin(30.1530)", kCent).value,
                Evaluate("sin(30.2633333333333)", kDeg).value, 1e-13);
}

TEST(Evaluate, UnknownAngleModesReadRadians) {
    EXPECT_EQ(Evaluate("sin(30)", static_cast<AngleMode>(7)).value,
              Evaluate("sin(30)", kRad).value);
}

TEST(Evaluate, LengthLimitIs1023Characters) {
    std::string sum = "1";
    while (sum.size() < kMaxExpressionLength)
        sum += "+1";
    ASSERT_EQ(sum.size(), 1023u);
    EXPECT_EQ(FormatResult(Evaluate(sum, kRad)), "512");
    EXPECT_EQ(Evaluate(sum + "0", kRad).status, EvalStatus::InputError);
}

TEST(Evaluate, FullBuffersOfOperatorsAndValues) {
    // 511 nested parentheses around a number fill the operator stack; a long
    // list of unary minus signs does too; a long argument list fills the values.
    const std::string nested = std::string(511, '(') + "1" + std::string(511, ')');
    EXPECT_EQ(FormatResult(Evaluate(nested, kRad)), "1");
    std::string negations;
    while (negations.size() / 2 * 3 + 4 <= kMaxExpressionLength)
        negations += "(-";
    const std::size_t opened = negations.size() / 2;
    negations.push_back('2');
    negations.append(opened, ')');
    ASSERT_LE(negations.size(), kMaxExpressionLength);
    EXPECT_EQ(Evaluate(negations, kRad).status, EvalStatus::Ok);
    // A long argument list used to fill the values, but a function now takes
    // no more arguments than it has; operands waiting for their parentheses
    // fill them instead.
    std::string waiting;
    while (waiting.size() + 3 + 1 + waiting.size() / 3 + 1 <= kMaxExpressionLength)
        waiting += "1+(";
    const std::size_t waits = waiting.size() / 3;
    waiting.push_back('1');
    waiting.append(waits, ')');
    ASSERT_LE(waiting.size(), kMaxExpressionLength);
    EXPECT_EQ(FormatResult(Evaluate(waiting, kRad)), std::to_string(waits + 1));
}

TEST(Evaluate, TextEndsAtZeroByte) {
    EXPECT_EQ(FormatResult(Evaluate(std::string("1+2\0abc", 7), kRad)), "3");
}

TEST(FormatResult, StatusTexts) {
    struct Row {
        EvalStatus status;
        const char* text;
    };
    const Row rows[] = {
        {EvalStatus::InputError, "表达式输入错误"},
        {EvalStatus::DivideByZero, "除数为零错误"},
        {EvalStatus::Meaningless, "运算结果无意义"},
        {EvalStatus::UnbalancedParentheses, "左右括号不匹配"},
        {EvalStatus::IntegralMeaningless, "所求的定积分在指定精度和深度下无意义"},
        {EvalStatus::DerivativeMeaningless, "所求的微分在指定精度和深度下无意义"},
        // Codes missing from the table are shown as values.
        {static_cast<EvalStatus>(3), "2.5"},
        {static_cast<EvalStatus>(200), "2.5"},
        {EvalStatus::Ok, "2.5"},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(FormatResult({2.5, row.status}), row.text) << static_cast<int>(row.status);
    }
}

}  // namespace
}  // namespace zentova
