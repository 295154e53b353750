// The compiled bitwise evaluation and the streamed tools against the literal
// per-assignment evaluator, on thousands of random formulas with fixed seeds.
#include <gtest/gtest.h>

#include <algorithm>
#include <initializer_list>
#include <optional>
#include <random>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

#include "logic/compiled_formula.h"
#include "logic/logic_tools.h"
#include "references/literal_logic.h"
#include "table_lines.h"

namespace zentova {
namespace {

// Concatenation by appending (GCC 12 misreports chains of operator+ on
// temporaries under -Wrestrict).
std::string Join(std::initializer_list<std::string_view> parts) {
    std::string text;
    for (const std::string_view part : parts)
        text += part;
    return text;
}

class FormulaGenerator {
  public:
    explicit FormulaGenerator(unsigned seed) : rng_(seed) {}

    // `count` distinct letters, not necessarily the first ones.
    std::string Letters(int count) {
        std::string all = "ABCDEFGHIJKLMNOPQRSTUVWXYZ";
        std::shuffle(all.begin(), all.end(), rng_);
        return all.substr(0, static_cast<std::size_t>(count));
    }

    // A character string grown one character at a time among those allowed
    // next to the previous one: exercises every odd shape the syntax lets
    // through ("(A)B", "A~^B", ")A(B", "A)B(C").
    std::string Text(const std::string& letters, int length) {
        const std::string symbols = "()~#^v->";
        std::string text;
        while (static_cast<int>(text.size()) < length) {
            const char c =
                Pick(3) != 0 ? letters[Below(letters.size())] : symbols[Below(symbols.size())];
            if (!text.empty() && ForbiddenNeighbours(text.back(), c)) continue;
            text += c;
        }
        return text;
    }

    // A formula tree printed with parentheses left out at random, so that the
    // text means what the precedence rules make of it (the traps included).
    std::string Loose(const std::string& letters, int depth) {
        if (depth == 0 || Pick(4) == 0) {
            std::string leaf = Negations();
            leaf += letters[Below(letters.size())];
            return leaf;
        }
        if (Pick(6) == 0) return Join({"~", Wrap(Loose(letters, depth - 1), true)});
        const std::string op(1, "^v>-#"[Below(5)]);
        const std::string left = Wrap(Loose(letters, depth - 1), Pick(2) == 0);
        const std::string right = Wrap(Loose(letters, depth - 1), Pick(2) == 0);
        return Join({left, op, right});
    }

    // A fully parenthesised formula and an equivalent one written with other
    // connectives.
    std::pair<std::string, std::string> EquivalentPair(const std::string& letters, int depth) {
        if (depth == 0 || Pick(5) == 0) {
            const std::string letter(1, letters[Below(letters.size())]);
            return {letter, Pick(2) == 0 ? letter : Join({"~~", letter})};
        }
        if (Pick(6) == 0) {
            auto [a, b] = EquivalentPair(letters, depth - 1);
            return {Join({"~(", a, ")"}), Join({"~(", b, ")"})};
        }
        auto [l1, l2] = EquivalentPair(letters, depth - 1);
        auto [r1, r2] = EquivalentPair(letters, depth - 1);
        const char op = "^v>-#"[Below(5)];
        const std::string plain = Join({"(", l1, ")", std::string(1, op), "(", r1, ")"});
        std::string other;
        const std::string l = Join({"(", l2, ")"});
        const std::string r = Join({"(", r2, ")"});
        switch (op) {
            case '^':
                other = Join({"~(~", l, "v~", r, ")"});
                break;
            case 'v':
                other = Join({"~(~", l, "^~", r, ")"});
                break;
            case '>':
                other = Join({"(~", l, "v", r, ")"});
                break;
            case '-':
                other = Join({"((", l, ">", r, ")^(", r, ">", l, "))"});
                break;
            default:
                other = Join({"~(", l, "-", r, ")"});
                break;
        }
        return {plain, other};
    }

    unsigned Pick(unsigned n) { return std::uniform_int_distribution<unsigned>(0, n - 1)(rng_); }

  private:
    std::size_t Below(std::size_t n) { return Pick(static_cast<unsigned>(n)); }
    std::string Negations() { return Pick(4) == 0 ? std::string(Pick(3), '~') : ""; }
    static std::string Wrap(const std::string& text, bool parenthesise) {
        return parenthesise ? Join({"(", text, ")"}) : text;
    }

