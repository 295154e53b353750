#include "logic/compiled_formula.h"

#include <utility>

#include "common/typed_text.h"

namespace zentova {
namespace {

// Lane j of a word holds the assignment whose low six binary digits are j.
constexpr std::array<std::uint64_t, 6> kLowPatterns = {
    0xAAAAAAAAAAAAAAAAull, 0xCCCCCCCCCCCCCCCCull, 0xF0F0F0F0F0F0F0F0ull,
    0xFF00FF00FF00FF00ull, 0xFFFF0000FFFF0000ull, 0xFFFFFFFF00000000ull,
};
constexpr int kLaneBits = 6;
constexpr int kBlockBits = 9;  // 512 assignments per block

enum class Relation { Below, Match, Above };

// How the operator on top of the stack relates to the incoming character.
Relation Precedence(char top, char ch) {
    if (ch == '(') return Relation::Below;
    if (top == '(') return ch == ')' ? Relation::Match : Relation::Below;
    if (top == ch) return Relation::Below;
    if (ch == '~') return Relation::Below;
    if (ch == '^' && top == 'v') return Relation::Below;
    return Relation::Above;
}

std::uint64_t AllOrNothing(bool set) {
    return set ? ~std::uint64_t{0} : 0;
}

}  // namespace

std::optional<CompiledFormula> CompiledFormula::Compile(std::string_view formula,
                                                        const VariableList& variables) {
    const TypedText reading(formula);  // the input rule; the bound counts what it reads
    formula = reading.view();
    if (formula.size() > kMaxFormulaLength) return std::nullopt;
    CompiledFormula compiled;
    const int k = variables.count();
    compiled.variableCount_ = k;
    const auto zero = static_cast<std::uint32_t>(k);
    const std::uint32_t firstComputed = zero + 1;

    std::vector<std::uint32_t> operands;
    std::vector<char> operators;
    operands.reserve(formula.size());
    operators.reserve(formula.size());

    // One reduction: the operator's operands become one computed register.
    // "~" takes only the left operand; a parenthesis left on the stack takes
    // two and yields 0.
    auto reduce = [&]() -> bool {
        const char o = operators.back();
        operators.pop_back();
        std::uint32_t right = zero;
        if (o != '~') {
            if (operands.empty()) return false;
            right = operands.back();
            operands.pop_back();
        }
        if (operands.empty()) return false;
        const std::uint32_t left = operands.back();
        operands.pop_back();
        Op op;
        switch (o) {
            case '~':
                op = Op::Not;
                break;
            case '^':
                op = Op::And;
                break;
            case 'v':
                op = Op::Or;
                break;
            case '>':
                op = Op::Implies;
                break;
            case '-':
                op = Op::Iff;
                break;
            case '#':
                op = Op::Xor;
                break;
            default:
                operands.push_back(zero);
                return true;
        }
        compiled.code_.push_back({op, left, right});
        operands.push_back(firstComputed + static_cast<std::uint32_t>(compiled.code_.size() - 1));
        return true;
    };

    for (const char ch : formula) {
        if (ch >= 'A' && ch <= 'Z') {
            const int index = variables.IndexOf(ch);
            if (index < 0) return std::nullopt;
            operands.push_back(static_cast<std::uint32_t>(index));
            continue;
        }
        while (true) {
            if (operators.empty()) {
                operators.push_back(ch);
                break;
            }
            const Relation relation = Precedence(operators.back(), ch);
            if (relation == Relation::Below) {
                operators.push_back(ch);
                break;
            }
            if (relation == Relation::Match) {
                operators.pop_back();
                break;
            }
            if (!reduce()) return std::nullopt;
        }
    }
    while (!operators.empty()) {
        if (!reduce()) return std::nullopt;
    }
    // The value on top is the result; values below it (juxtaposed parts such
    // as "(A)B") are ignored.
    if (operands.empty()) return std::nullopt;
    compiled.Prune(operands.back(), firstComputed);

    compiled.registers_.assign(compiled.code_.size() + firstComputed, Block{});
    for (int i = 0; i < k; ++i) {
        const int digit = k - 1 - i;
        if (digit >= kBlockBits) continue;  // set per block
        Block& block = compiled.registers_[static_cast<std::size_t>(i)];
        for (int w = 0; w < kBlockWords; ++w) {
            block[static_cast<std::size_t>(w)] =
                digit < kLaneBits ? kLowPatterns[static_cast<std::size_t>(digit)]
                                  : AllOrNothing(((w >> (digit - kLaneBits)) & 1) != 0);
        }
    }
    return compiled;
}

// Drops the code whose value never reaches the result (the parts left below
// the top of the operand stack) and renumbers the rest, order kept.
void CompiledFormula::Prune(std::uint32_t result, std::uint32_t firstComputed) {
    std::vector<bool> needed(code_.size(), false);
    if (result >= firstComputed) needed[result - firstComputed] = true;
    for (std::size_t i = code_.size(); i-- > 0;) {
        if (!needed[i]) continue;
        for (const std::uint32_t operand : {code_[i].left, code_[i].right}) {
            if (operand >= firstComputed) needed[operand - firstComputed] = true;
        }
    }
    std::vector<std::uint32_t> renumbered(code_.size(), 0);
    std::vector<Instruction> kept;
    auto map = [&](std::uint32_t r) {
        return r >= firstComputed ? renumbered[r - firstComputed] : r;
    };
    for (std::size_t i = 0; i < code_.size(); ++i) {
        if (!needed[i]) continue;
        renumbered[i] = firstComputed + static_cast<std::uint32_t>(kept.size());
        kept.push_back({code_[i].op, map(code_[i].left), map(code_[i].right)});
    }
    result_ = map(result);
    code_ = std::move(kept);
}

const CompiledFormula::Block& CompiledFormula::EvaluateBlock(std::uint64_t first) {
    const std::uint64_t total = assignmentCount();
    if (first >= total) {
        output_.fill(0);
        return output_;
    }
    const int k = variableCount_;
    for (int i = 0; i < k; ++i) {
        const int digit = k - 1 - i;
        if (digit < kBlockBits) continue;
        registers_[static_cast<std::size_t>(i)].fill(AllOrNothing(((first >> digit) & 1) != 0));
    }
    const std::size_t base = static_cast<std::size_t>(k) + 1;
    for (std::size_t n = 0; n < code_.size(); ++n) {
        const Instruction& instruction = code_[n];
        Block& out = registers_[base + n];
        const Block& a = registers_[instruction.left];
        const Block& b = registers_[instruction.right];
        switch (instruction.op) {
            case Op::Not:
                for (int w = 0; w < kBlockWords; ++w)
                    out[w] = ~a[w];
                break;
            case Op::And:
                for (int w = 0; w < kBlockWords; ++w)
                    out[w] = a[w] & b[w];
                break;
            case Op::Or:
                for (int w = 0; w < kBlockWords; ++w)
                    out[w] = a[w] | b[w];
                break;
            case Op::Implies:
                for (int w = 0; w < kBlockWords; ++w)
                    out[w] = ~a[w] | b[w];
                break;
            case Op::Iff:
                for (int w = 0; w < kBlockWords; ++w)
                    out[w] = ~(a[w] ^ b[w]);
                break;
            case Op::Xor:
                for (int w = 0; w < kBlockWords; ++w)
                    out[w] = a[w] ^ b[w];
                break;
        }
    }
    output_ = registers_[result_];
    if (total < kBlockAssignments) {
        for (int w = 0; w < kBlockWords; ++w) {
            const std::uint64_t lanesBefore = std::uint64_t{64} * static_cast<std::uint64_t>(w);
            std::uint64_t mask = 0;
            if (lanesBefore + 64 <= total) {
                mask = ~std::uint64_t{0};
            } else if (lanesBefore < total) {
                mask = (std::uint64_t{1} << (total - lanesBefore)) - 1;
            }
            output_[static_cast<std::size_t>(w)] &= mask;
        }
    }
    return output_;
}

bool CompiledFormula::Evaluate(std::uint64_t assignment) {
    const Block& block = EvaluateBlock(assignment & ~(kBlockAssignments - 1));
    const std::uint64_t lane = assignment & (kBlockAssignments - 1);
    return ((block[static_cast<std::size_t>(lane / 64)] >> (lane % 64)) & 1) != 0;
}

}  // namespace zentova
