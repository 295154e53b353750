#include "logic/logic_tools.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/stop_timing.h"
#include "support/table.h"
#include "table_lines.h"

namespace zentova {
namespace {

TEST(TruthTable, ConditionalLines) {
    EXPECT_EQ(TableLines("A>B"), (std::vector<std::string>{"A  B  公式", "0  0    1", "0  1    1",
                                                           "1  0    0", "1  1    1"}));
}

TEST(TruthTable, SingleVariable) {
    EXPECT_EQ(TableLines("A"), (std::vector<std::string>{"A  公式", "0    0", "1    1"}));
}

TEST(TruthTable, LinesCanBeAskedForInAnyOrder) {
    std::optional<TruthTableStream> table = MakeTruthTable("(A^B)>(CvD)vEvFvGvHvIvJ");
    ASSERT_TRUE(table.has_value());
    ASSERT_EQ(table->lineCount(), 1024u);
    const std::string last = table->Line(1023);
    const std::string first = table->Line(0);
    EXPECT_EQ(table->Line(1023), last);
    EXPECT_EQ(first, "0  0  0  0  0  0  0  0  0  0    1");
    EXPECT_EQ(table->Line(0b1100000000), "1  1  0  0  0  0  0  0  0  0    0");
    EXPECT_EQ(table->Line(1024), "");
}

struct FormRow {
    const char* name;
    const char* formula;
    NormalForm form;
    const char* expected;
};

class NormalForms : public ::testing::TestWithParam<FormRow> {};

TEST_P(NormalForms, GivesTheForm) {
    const FormRow& row = GetParam();
    const Outcome outcome = ComputeNormalForm(row.formula, row.form);
    EXPECT_EQ(outcome.kind, Outcome::Kind::Value);
    EXPECT_EQ(outcome.text, row.expected);
    TaskControl control;
    EXPECT_EQ(ComputeNormalForm(row.formula, row.form, &control).text, row.expected);
    EXPECT_EQ(control.Fraction(), 1.0);
}

constexpr NormalForm kCnf = NormalForm::Conjunctive;
constexpr NormalForm kDnf = NormalForm::Disjunctive;

INSTANTIATE_TEST_SUITE_P(Examples, NormalForms,
                         ::testing::Values(FormRow{"ConditionalCnf", "A>B", kCnf, "(~AvB)"},
                                           FormRow{"AndCnf", "A^B", kCnf, "(AvB)^(Av~B)^(~AvB)"},
                                           FormRow{"ConditionalDnf", "A>B", kDnf,
                                                   "(~A^~B)v(~A^B)v(A^B)"},
                                           FormRow{"OrDnf", "AvB", kDnf, "(~A^B)v(A^~B)v(A^B)"},
                                           FormRow{"TautologyCnfEmpty", "Av~A", kCnf, ""},
                                           FormRow{"TautologyDnf", "Av~A", kDnf, "(~A)v(A)"},
                                           FormRow{"ContradictionCnf", "A^~A", kCnf, "(A)^(~A)"},
                                           FormRow{"ContradictionDnfEmpty", "A^~A", kDnf, ""}),
                         testing::RowName());

struct CompareRow {
    const char* name;
    const char* formula1;
    const char* formula2;
    bool implication;
    const char* expected;
};

class Comparisons : public ::testing::TestWithParam<CompareRow> {};

TEST_P(Comparisons, NamesTheOutcome) {
    const CompareRow& row = GetParam();
    const auto check = row.implication ? CheckImplication : CheckEquivalence;
    EXPECT_EQ(check(row.formula1, row.formula2, nullptr).text, row.expected);
    TaskControl control;
    const Outcome controlled = check(row.formula1, row.formula2, &control);
    EXPECT_EQ(controlled.text, row.expected);
    EXPECT_EQ(control.Fraction(), controlled.refused() ? 0.0 : 1.0);
}

INSTANTIATE_TEST_SUITE_P(
    Examples, Comparisons,
    ::testing::Values(CompareRow{"ConditionalAsOr", "A>B", "~AvB", false, "两公式等价。"},
                      CompareRow{"ConverseDiffers", "A>B", "B>A", false, "两公式不等价。"},
                      CompareRow{"AndImpliesOr", "A^B", "AvB", true, "公式一蕴含公式二。"},
                      CompareRow{"OrDoesNotImplyAnd", "AvB", "A^B", true, "公式一不蕴含公式二。"},
                      CompareRow{"JointVariables", "A", "AvB", false, "两公式不等价。"},
                      CompareRow{"EmptySecondFormula", "A", "", false, "公式输入错误。"},
                      CompareRow{"EmptySecondFormulaImplication", "A", "", true, "公式输入错误。"},
                      CompareRow{"RefusedFirstFormula", "AB", "A", false, "公式输入错误。"},
                      CompareRow{"MissingOperandInSecond", "A", "Av", true, "公式输入错误。"},
                      CompareRow{"DifferOnlyAtLastAssignment", "A^B^C^D^E^F^G^H^I^J",
                                 "A^B^C^D^E^F^G^H^I^~J", false, "两公式不等价。"},
                      CompareRow{"ImplicationFailsOnlyAtLastAssignment", "A^B^C^D^E^F^G^H^I^J",
                                 "~(A^B^C^D^E^F^G^H^I^J)", true, "公式一不蕴含公式二。"},
                      CompareRow{"DisjointLettersEquivalent", "Av~A", "Bv~B", false,
                                 "两公式等价。"}),
    testing::RowName());

TEST(Refusals, EveryToolRefusesTheSameFormulas) {
    for (const char* formula : {"", "AB", "^A", "Av", "~", "()", "A^()", ")A(", "a"}) {
        EXPECT_FALSE(MakeTruthTable(formula).has_value()) << formula;
        EXPECT_TRUE(ComputeNormalForm(formula, kCnf).refused()) << formula;
        EXPECT_TRUE(ComputeNormalForm(formula, kDnf).refused()) << formula;
        EXPECT_TRUE(CheckEquivalence(formula, "A").refused()) << formula;
        EXPECT_TRUE(CheckImplication("A", formula).refused()) << formula;
        EXPECT_EQ(CheckEquivalence(formula, "A").text, msg::kFormulaInputError);
    }
}

TEST(Refusals, OverLongFormula) {
    std::string formula = "A";
    while (formula.size() <= kMaxFormulaLength)
        formula += "vA";
    EXPECT_FALSE(MakeTruthTable(formula).has_value());
    EXPECT_TRUE(CheckEquivalence("A", formula).refused());
}

// 11 variables give 60,415 characters; 12 give 131,071, refused early.
TEST(NormalFormBound, RefusesWhatPassesIt) {
    EXPECT_EQ(ComputeNormalForm("A>B", kDnf, nullptr, 20).text, "(~A^~B)v(~A^B)v(A^B)");
    EXPECT_EQ(ComputeNormalForm("A>B", kDnf, nullptr, 19).text, msg::kDisjunctiveFormTooLong);
    EXPECT_EQ(ComputeNormalForm("A>B", kCnf, nullptr, 5).text, msg::kConjunctiveFormTooLong);
    const std::string f = "Av~AvBvCvDvEvFvGvHvIvJvK";
    EXPECT_EQ(ComputeNormalForm(f, kDnf, nullptr, kMaxShownNormalFormLength).text.size(), 60415u);
    TaskControl control;
    EXPECT_TRUE(ComputeNormalForm(f + "vL", kDnf, &control, kMaxShownNormalFormLength).refused());
    EXPECT_LT(control.Fraction(), 1.0);
}

// Searches of all 2^26 assignments of a formula as long as a formula may be,
// which find nothing to end them early.
TEST(Stop, EndsLongSearchesPromptly) {
    std::string f = "(A";
    for (char c = 'B'; c <= 'Z'; ++c)
        f += std::string(c % 2 != 0 ? "^" : "v") + c;
    for (const std::string group = f + ')'; f.size() + group.size() + 6 <= kMaxFormulaLength;)
        f += ">" + group;
    f += ')';
    EXPECT_TRUE(testing::StopsPromptly([&](TaskControl& c) { CheckEquivalence(f, f, &c); }));
    EXPECT_TRUE(testing::StopsPromptly([&](TaskControl& c) { CheckImplication(f, f, &c); }));
    EXPECT_TRUE(
        testing::StopsPromptly([&](TaskControl& c) { ComputeNormalForm(f + "^A^~A", kDnf, &c); }));
    TaskControl stopped;
    stopped.RequestStop();
    // A stop is its own kind of outcome now, no longer an empty failure.
    EXPECT_EQ(ComputeNormalForm(f, kCnf, &stopped).kind, Outcome::Kind::Stopped);
}

}  // namespace
}  // namespace zentova
