// Equivalence and truth tables: the compiled 64-lane code against the literal
// per-assignment evaluator, in one binary so that one run gives the ratio.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "logic/formula.h"
#include "logic/logic_tools.h"
#include "references/literal_logic.h"

namespace {

using zentova::VariableList;

// A random formula with `connectives` two-place connectives over `variables`
// letters (each used at least once), fully parenthesised, and an equivalent
// one: commutative connectives with their operands swapped, conditionals as
// their contrapositive.
class PairBuilder {
  public:
    PairBuilder(int variables, unsigned seed) : rng_(seed) {
        for (int i = 0; i < variables; ++i)
            letters_ += static_cast<char>('A' + i);
        std::shuffle(letters_.begin(), letters_.end(), rng_);
    }

    std::pair<std::string, std::string> Build(int connectives) {
        leaf_ = 0;
        return Node(connectives);
    }

  private:
    std::pair<std::string, std::string> Node(int connectives) {
        if (connectives == 0) {
            const std::string letter(1, letters_[leaf_++ % letters_.size()]);
            return {letter, letter};
        }
        const int left = std::uniform_int_distribution<int>(0, connectives - 1)(rng_);
        auto [l1, l2] = Node(left);
        auto [r1, r2] = Node(connectives - 1 - left);
        const char op = "^v>-#"[std::uniform_int_distribution<int>(0, 4)(rng_)];
        std::string plain = "(";
        plain += l1;
        plain += ")";
        plain += op;
        plain += "(";
        plain += r1;
        plain += ")";
        std::string other;
        if (op == '>') {
            other = "~(" + r2 + ")>~(" + l2 + ")";
        } else {
            other = "(" + r2 + ")";
            other += op;
            other += "(" + l2 + ")";
        }
        return {plain, other};
    }

    std::mt19937 rng_;
    std::string letters_;
    std::size_t leaf_ = 0;
};

const std::pair<std::string, std::string>& Formulas(int variables) {
    static std::pair<std::string, std::string> twenty = PairBuilder(20, 1).Build(50);
    static std::pair<std::string, std::string> twentySix = PairBuilder(26, 2).Build(50);
    return variables == 20 ? twenty : twentySix;
}

void BM_EquivalenceCompiled(benchmark::State& state) {
    const auto& [f1, f2] = Formulas(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        const zentova::Outcome outcome = zentova::CheckEquivalence(f1, f2);
        if (outcome.text != zentova::msg::kEquivalent) state.SkipWithError("not equivalent");
        benchmark::DoNotOptimize(outcome);
    }
    state.SetItemsProcessed(state.iterations() * (int64_t{1} << state.range(0)));
    state.counters["chars1"] = static_cast<double>(f1.size());
    state.counters["chars2"] = static_cast<double>(f2.size());
}
BENCHMARK(BM_EquivalenceCompiled)
    ->Arg(20)
    ->Arg(26)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

// range(0) variables; range(1) assignments evaluated (all of them for 20
// variables, the first 2^18 of 2^26 for 26: the whole search would take
// minutes per repetition).
void BM_EquivalenceLiteral(benchmark::State& state) {
    const auto& [f1, f2] = Formulas(static_cast<int>(state.range(0)));
    VariableList variables;
    zentova::ValidateFormulaPair(f1, f2, variables);
    const auto last = static_cast<unsigned long long>(state.range(1));
    for (auto _ : state) {
        const bool same = zentova::literal::EquivalentOver(f1, f2, variables, 0, last);
        if (!same) state.SkipWithError("not equivalent");
        benchmark::DoNotOptimize(same);
    }
    state.SetItemsProcessed(state.iterations() * state.range(1));
}
BENCHMARK(BM_EquivalenceLiteral)
    ->Args({20, 1 << 20})
    ->Args({26, 1 << 18})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->Repetitions(3)
    ->ReportAggregatesOnly(true);

void BM_TruthTableCompiled(benchmark::State& state) {
    const std::string& formula = Formulas(20).first;
    for (auto _ : state) {
        auto table = zentova::MakeTruthTable(formula);
        std::size_t bytes = table->header().size();
        std::string line;
        while (table->Next(line))
            bytes += line.size() + 1;
        benchmark::DoNotOptimize(bytes);
    }
    state.SetItemsProcessed(state.iterations() * (int64_t{1} << 20));
}
BENCHMARK(BM_TruthTableCompiled)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

// The same lines, each from a substituted working copy and a fresh evaluator.
void BM_TruthTableLiteral(benchmark::State& state) {
    const std::string& formula = Formulas(20).first;
    VariableList variables;
    zentova::ValidateFormula(formula, variables);
    const int count = variables.count();
    for (auto _ : state) {
        std::size_t bytes = 0;
        std::string working;
        std::string line;
        std::vector<int> values(static_cast<std::size_t>(count));
        for (unsigned long long a = 0; a < (1ull << count); ++a) {
            for (int i = 0; i < count; ++i) {
                values[static_cast<std::size_t>(i)] = static_cast<int>((a >> (count - 1 - i)) & 1);
            }
            working.assign(formula);
            zentova::literal::SubstituteValues(working, variables, values);
            const int value = zentova::literal::EvaluateFormula(working).value;
            line.clear();
            for (const int v : values) {
                line += static_cast<char>('0' + v);
                line += "  ";
            }
            line += "  ";
            line += static_cast<char>('0' + value);
            bytes += line.size() + 1;
        }
        benchmark::DoNotOptimize(bytes);
    }
    state.SetItemsProcessed(state.iterations() * (int64_t{1} << count));
}
BENCHMARK(BM_TruthTableLiteral)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->Repetitions(3)
    ->ReportAggregatesOnly(true);

}  // namespace

BENCHMARK_MAIN();
