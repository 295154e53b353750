// A validated formula compiled once into straight-line bitwise code, so that
// one pass evaluates it for 512 consecutive assignments (8 words of 64).
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "logic/formula.h"

namespace zentova {

class CompiledFormula {
  public:
    static constexpr int kBlockWords = 8;
    static constexpr std::uint64_t kBlockAssignments = 64 * kBlockWords;
    // Bit j of word w is the value under assignment first + 64·w + j; bits of
    // assignments past the last are 0.
    using Block = std::array<std::uint64_t, kBlockWords>;

    // Compiles a formula that passed the syntax checks against `variables`
    // (which must hold all its letters). Runs the operator-precedence
    // evaluator's steps on the formula's shape: the steps depend on the
    // characters only, never on the values, so the code computes exactly what
    // the evaluator computes for every assignment. Empty when some step would
    // take an operand that is not there (an operator without its operand) or
    // the formula is longer than kMaxFormulaLength.
    static std::optional<CompiledFormula> Compile(std::string_view formula,
                                                  const VariableList& variables);

    int variableCount() const { return variableCount_; }
    std::uint64_t assignmentCount() const { return std::uint64_t{1} << variableCount_; }

    // The values for the assignments from `first` on; `first` is a multiple
    // of kBlockAssignments.
    const Block& EvaluateBlock(std::uint64_t first);

    // The value under one assignment, by its number in the counting order.
    bool Evaluate(std::uint64_t assignment);

  private:
    enum class Op : std::uint8_t { Not, And, Or, Implies, Iff, Xor };
    struct Instruction {
        Op op;
        std::uint32_t left;
        std::uint32_t right;
    };

    CompiledFormula() = default;
    void Prune(std::uint32_t result, std::uint32_t firstComputed);

    int variableCount_ = 0;
    // Registers: one per variable, then the constant 0, then one per
    // instruction in order.
    std::vector<Instruction> code_;
    std::uint32_t result_ = 0;
    std::vector<Block> registers_;
    Block output_{};
};

}  // namespace zentova
