#include "logic/formula.h"

#include "common/typed_text.h"

namespace zentova {
namespace {

bool IsLetter(char c) {
    return c >= 'A' && c <= 'Z';
}
bool IsOneOf(char c, std::string_view set) {
    return set.find(c) != std::string_view::npos;
}

// Scans one formula and marks its letters; a refused formula's list is never
// used, so marks made before the refusal do no harm.
bool ScanFormula(std::string_view formula, VariableList& variables) {
    const TypedText reading(formula);  // the input rule
    formula = reading.view();
    if (formula.empty()) return false;
    long depth = 0;
    for (std::size_t i = 0; i < formula.size(); ++i) {
        const char ch = formula[i];
        if (!IsOneOf(ch, kFormulaAlphabet)) return false;
        if (i >= 1 && ForbiddenNeighbours(formula[i - 1], ch)) return false;
        if (IsLetter(ch)) variables.Mark(ch);
        if (ch == '(') ++depth;
        if (ch == ')') --depth;
    }
    return depth == 0;
}

}  // namespace

void VariableList::Mark(char letter) {
    if (!IsLetter(letter) || IndexOf(letter) >= 0) return;
    // Keep the list sorted: insert before the first later letter.
    int at = count_;
    while (at > 0 && letters_[static_cast<std::size_t>(at - 1)] > letter) {
        letters_[static_cast<std::size_t>(at)] = letters_[static_cast<std::size_t>(at - 1)];
        --at;
    }
    letters_[static_cast<std::size_t>(at)] = letter;
    ++count_;
}

int VariableList::IndexOf(char letter) const {
    for (int i = 0; i < count_; ++i) {
        if (letters_[static_cast<std::size_t>(i)] == letter) return i;
    }
    return -1;
}

bool ForbiddenNeighbours(char p, char ch) {
    constexpr std::string_view kBinaryWithOr = "v>#^-";
    if (ch == 'v' && IsOneOf(p, kBinaryWithOr)) return true;
    if (p == 'v' && IsOneOf(ch, kBinaryWithOr)) return true;
    if (p == 'v' || ch == 'v') return false;
    if (IsLetter(p) && IsLetter(ch)) return true;
    // Two two-place connectives side by side; "~" may stand next to any.
    constexpr std::string_view kBinary = ">#^-";
    return IsOneOf(p, kBinary) && IsOneOf(ch, kBinary);
}

bool ValidateFormula(std::string_view formula, VariableList& variables) {
    variables = VariableList{};
    return ScanFormula(formula, variables);
}

bool ValidateFormulaPair(std::string_view formula1, std::string_view formula2,
                         VariableList& variables) {
    variables = VariableList{};
    if (formula1.empty() || formula2.empty()) return false;
    return ScanFormula(formula1, variables) && ScanFormula(formula2, variables);
}

}  // namespace zentova
