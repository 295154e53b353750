#include "logic/formula.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "logic/compiled_formula.h"
#include "references/literal_logic.h"
#include "support/table.h"

namespace zentova {
namespace {

struct SyntaxRow {
    const char* name;
    const char* formula;
    bool accepted;
    const char* variables;
};

class FormulaSyntax : public ::testing::TestWithParam<SyntaxRow> {};

TEST_P(FormulaSyntax, AcceptsOrRefuses) {
    const SyntaxRow& row = GetParam();
    VariableList variables;
    ASSERT_EQ(ValidateFormula(row.formula, variables), row.accepted) << row.formula;
    if (row.accepted) {
        const std::string letters(variables.letters().begin(), variables.letters().end());
        EXPECT_EQ(letters, row.variables);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Rules, FormulaSyntax,
    ::testing::Values(
        SyntaxRow{"Conditional", "A>B", true, "AB"},
        SyntaxRow{"LettersSortedAndOnce", "(ZvA)^(A>M)^Z", true, "AMZ"},
        SyntaxRow{"Empty", "", false, ""}, SyntaxRow{"TwoLetters", "AB", false, ""},
        SyntaxRow{"TwoBinaryConnectives", "A^>B", false, ""},
        SyntaxRow{"OrThenAnd", "Av^B", false, ""}, SyntaxRow{"AndThenOr", "A^vB", false, ""},
        SyntaxRow{"OrOr", "AvvB", false, ""}, SyntaxRow{"IffXor", "A#-B", false, ""},
        SyntaxRow{"UnbalancedOpen", "(A", false, ""},
        SyntaxRow{"LowerCaseLetter", "a^B", false, ""}, SyntaxRow{"Blank", "A^ B", false, ""},
        SyntaxRow{"Ampersand", "A&B", false, ""},
        SyntaxRow{"NonAscii",
                  "A\xEF\xBC\x8C"
                  "B",
                  false, ""},
        SyntaxRow{"OnlyTotalsOfParentheses", ")A(", true, "A"},
        SyntaxRow{"NotAfterAnd", "A^~B", true, "AB"}, SyntaxRow{"DoubleNot", "~~A", true, "A"},
        SyntaxRow{"NotAfterIff", "A-~B", true, "AB"},
        SyntaxRow{"NotBeforeConnective", "A~^B", true, "AB"},
        SyntaxRow{"NotBeforeOr", "~vA", true, "A"},
        SyntaxRow{"LetterNextToParenthesis", "(A)B", true, "AB"},
        SyntaxRow{"AllOperatorsAtStartPassSyntax", "^A", true, "A"},
        SyntaxRow{"EmptyParentheses", "()", true, ""}),
    testing::RowName());

// The value of a formula under one assignment, given as the letters set to 1.
struct ValueRow {
    const char* name;
    const char* formula;
    const char* ones;
    int expected;
};

std::vector<int> AssignmentOf(const VariableList& variables, const std::string& ones) {
    std::vector<int> values;
    for (const char letter : variables.letters()) {
        values.push_back(ones.find(letter) != std::string::npos ? 1 : 0);
    }
    return values;
}

std::uint64_t Number(const std::vector<int>& values) {
    std::uint64_t number = 0;
    for (const int v : values)
        number = number * 2 + static_cast<std::uint64_t>(v);
    return number;
}

class FormulaValue : public ::testing::TestWithParam<ValueRow> {};

TEST_P(FormulaValue, LiteralAndCompiledAgree) {
    const ValueRow& row = GetParam();
    VariableList variables;
    ASSERT_TRUE(ValidateFormula(row.formula, variables));
    const std::vector<int> values = AssignmentOf(variables, row.ones);

    const literal::Evaluation e = literal::EvaluateUnder(row.formula, variables, values);
    EXPECT_FALSE(e.missingOperand);
    EXPECT_EQ(e.value, row.expected) << "literal";

    std::optional<CompiledFormula> compiled = CompiledFormula::Compile(row.formula, variables);
    ASSERT_TRUE(compiled.has_value());
    EXPECT_EQ(compiled->Evaluate(Number(values)) ? 1 : 0, row.expected) << "compiled";
}

INSTANTIATE_TEST_SUITE_P(
    Precedence, FormulaValue,
    ::testing::Values(
        ValueRow{"ConditionalFalse", "A>B", "A", 0}, ValueRow{"ConditionalVacuous", "A>B", "", 1},
        ValueRow{"ConditionalChainGroupsRight", "A>B>C", "AB", 0},
        ValueRow{"ConditionalChainAllZero", "A>B>C", "", 1},
        ValueRow{"ParenthesisedChainAllZero", "(A>B)>C", "", 0},
        ValueRow{"ParenthesisedChainOnesZero", "(A>B)>C", "AB", 0},
        ValueRow{"ConditionalBeforeAnd", "A>B^C", "B", 0}, ValueRow{"AndBeforeOr", "AvB^C", "A", 1},
        ValueRow{"AndThenConditionalLeftToRight", "A^B>C", "", 1},
        ValueRow{"OrThenConditionalLeftToRight", "AvB>C", "A", 0},
        ValueRow{"XorThenAndLeftToRight", "A#B^C", "A", 0},
        ValueRow{"AndThenOrLeftToRight", "A^BvC", "C", 1}, ValueRow{"IffChain", "A-B-C", "A", 1},
        ValueRow{"XorChain", "A#B#C", "ABC", 1}, ValueRow{"NotOfParenthesis", "(~A)v(A)", "", 1},
        ValueRow{"NotBindsTightest", "~A^B", "B", 1},
        ValueRow{"NotBindsTightestZero", "~A^B", "AB", 0}, ValueRow{"DoubleNot", "~~A", "A", 1},
        ValueRow{"NotAfterIff", "A-~B", "", 0}, ValueRow{"JuxtaposedKeepsLast", "(A)B", "A", 0},
        ValueRow{"JuxtaposedKeepsLastOne", "(A)B", "B", 1},
        ValueRow{"ReversedParenthesesGiveZero", "A)B(C", "ABC", 0},
        ValueRow{"NotBeforeConnectiveNegatesLeft", "A~^B", "B", 1},
        ValueRow{"LetterThenNotKeepsNegation", "A~B", "A", 1}),
    testing::RowName());

// Formulas that pass the syntax checks but leave an operator without an
// operand: the evaluator would read an empty stack.
struct MissingRow {
    const char* name;
    const char* formula;
};

class MissingOperand : public ::testing::TestWithParam<MissingRow> {};

TEST_P(MissingOperand, CompileRefusesWhatTheEvaluatorCannotDo) {
    const MissingRow& row = GetParam();
    VariableList variables;
    ASSERT_TRUE(ValidateFormula(row.formula, variables)) << row.formula;
    EXPECT_TRUE(literal::EvaluateUnder(row.formula, variables,
                                       std::vector<int>(variables.letters().size(), 0))
                    .missingOperand);
    EXPECT_FALSE(CompiledFormula::Compile(row.formula, variables).has_value());
}

INSTANTIATE_TEST_SUITE_P(
    Refused, MissingOperand,
    ::testing::Values(MissingRow{"LeadingAnd", "^A"}, MissingRow{"TrailingOr", "Av"},
                      MissingRow{"LoneNot", "~"}, MissingRow{"TrailingNot", "A^~"},
                      MissingRow{"EmptyParenthesesAsOperand", "A^()"},
                      MissingRow{"OnlyParentheses", "()"}, MissingRow{"CloseBeforeOpen", ")A("},
                      MissingRow{"CloseBeforeOpenTwoLetters", ")A(B"}),
    testing::RowName());

TEST(CompiledFormula, RefusesFormulasOverTheWorkingCopy) {
    std::string formula = "A";
    while (formula.size() + 2 <= kMaxFormulaLength)
        formula += "^A";
    VariableList variables;
    ASSERT_TRUE(ValidateFormula(formula, variables));
    ASSERT_EQ(formula.size(), kMaxFormulaLength);
    EXPECT_TRUE(CompiledFormula::Compile(formula, variables).has_value());
    formula += "^A";
    ASSERT_TRUE(ValidateFormula(formula, variables));
    EXPECT_FALSE(CompiledFormula::Compile(formula, variables).has_value());
}

TEST(CompiledFormula, LanesPastTheLastAssignmentAreZero) {
    VariableList variables;
    ASSERT_TRUE(ValidateFormula("Av~A", variables));
    std::optional<CompiledFormula> compiled = CompiledFormula::Compile("Av~A", variables);
    ASSERT_TRUE(compiled.has_value());
    const CompiledFormula::Block& block = compiled->EvaluateBlock(0);
    EXPECT_EQ(block[0], 0b11u);
    for (std::size_t w = 1; w < block.size(); ++w)
        EXPECT_EQ(block[w], 0u);
    EXPECT_EQ(compiled->EvaluateBlock(512)[0], 0u);
}

}  // namespace
}  // namespace zentova
