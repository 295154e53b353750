#include "exprtools/expression_tools.h"

#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <string>
#include <vector>

#include "support/table.h"

namespace zentova {
namespace {

struct SplitCase {
    const char* name;
    const char* text;
    std::vector<double> values;
    const char* notNumber = "";  // the token that ends the reading
};

class SplitParameters : public ::testing::TestWithParam<SplitCase> {};

TEST_P(SplitParameters, CutsAtCommasAndBlanks) {
    std::optional<NotNumberToken> notNumber;
    EXPECT_EQ(SplitParameterValues(GetParam().text, &notNumber), GetParam().values);
    EXPECT_EQ(notNumber.has_value() ? std::string(notNumber->token) : "", GetParam().notNumber);
}

// Rows in which a word read as 0 or a prefix as its number now end at that
// token, which is named.
INSTANTIATE_TEST_SUITE_P(
    Separators, SplitParameters,
    ::testing::Values(SplitCase{"MixedSeparators", "1, 2，3", {1, 2, 3}},
                      SplitCase{"Blanks", "1 2 3", {1, 2, 3}},
                      SplitCase{"RunsOfSeparators", ",, 1 ,，,2,,", {1, 2}},
                      SplitCase{"WordIsNoNumber", "abc,2", {}, "abc"},
                      SplitCase{"NumberPrefixIsNoNumber", "2.5kg", {}, "2.5kg"},
                      SplitCase{"Negative", "-2", {-2}}, SplitCase{"OnlySeparators", " ,，", {}},
                      SplitCase{"LineBreakIsNoSeparator", "1\n2 3", {}, "1\n2"},
                      SplitCase{"TabAndIdeographicSpace", "1\t2　3", {1, 2, 3}},
                      SplitCase{"DecimalOnly", "1e2 inf 0x10", {100}, "inf"},
                      SplitCase{"Empty", "", {}}),
    testing::RowName());

TEST(SplitParameters, KeepsAtMostFiftyValues) {
    std::string text;
    for (int i = 0; i < 60; ++i)
        text += std::to_string(i) + ",";
    const std::vector<double> values = SplitParameterValues(text);
    ASSERT_EQ(values.size(), kMaxParameterValues);
    EXPECT_EQ(values.back(), 49);
}

TEST(ComputeWithParameters, ResultsAndRefusal) {
    FunctionOfX f;
    const Outcome five = ComputeWithParameters(f, "a*b+c", "1, 2，3");
    EXPECT_EQ(five.kind, Outcome::Kind::Value);
    EXPECT_EQ(five.text, "5");
    const Outcome failed = ComputeWithParameters(f, "a/b", "1 0");
    EXPECT_EQ(failed.kind, Outcome::Kind::Failure);
    EXPECT_EQ(failed.text, "除数为零错误");
    const Outcome refused = ComputeWithParameters(f, "a", "");
    EXPECT_TRUE(refused.refused());
    EXPECT_EQ(refused.text, "请输入参数表");
    // 1/2 read as 1 and gave 4.12310562561766.
    f.SetFunctionText("before");
    const Outcome fraction = ComputeWithParameters(f, "sqrt(a^2+b^2)", "1/2 4");
    EXPECT_TRUE(fraction.refused());
    EXPECT_EQ(fraction.text, "第 1 个参数“1/2”不是数字。");
    EXPECT_EQ(f.CurrentFunction(), "before");
}

TEST(History, PrefixRuleIgnoresCase) {
    const std::vector<std::string> history = {"sin(30)+2^3", "1+1"};
    struct Row {
        const char* text;
        bool found;
    };
    for (const Row& row : {Row{"sin(30)", true}, Row{"SIN(30)+2", true}, Row{"1+1", true},
                           Row{"sin(31)", false}, Row{"1+1+1", false}, Row{"2", false}}) {
        EXPECT_EQ(HistoryHasPrefix(history, row.text), row.found) << row.text;
    }
    EXPECT_FALSE(HistoryHasPrefix({}, "1"));
}

TEST(Calculator, LowerCasesTheTextItEvaluates) {
    std::string text = "SIN(30)+2^3";
    const EvalResult r = CalculatorEvaluate(text, AngleMode::Degrees);
    EXPECT_EQ(text, "sin(30)+2^3");
    EXPECT_EQ(FormatResult(r), "8.5");
    std::string chinese = "ABC中文";
    CalculatorEvaluate(chinese, AngleMode::Radians);
    EXPECT_EQ(chinese, "abc中文");
}

TEST(Calculus, ChecksPrecisionThenDepth) {
    struct Row {
        double precision;
        int depth;
        std::string_view problem;
    };
    for (const Row& row : std::initializer_list<Row>{
             Row{1e-4, 10, ""}, Row{0, 10, msg::kPrecisionMustBePositive},
             Row{-1, 0, msg::kPrecisionMustBePositive}, Row{NAN, 10, msg::kPrecisionMustBePositive},
             Row{1e-4, 0, msg::kDepthMustBePositive}, Row{1e-4, -3, msg::kDepthMustBePositive}}) {
        EXPECT_EQ(CalculusInputProblem(row.precision, row.depth), row.problem);
    }
}

TEST(Calculus, RefusalLeavesTheFunctionAlone) {
    FunctionOfX f;
    f.SetFunctionText("before");
    EXPECT_TRUE(ComputeIntegral(f, "x", 0, 1, 0, 10).refused());
    EXPECT_TRUE(ComputeDerivative(f, "x", 0, 0.01, 1e-4, 0).refused());
    EXPECT_EQ(f.CurrentFunction(), "before");
    EXPECT_EQ(ComputeIntegral(f, "x^2", 0, 1, 1e-4, 10).text, "0.333333333333333");
}

// Each command hands its control on: a stop requested before the start ends
// (as Stopped, which the outcome now names instead of an empty failure)
// computations that would otherwise succeed at their second step.
TEST(Calculus, CommandsPassTheControlOn) {
    FunctionOfX f;
    TaskControl stopped;
    stopped.RequestStop();
    EXPECT_EQ(ComputeIntegral(f, "x", 0, 1, 1e-300, 9, &stopped).kind, Outcome::Kind::Stopped);
    EXPECT_EQ(ComputeDerivative(f, "x", 0, 1, 1e-300, 9, &stopped).kind, Outcome::Kind::Stopped);
    EXPECT_EQ(ComputeSeries(f, "x", 1, 9, 1, '+', &stopped).kind, Outcome::Kind::Stopped);
}

TEST(Series, RefusesEmptyFunctionAndEndlessRanges) {
    FunctionOfX f;
    EXPECT_EQ(ComputeSeries(f, "", 1, 2, 1, '+').text, msg::kEnterExpression);
    EXPECT_TRUE(ComputeSeries(f, "x", 1, 2, 0, '+').refused());
    const Outcome blank = ComputeSeries(f, " ", 1, 2, 1, '+');
    EXPECT_EQ(blank.kind, Outcome::Kind::Failure);  // a blank text goes to the evaluator
    EXPECT_EQ(ComputeSeries(f, "x", 1, 100, 1, '+').text, "5050");
    EXPECT_EQ(SeriesInputProblem("", 1, 2, 0), msg::kEnterExpression);  // before the range
    EXPECT_EQ(SeriesInputProblem("x", 1, 2, 0), SeriesRangeProblem(1, 2, 0));
    EXPECT_TRUE(SeriesInputProblem(" ", 5, 1, 0).empty());
}

TEST(ExpressionListProblems, EmptyListBeforeNoChoice) {
    EXPECT_EQ(ModifyExpressionProblem(0, false), msg::kNoExpressionToModify);
    EXPECT_EQ(DeleteExpressionProblem(1, false), msg::kSelectExpression);
    EXPECT_EQ(DeleteExpressionProblem(1, true), "");
}

}  // namespace
}  // namespace zentova
