#include "linalg/matrix_workbench.h"

#include <vector>

#include "common/number_text.h"
#include "linalg/linalg_messages.h"
#include "linalg/matrix_text.h"

namespace zentova {
namespace {

// The result is in the editor fields, which the page writes back.
WorkbenchAnswer Done() {
    return {Outcome::Value({}), true};
}

// The person said No, or there was nothing to pick: nothing changes.
WorkbenchAnswer Declined() {
    return {Outcome::Stopped()};
}

WorkbenchAnswer Refused(std::string_view message, bool writeBack = false) {
    return {Outcome::Refused(message), writeBack};
}

char FoldCase(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool SameName(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (FoldCase(a[i]) != FoldCase(b[i])) return false;
    }
    return true;
}

// After item `removed` left a list of `size` items (counted after removal):
// the item now at that place, else the last one, else none.
int NeighbourAfterRemoval(int removed, int size) {
    if (size == 0) return MatrixWorkbench::kNoSelection;
    return removed < size ? removed : size - 1;
}

std::vector<std::string_view> NumberTokens(std::string_view text) {
    std::vector<std::string_view> tokens;
    ForEachNumberToken(text, [&](std::string_view token) {
        tokens.push_back(token);
        return true;
    });
    return tokens;
}

// The text to store for what the box holds. When it holds the numbers that
// were put there (`shown`), in the same order however they are laid out, each
// is replaced by its counterpart in `exact`; the layout stays as typed.
// Otherwise the typed text itself.
std::string TextToStore(std::string_view typed, std::string_view shown, std::string_view exact) {
    const std::vector<std::string_view> tokens = NumberTokens(typed);
    const std::vector<std::string_view> exactTokens = NumberTokens(exact);
    if (shown.empty() || tokens != NumberTokens(shown) || tokens.size() != exactTokens.size()) {
        return std::string(typed);
    }
    std::string stored;
    stored.reserve(exact.size() + typed.size());
    std::size_t copied = 0;
    for (std::size_t i = 0; i < tokens.size(); ++i) {
        const auto at = static_cast<std::size_t>(tokens[i].data() - typed.data());
        stored.append(typed.substr(copied, at - copied)).append(exactTokens[i]);
        copied = at + tokens[i].size();
    }
    stored.append(typed.substr(copied));
    return stored;
}

}  // namespace

void MatrixWorkbench::SelectOperand(OperandList list, int index) {
    const bool valid = index >= 0 && static_cast<std::size_t>(index) < entries_.size();
    operands_[Index(list)] = valid ? index : kNoSelection;
}

std::string MatrixWorkbench::OverwriteQuestion(std::string_view name) {
    std::string question(msg::kMatrixExistsBefore);
    question.append(name).append(msg::kMatrixExistsAfter);
    return question;
}

int MatrixWorkbench::FindName(std::string_view name) const {
    for (std::size_t i = 0; i < entries_.size(); ++i) {
        if (SameName(entries_[i].name, name)) return static_cast<int>(i);
    }
    return kNoSelection;
}

WorkbenchAnswer MatrixWorkbench::Add(const Ask& askOverwrite) {
    editor_.text = std::string(TrimMatrixText(editor_.text));
    if (const std::string problem = MatrixEntryProblem(editor_.rows, editor_.cols, editor_.text);
        !problem.empty()) {
        return Refused(problem);
    }
    if (editor_.name.empty()) return Refused(msg::kEnterMatrixName);

    const int existing = FindName(editor_.name);
    if (existing != kNoSelection) {
        if (!askOverwrite(OverwriteQuestion(editor_.name))) return Declined();
    } else if (entries_.size() >= kMatrixListFullAt) {
        return Refused(msg::kMatrixListFull);
    }
    // A result still in the box, number for number, is stored with the digits
    // that were computed, not with the six that are shown; anything else is
    // stored as typed.
    std::string stored = TextToStore(editor_.text, editorShown_, editorExact_);
    if (editor_.autoFormat) {
        editor_.text = RelayoutMatrixText(editor_.text, editor_.rows, editor_.cols);
        stored = RelayoutMatrixText(stored, editor_.rows, editor_.cols);
    }
    MatrixEntry entry{editor_.name, editor_.rows, editor_.cols, stored, editor_.text};
    ShowInEditor(editor_.text, stored);
    if (existing != kNoSelection) {
        MatrixEntry& old = entries_[static_cast<std::size_t>(existing)];
        entry.name = old.name;
        old = std::move(entry);
        return Done();
    }
    entries_.push_back(std::move(entry));
    current_ = static_cast<int>(entries_.size()) - 1;
    return Done();
}

WorkbenchAnswer MatrixWorkbench::Delete(const Ask& askConfirm) {
    if (entries_.empty()) return Refused(msg::kMatrixListEmpty);
    if (!askConfirm(msg::kConfirmDeleteMatrix)) return Declined();
    // While the list holds items one of them is selected; the guard keeps a
    // model driven without a selection from removing anything at random.
    if (current_ == kNoSelection) return Declined();
    const int s = current_;
    const int size = static_cast<int>(entries_.size()) - 1;
    current_ = NeighbourAfterRemoval(s, size);
    for (int& selected : operands_) {
        if (selected == s) {
            selected = NeighbourAfterRemoval(s, size);
        } else if (selected > s) {
            --selected;  // stays on the matrix it was on
        }
    }
    entries_.erase(entries_.begin() + s);
    if (current_ != kNoSelection) {
        LoadEditor(current_);
    } else {
        ShowInEditor({}, {});
        editor_.name.clear();
        editor_.rows = 0;
        editor_.cols = 0;
    }
    return Done();
}

WorkbenchAnswer MatrixWorkbench::Select(int index) {
    if (index < 0 || static_cast<std::size_t>(index) >= entries_.size()) {
        return Declined();
    }
    current_ = index;
    LoadEditor(index);
    return Done();
}

void MatrixWorkbench::LoadEditor(int index) {
    const MatrixEntry& entry = entries_[static_cast<std::size_t>(index)];
    ShowInEditor(entry.shown, entry.text);
    editor_.rows = entry.rows;
    editor_.cols = entry.cols;
    editor_.name = entry.name;
}

void MatrixWorkbench::ShowInEditor(std::string shown, std::string exact) {
    editor_.text = shown;
    editorShown_ = std::move(shown);
    editorExact_ = std::move(exact);
}

MatrixOperand MatrixWorkbench::Operand(int index) const {
    const MatrixEntry& entry = entries_[static_cast<std::size_t>(index)];
    return {entry.rows, entry.cols, entry.text};
}

WorkbenchAnswer MatrixWorkbench::Operate(MatrixOpKind kind) {
    const bool binary = kind == MatrixOpKind::OpAdd || kind == MatrixOpKind::OpSubtract ||
                        kind == MatrixOpKind::OpMultiply;
    MatrixOperand a;
    MatrixOperand b;
    if (binary) {
        const int first = operand(OperandList::First);
        const int second = operand(OperandList::Second);
        if (first == kNoSelection || second == kNoSelection) {
            return Refused(msg::kChooseOperands);
        }
        a = Operand(first);
        b = Operand(second);
    } else {
        const int only = operand(OperandList::Unary);
        if (only == kNoSelection) {
            // The echelon button writes the editor back even here.
            return Refused(msg::kChooseOperands, kind == MatrixOpKind::OpEchelon);
        }
        a = Operand(only);
    }

    const MatrixOpAnswer answer = RunMatrixOperation(kind, a, b);
    switch (answer.outcome.kind) {
        case Outcome::Kind::Refused:
            // A shape mismatch of a binary operation puts the stored editor
            // back; an inversion's refusals leave the typing in place.
            return Refused(answer.outcome.text, binary);
        case Outcome::Kind::Failure:
        case Outcome::Kind::Stopped:
            return {answer.outcome};
        case Outcome::Kind::Value:
            break;
    }
    ShowInEditor(answer.outcome.text, answer.exactText);
    editor_.rows = answer.rows;
    editor_.cols = answer.cols;
    editor_.name = answer.name;
    if (answer.hasRank) editor_.rank = answer.rank;
    return Done();
}

}  // namespace zentova
