// Formulas: the validator on any text, and for formulas of a few variables
// the compiled bitwise evaluation and the streamed tools against the literal
// per-assignment evaluator.
#include <string>
#include <vector>

#include "common/typed_text.h"
#include "fuzz_check.h"
#include "logic/compiled_formula.h"
#include "logic/formula.h"
#include "logic/logic_tools.h"
#include "references/literal_logic.h"

using namespace zentova;

namespace {

// Beyond these the literal evaluator's 2^k assignments make one input too slow
// for the fuzzer (it is most of the time spent); the compiled code has the
// same shape for any count, and the unit tests take the counts above.
constexpr int kMaxCheckedVariables = 8;
constexpr int kMaxNormalFormVariables = 5;

void CheckCompiled(const std::string& formula) {
    VariableList variables;
    if (!ValidateFormula(formula, variables) || variables.count() > kMaxCheckedVariables) return;
    const int k = variables.count();
    std::optional<CompiledFormula> compiled = CompiledFormula::Compile(formula, variables);
    const bool missing =
        literal::EvaluateUnder(formula, variables, std::vector<int>(static_cast<std::size_t>(k), 0))
            .missingOperand;
    fuzz::Check(compiled.has_value() == !missing, "compiled iff an operand is never missing",
                formula);
    if (!compiled) return;
    for (std::uint64_t a = 0; a < compiled->assignmentCount(); ++a) {
        const literal::Evaluation slow =
            literal::EvaluateUnder(formula, variables, literal::Assignment(a, k));
        fuzz::Check(!slow.missingOperand && compiled->Evaluate(a) == (slow.value != 0),
                    "the compiled value equals the literal value", formula);
    }
    if (k > kMaxNormalFormVariables) return;
    const literal::ToolAnswer cnf = literal::ConjunctiveForm(formula);
    const Outcome fast = ComputeNormalForm(formula, NormalForm::Conjunctive);
    fuzz::Check(fast.refused() == cnf.refused && (cnf.refused || fast.text == cnf.text),
                "the conjunctive form equals the literal one", formula);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // The literal evaluator knows ASCII only: it and the tools are given the
    // text as the input rule reads it, which the tools then read unchanged.
    const std::string input(
        TypedText(std::string_view(reinterpret_cast<const char*>(data), size)).view());
    // Two formulas, as the equivalence and implication tools take them.
    const std::size_t cut = input.find('\n');
    const std::string first = input.substr(0, cut);
    const std::string second = cut == std::string::npos ? std::string() : input.substr(cut + 1);

    CheckCompiled(first);
    VariableList joint;
    if (cut != std::string::npos && ValidateFormulaPair(first, second, joint) &&
        joint.count() <= kMaxNormalFormVariables) {
        const literal::ToolAnswer eq = literal::Equivalence(first, second);
        const Outcome fast = CheckEquivalence(first, second);
        fuzz::Check(fast.refused() == eq.refused && (eq.refused || fast.text == eq.text),
                    "equivalence equals the literal answer", input);
        (void)CheckImplication(first, second);
    }
    return 0;
}
