// Propositional formulas: upper-case letters are the variables, "~" is the
// prefix not, and "^", "v", ">", "-", "#" are and, or, conditional,
// biconditional and exclusive or.
#pragma once

#include <array>
#include <cstddef>
#include <span>
#include <string_view>

namespace zentova {

inline constexpr std::string_view kFormulaAlphabet = "ABCDEFGHIJKLMNOPQRSTUVWXYZ()~#^v->";
// Formulas are held in working copies of 1000 bytes with the terminating zero.
inline constexpr std::size_t kMaxFormulaLength = 999;
inline constexpr int kMaxVariables = 26;

// The distinct letters of one formula, or of two together, in alphabetical
// order; a letter's position is its index in an assignment. In an assignment
// the first variable is the most significant binary digit.
class VariableList {
  public:
    void Mark(char letter);
    int count() const { return count_; }
    char letter(int index) const { return letters_[static_cast<std::size_t>(index)]; }
    std::span<const char> letters() const {
        return std::span<const char>(letters_.data(), static_cast<std::size_t>(count_));
    }
    // The letter's index, or -1 when it is not in the list.
    int IndexOf(char letter) const;

  private:
    std::array<char, kMaxVariables> letters_{};
    int count_ = 0;
};

// The syntax checks: not empty, only characters of the alphabet, no forbidden
// neighbours, as many "(" as ")" (totals only, not their order). Marks the
// formula's letters in `variables`. Accepting says nothing about whether every
// operator finds its operands; compiling the formula tells that.
bool ValidateFormula(std::string_view formula, VariableList& variables);

// Both formulas checked as above, formula 1 first; the list holds the letters
// of both.
bool ValidateFormulaPair(std::string_view formula1, std::string_view formula2,
                         VariableList& variables);

// True when `p` followed by `ch` may not stand side by side.
bool ForbiddenNeighbours(char p, char ch);

}  // namespace zentova
