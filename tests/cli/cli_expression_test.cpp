#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/cli_runner.h"
#include "support/table.h"

namespace zentova::testing {
namespace {

constexpr const char* kAnyMessage = nullptr;  // some message of our own wording

class Cli : public ::testing::TestWithParam<CliCase> {};

TEST_P(Cli, PrintsAndExitsAsAgreed) {
    ExpectCase(GetParam());
}

INSTANTIATE_TEST_SUITE_P(
    Eval, Cli,
    ::testing::Values(
        CliCase{"Degrees", {"eval", "--angle", "deg", "sin(30)+2^3"}, "", 0, "8.5\n", ""},
        CliCase{"DefaultRadians", {"eval", "sin(30)"}, "", 0, "-0.988031624092862\n", ""},
        CliCase{"Centesimal", {"eval", "--angle", "cent", "sin(30)"}, "", 0, "0.5\n", ""},
        CliCase{"FailureOnStandardOutput", {"eval", "1/0"}, "", 1, "除数为零错误\n", ""},
        CliCase{"LowerCased", {"eval", "SIN(0)"}, "", 0, "0\n", ""},
        CliCase{"RawKeepsCase", {"eval", "--raw", "SIN(0)"}, "", 1, "表达式输入错误\n", ""},
        CliCase{
            "SeveralOneFailing", {"eval", "1+1", "(1", "2*3"}, "", 1, "2\n左右括号不匹配\n6\n", ""},
        CliCase{
            "LinesFromInput", {"eval"}, "1+2\r\n\nabc\n2^10", 1, "3\n\n表达式输入错误\n1024\n", ""},
        CliCase{"LeadingMinusAfterDashes", {"eval", "--", "-2^2"}, "", 0, "-4\n", ""},
        CliCase{"LeadingMinusWithoutDashes", {"eval", "-2+3"}, "", 0, "1\n", ""},
        CliCase{"TooLongRefused", {"eval", std::string(1024, '1')}, "", 2, "", kAnyMessage},
        CliCase{"LongestAccepted",
                {"eval", "1" + std::string(1022, '0')},
                "",
                1,
                "运算结果无意义\n",
                ""},
        CliCase{"UnknownAngle", {"eval", "--angle", "grad", "1"}, "", 2, "", kAnyMessage}),
    RowName());

INSTANTIATE_TEST_SUITE_P(
    Calculus, Cli,
    ::testing::Values(
        CliCase{"Integral",
                {"integrate", "--lower", "0", "--upper", "1", "x^2"},
                "",
                0,
                "0.333333333333333\n",
                ""},
        CliCase{"NegativeLimit",
                {"integrate", "--lower", "-1", "--upper", "1", "1/x"},
                "",
                1,
                "除数为零错误\n",
                ""},
        CliCase{"EqualsForm",
                {"integrate", "--lower=-1", "--upper=0", "x^2"},
                "",
                0,
                "0.333333333333333\n",
                ""},
        CliCase{"DefaultLimitsAreZero", {"integrate", "x"}, "", 0, "0\n", ""},
        CliCase{"DepthOne",
                {"integrate", "--upper", "1", "--depth", "1", "x"},
                "",
                1,
                "所求的定积分在指定精度和深度下无意义\n",
                ""},
        CliCase{"PrecisionRefused",
                {"integrate", "--precision", "0", "--depth", "0", "x"},
                "",
                2,
                "",
                "精度值必须为正数\n"},
        CliCase{
            "DepthRefused", {"integrate", "--depth", "0", "x"}, "", 2, "", "深度值必须为正整数\n"},
        CliCase{"DepthNotAnInteger", {"integrate", "--depth", "1.5", "x"}, "", 2, "", kAnyMessage},
        CliCase{"LowerNotANumber", {"integrate", "--lower", "1x", "x"}, "", 2, "", kAnyMessage},
        CliCase{"EmptyFunctionEvaluated", {"integrate", ""}, "", 1, "表达式输入错误\n", ""},
        CliCase{"MissingFunction", {"integrate"}, "", 2, "", kAnyMessage},
        CliCase{"Derivative",
                {"derive", "--point", "1", "--precision", "10", "x^3"},
                "",
                0,
                "3.00010000000001\n",
                ""},
        CliCase{"DerivativeNegativeStep",
                {"derive", "--point", "1", "--step", "-0.01", "x^3"},
                "",
                0,
                "3.00002499999996\n",
                ""},
        CliCase{"DerivativeZeroStep",
                {"derive", "--step", "0", "x^2"},
                "",
                1,
                "所求的微分在指定精度和深度下无意义\n",
                ""},
        CliCase{"DerivativePrecisionRefused",
                {"derive", "--precision", "-1", "x"},
                "",
                2,
                "",
                "精度值必须为正数\n"}),
    RowName());

INSTANTIATE_TEST_SUITE_P(
    Series, Cli,
    ::testing::Values(
        CliCase{"Sum", {"sum", "--start", "1", "--end", "100", "x"}, "", 0, "5050\n", ""},
        CliCase{"Product", {"product", "--start", "1", "--end", "10", "x"}, "", 0, "3628800\n", ""},
        CliCase{"DefaultsOneTermAtZero", {"sum", "x+1"}, "", 0, "1\n", ""},
        CliCase{
            "StartAboveEnd", {"product", "--start", "5", "--end", "1", "abc"}, "", 0, "1\n", ""},
        CliCase{"NegativeStepAboveEnd",
                {"sum", "--start", "5", "--end", "1", "--step", "-1", "x"},
                "",
                0,
                "0\n",
                ""},
        CliCase{"NegativeFunctionAfterDashes",
                {"sum", "--start", "-1", "--end", "1", "--", "-x"},
                "",
                0,
                "0\n",
                ""},
        CliCase{"Overflow",
                {"product", "--start", "1", "--end", "200", "x"},
                "",
                1,
                "运算结果无意义\n",
                ""},
        CliCase{"EmptyFunctionRefused", {"sum", ""}, "", 2, "", "请输入表达式\n"},
        CliCase{
            "ZeroStepRefused", {"sum", "--end", "1", "--step", "0", "x"}, "", 2, "", kAnyMessage},
        CliCase{"NegativeStepRefused",
                {"sum", "--end", "1", "--step", "-0.01", "x"},
                "",
                2,
                "",
                kAnyMessage},
        CliCase{"VanishingStepRefused",
                {"sum", "--start", "1e16", "--end", "2e16", "x"},
                "",
                2,
                "",
                kAnyMessage},
        CliCase{"InfiniteEndRefused", {"product", "--end", "inf", "x"}, "", 2, "", kAnyMessage},
        CliCase{"NaNRefused", {"sum", "--start", "nan", "x"}, "", 2, "", kAnyMessage}),
    RowName());

INSTANTIATE_TEST_SUITE_P(
    Params, Cli,
    ::testing::Values(
        CliCase{"MixedSeparators", {"params", "a*b+c", "1, 2，3"}, "", 0, "5\n", ""},
        CliCase{"NegativeValue", {"params", "a^2", "-2"}, "", 0, "4\n", ""},
        CliCase{"Failure", {"params", "a/b", "1 0"}, "", 1, "除数为零错误\n", ""},
        CliCase{"EmptyValuesRefused", {"params", "a", ""}, "", 2, "", "请输入参数表\n"},
        CliCase{"EmptyExpressionRefused", {"params", "", "1"}, "", 2, "", "请输入表达式\n"}),
    RowName());

INSTANTIATE_TEST_SUITE_P(
    Usage, Cli,
    ::testing::Values(CliCase{"NoSubcommand", {}, "", 2, "", kAnyMessage},
                      CliCase{"UnknownSubcommand", {"frobnicate"}, "", 2, "", kAnyMessage}),
    RowName());

TEST(CliUsage, HelpAndVersionSucceed) {
    for (const std::vector<std::string>& args : {std::vector<std::string>{"--help"},
                                                 {"--version"},
                                                 {"eval", "--help"},
                                                 {"integrate", "--help"}}) {
        const CliRun run = RunCli(args);
        EXPECT_EQ(run.exitCode, 0) << args.front();
        EXPECT_FALSE(run.out.empty()) << args.front();
    }
}

}  // namespace
}  // namespace zentova::testing