    std::mt19937 rng_;
};

struct Counts {
    int compiled = 0;
    int refused = 0;
};

// Compiles `formula` and checks every assignment against the literal
// evaluator; the refusal must match the literal evaluator's missing operand.
void CheckAgainstLiteral(const std::string& formula, Counts& counts) {
    VariableList variables;
    if (!ValidateFormula(formula, variables)) return;
    const int k = variables.count();
    std::optional<CompiledFormula> compiled = CompiledFormula::Compile(formula, variables);
    const bool missing =
        literal::EvaluateUnder(formula, variables, std::vector<int>(static_cast<std::size_t>(k), 0))
            .missingOperand;
    ASSERT_EQ(compiled.has_value(), !missing) << formula;
    if (!compiled) {
        ++counts.refused;
        return;
    }
    ++counts.compiled;
    const std::uint64_t total = std::uint64_t{1} << k;
    for (std::uint64_t first = 0; first < total; first += CompiledFormula::kBlockAssignments) {
        const CompiledFormula::Block block = compiled->EvaluateBlock(first);
        for (std::uint64_t lane = 0; lane < CompiledFormula::kBlockAssignments; ++lane) {
            const int fast = static_cast<int>((block[lane / 64] >> (lane % 64)) & 1);
            if (first + lane >= total) {
                ASSERT_EQ(fast, 0) << formula << " past the end, lane " << lane;
                continue;
            }
            const literal::Evaluation slow =
                literal::EvaluateUnder(formula, variables, literal::Assignment(first + lane, k));
            ASSERT_FALSE(slow.missingOperand) << formula;
            ASSERT_EQ(fast, slow.value) << formula << " at assignment " << first + lane;
        }
    }
}

TEST(RandomFormulas, CharacterStringsMatchTheLiteralEvaluator) {
    FormulaGenerator generator(20261207);
    Counts counts;
    for (int i = 0; i < 40000 && counts.compiled < 4000; ++i) {
        const std::string letters = generator.Letters(1 + static_cast<int>(generator.Pick(5)));
        CheckAgainstLiteral(generator.Text(letters, 1 + static_cast<int>(generator.Pick(14))),
                            counts);
        if (HasFatalFailure()) return;
    }
    EXPECT_GE(counts.compiled, 4000);
    EXPECT_GE(counts.refused, 500);
}

TEST(RandomFormulas, LooselyParenthesisedTreesMatchTheLiteralEvaluator) {
    FormulaGenerator generator(7);
    Counts counts;
    for (int i = 0; i < 4000; ++i) {
        const std::string letters = generator.Letters(1 + static_cast<int>(generator.Pick(6)));
        CheckAgainstLiteral(generator.Loose(letters, 1 + static_cast<int>(generator.Pick(5))),
                            counts);
        if (HasFatalFailure()) return;
    }
    EXPECT_EQ(counts.compiled, 4000);
}

TEST(RandomFormulas, ManyVariablesCrossBlockBoundaries) {
    FormulaGenerator generator(99);
    Counts counts;
    for (int i = 0; i < 60; ++i) {
        const std::string letters = generator.Letters(9 + static_cast<int>(generator.Pick(3)));
        CheckAgainstLiteral(generator.Loose(letters, 6), counts);
        if (HasFatalFailure()) return;
    }
    EXPECT_EQ(counts.compiled, 60);
}

TEST(RandomFormulas, TablesAndNormalFormsMatchTheLiteralTools) {
    FormulaGenerator generator(31337);
    int checked = 0;
    for (int i = 0; i < 600; ++i) {
        const int k = i % 20 == 0 ? 10 : 1 + static_cast<int>(generator.Pick(7));
        const std::string letters = generator.Letters(k);
        const std::string formula =
            i % 3 == 0 ? generator.Text(letters, 12) : generator.Loose(letters, 4);
        const literal::ToolAnswer table = literal::TruthTable(formula);
        const literal::ToolAnswer cnf = literal::ConjunctiveForm(formula);
        const literal::ToolAnswer dnf = literal::DisjunctiveForm(formula);
        if (table.refused) {
            EXPECT_FALSE(MakeTruthTable(formula).has_value()) << formula;
            EXPECT_TRUE(ComputeNormalForm(formula, NormalForm::Conjunctive).refused()) << formula;
            continue;
        }
        ++checked;
        ASSERT_EQ(TableLines(formula), table.lines) << formula;
        ASSERT_EQ(ComputeNormalForm(formula, NormalForm::Conjunctive).text, cnf.text) << formula;
        ASSERT_EQ(ComputeNormalForm(formula, NormalForm::Disjunctive).text, dnf.text) << formula;
    }
    EXPECT_GE(checked, 400);
}

TEST(RandomFormulas, EquivalenceAndImplicationMatchTheLiteralTools) {
    FormulaGenerator generator(4242);
    int equivalent = 0;
    int implied = 0;
    for (int i = 0; i < 1500; ++i) {
        const std::string letters = generator.Letters(1 + static_cast<int>(generator.Pick(8)));
        std::string first;
        std::string second;
        switch (i % 4) {
            case 0:
                std::tie(first, second) = generator.EquivalentPair(letters, 4);
                break;
            case 1:  // nearly equivalent: the second formula misses one negation
            {
                auto pair = generator.EquivalentPair(letters, 4);
                first = pair.first;
                const std::size_t at = pair.second.find("~~");
                second = at == std::string::npos ? Join({pair.second, "^", letters.substr(0, 1)})
                                                 : pair.second.erase(at, 1);
                break;
            }
            case 2:
                first = generator.Loose(letters, 3);
                second = Join({"(", first, ")v", generator.Loose(letters, 2)});
                break;
            default:
                first = generator.Loose(letters, 3);
                second = generator.Loose(letters, 3);
                break;
        }
        const literal::ToolAnswer eq = literal::Equivalence(first, second);
        const literal::ToolAnswer im = literal::Implication(first, second);
        const Outcome fastEq = CheckEquivalence(first, second);
        const Outcome fastIm = CheckImplication(first, second);
        ASSERT_EQ(fastEq.refused(), eq.refused) << first << " , " << second;
        ASSERT_EQ(fastIm.refused(), im.refused) << first << " , " << second;
        if (eq.refused) continue;
        ASSERT_EQ(fastEq.text, eq.text) << first << " , " << second;
        ASSERT_EQ(fastIm.text, im.text) << first << " , " << second;
        equivalent += eq.text == std::string(msg::kEquivalent);
        implied += im.text == std::string(msg::kImplies);
    }
    EXPECT_GE(equivalent, 350);
    EXPECT_GE(implied, 700);
}

}  // namespace
}  // namespace zentova
