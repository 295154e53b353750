#include "logic/logic_tools.h"

#include <bit>
#include <utility>

namespace zentova {
namespace {

using Block = CompiledFormula::Block;
constexpr std::uint64_t kBlockSize = CompiledFormula::kBlockAssignments;

// The lanes of a block that stand for real assignments.
Block ValidLanes(std::uint64_t first, std::uint64_t total) {
    Block mask{};
    for (std::size_t w = 0; w < mask.size(); ++w) {
        const std::uint64_t lanesBefore = first + 64 * w;
        if (lanesBefore + 64 <= total) {
            mask[w] = ~std::uint64_t{0};
        } else if (lanesBefore < total) {
            mask[w] = (std::uint64_t{1} << (total - lanesBefore)) - 1;
        }
    }
    return mask;
}

std::uint64_t BlockCount(std::uint64_t assignments) {
    return (assignments + kBlockSize - 1) / kBlockSize;
}

bool VariableValue(std::uint64_t assignment, int variable, int count) {
    return ((assignment >> (count - 1 - variable)) & 1) != 0;
}

// Searches the joint assignments for one where `counterexample` of the two
// values holds; true when there is none. A stop ends the search with false.
template <typename Counterexample>
std::optional<bool> HoldsForAll(std::string_view formula1, std::string_view formula2,
                                TaskControl* control, Counterexample counterexample) {
    VariableList variables;
    if (!ValidateFormulaPair(formula1, formula2, variables)) return std::nullopt;
    std::optional<CompiledFormula> first = CompiledFormula::Compile(formula1, variables);
    std::optional<CompiledFormula> second = CompiledFormula::Compile(formula2, variables);
    if (!first || !second) return std::nullopt;
    const std::uint64_t total = first->assignmentCount();
    TaskProgress progress(control, BlockCount(total));
    for (std::uint64_t block = 0; block < total; block += kBlockSize) {
        if (progress.Stopped()) return false;
        const Block& a = first->EvaluateBlock(block);
        const Block& b = second->EvaluateBlock(block);
        std::uint64_t found = 0;
        // Both blocks are 0 past the last assignment, and neither test is
        // met by two zeros.
        for (std::size_t w = 0; w < a.size(); ++w)
            found |= counterexample(a[w], b[w]);
        if (found != 0) return false;
        progress.Step();
    }
    return true;
}

}  // namespace

std::optional<PreparedFormula> PrepareFormula(std::string_view formula) {
    VariableList variables;
    if (!ValidateFormula(formula, variables)) return std::nullopt;
    std::optional<CompiledFormula> compiled = CompiledFormula::Compile(formula, variables);
    if (!compiled) return std::nullopt;
    return PreparedFormula{variables, std::move(*compiled)};
}

TruthTableStream::TruthTableStream(PreparedFormula prepared) : prepared_(std::move(prepared)) {
    for (const char letter : prepared_.variables.letters()) {
        header_ += letter;
        header_ += "  ";
    }
    header_ += msg::kTruthTableFormulaColumn;
}

void TruthTableStream::Format(std::uint64_t assignment, bool value, std::string& line) const {
    // Each value and two blanks, two more blanks, the formula's value.
    const int count = prepared_.variables.count();
    const std::size_t width = 3 * static_cast<std::size_t>(count) + 3;
    line.assign(width, ' ');
    for (int i = 0; i < count; ++i) {
        line[3 * static_cast<std::size_t>(i)] = VariableValue(assignment, i, count) ? '1' : '0';
    }
    line[width - 1] = value ? '1' : '0';
}

void TruthTableStream::FillLine(std::uint64_t assignment, std::string& line) {
    line.clear();
    if (assignment >= lineCount()) return;
    const std::uint64_t first = assignment & ~(kBlockSize - 1);
    if (!blockValid_ || blockFirst_ != first) {
        block_ = prepared_.formula.EvaluateBlock(first);
        blockFirst_ = first;
        blockValid_ = true;
    }
    const std::uint64_t lane = assignment - first;
    Format(assignment, ((block_[lane / 64] >> (lane % 64)) & 1) != 0, line);
}

std::string TruthTableStream::Line(std::uint64_t assignment) {
    std::string line;
    FillLine(assignment, line);
    return line;
}

bool TruthTableStream::Next(std::string& line) {
    if (next_ >= lineCount()) return false;
    FillLine(next_++, line);
    return true;
}

NormalFormStream::NormalFormStream(PreparedFormula prepared, NormalForm form)
    : prepared_(std::move(prepared)), form_(form) {}

bool NormalFormStream::Next(std::string& piece, TaskControl* control) {
    const std::uint64_t total = prepared_.formula.assignmentCount();
    while (true) {
        for (std::size_t w = 0; w < pending_.size(); ++w) {
            if (pending_[w] == 0) continue;
            const int lane = std::countr_zero(pending_[w]);
            pending_[w] &= pending_[w] - 1;
            const std::uint64_t assignment = pendingFirst_ + 64 * w + static_cast<unsigned>(lane);

            const bool conjunctive = form_ == NormalForm::Conjunctive;
            const char* inner = conjunctive ? "v" : "^";
            piece.clear();
            if (anyEmitted_) piece += conjunctive ? '^' : 'v';
            piece += '(';
            const int count = prepared_.variables.count();
            for (int i = 0; i < count; ++i) {
                if (i > 0) piece += inner;
                // A clause negates the variables that are 1, a term those
                // that are 0.
                if (VariableValue(assignment, i, count) == conjunctive) piece += '~';
                piece += prepared_.variables.letter(i);
            }
            piece += ')';
            anyEmitted_ = true;
            return true;
        }
        if (nextBlock_ >= total) return false;
        if (control != nullptr) {
            control->SetTotal(BlockCount(total));
            control->SetDone(nextBlock_ / kBlockSize);
            if (control->StopRequested()) return false;
        }
        const Block& values = prepared_.formula.EvaluateBlock(nextBlock_);
        const Block valid = ValidLanes(nextBlock_, total);
        for (std::size_t w = 0; w < pending_.size(); ++w) {
            pending_[w] = (form_ == NormalForm::Conjunctive ? ~values[w] : values[w]) & valid[w];
        }
        pendingFirst_ = nextBlock_;
        nextBlock_ += kBlockSize;
    }
}

std::optional<std::string> NormalFormStream::Collect(TaskControl* control, std::size_t maxLength) {
    std::string text;
    std::string piece;
    while (Next(piece, control)) {
        if (piece.size() > maxLength - text.size()) return std::nullopt;
        text += piece;
    }
    if (control != nullptr && !control->StopRequested()) {
        control->SetDone(BlockCount(prepared_.formula.assignmentCount()));
    }
    return text;
}

std::optional<TruthTableStream> MakeTruthTable(std::string_view formula) {
    std::optional<PreparedFormula> prepared = PrepareFormula(formula);
    if (!prepared) return std::nullopt;
    return TruthTableStream(std::move(*prepared));
}

std::optional<NormalFormStream> MakeNormalForm(std::string_view formula, NormalForm form) {
    std::optional<PreparedFormula> prepared = PrepareFormula(formula);
    if (!prepared) return std::nullopt;
    return NormalFormStream(std::move(*prepared), form);
}

Outcome ComputeNormalForm(std::string_view formula, NormalForm form, TaskControl* control,
                          std::size_t maxLength) {
    std::optional<NormalFormStream> stream = MakeNormalForm(formula, form);
    if (!stream) return Outcome::Refused(msg::kFormulaInputError);
    std::optional<std::string> text = stream->Collect(control, maxLength);
    if (control != nullptr && control->StopRequested()) return Outcome::Stopped();
    if (!text) {
        return Outcome::Refused(form == NormalForm::Conjunctive ? msg::kConjunctiveFormTooLong
                                                                : msg::kDisjunctiveFormTooLong);
    }
    return Outcome::Value(std::move(*text));
}

Outcome CheckEquivalence(std::string_view formula1, std::string_view formula2,
                         TaskControl* control) {
    const std::optional<bool> holds = HoldsForAll(
        formula1, formula2, control, [](std::uint64_t a, std::uint64_t b) { return a ^ b; });
    if (!holds) return Outcome::Refused(msg::kFormulaInputError);
    if (control != nullptr && control->StopRequested()) return Outcome::Stopped();
    return Outcome::Value(std::string(*holds ? msg::kEquivalent : msg::kNotEquivalent));
}

Outcome CheckImplication(std::string_view formula1, std::string_view formula2,
                         TaskControl* control) {
    const std::optional<bool> holds = HoldsForAll(
        formula1, formula2, control, [](std::uint64_t a, std::uint64_t b) { return a & ~b; });
    if (!holds) return Outcome::Refused(msg::kFormulaInputError);
    if (control != nullptr && control->StopRequested()) return Outcome::Stopped();
    return Outcome::Value(std::string(*holds ? msg::kImplies : msg::kNotImplies));
}

}  // namespace zentova
