// The logic page's five tools without the widgets: truth table, equivalence,
// implication and the two principal normal forms, with their message texts.
// Tables and normal forms come as streams, a line or a clause at a time, so
// that 2^26 of them never have to be held at once.
#pragma once

#include <cstddef>
#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <string_view>

#include "common/outcome.h"
#include "common/task_control.h"
#include "logic/compiled_formula.h"
#include "logic/formula.h"
#include "logic/logic_messages.h"

namespace zentova {

// A formula every tool accepts: it passes the syntax checks, has at most
// kMaxFormulaLength characters, and gives every operator its operands.
struct PreparedFormula {
    VariableList variables;
    CompiledFormula formula;
};
std::optional<PreparedFormula> PrepareFormula(std::string_view formula);

// The truth table: a header "A  B  公式", then one line per assignment in
// counting order, "0  1    1": each value and two blanks, then two blanks and
// the formula's value.
class TruthTableStream {
  public:
    explicit TruthTableStream(PreparedFormula prepared);

    const std::string& header() const { return header_; }
    std::uint64_t lineCount() const { return prepared_.formula.assignmentCount(); }
    // The length of every line after the header, in bytes.
    std::size_t lineLength() const {
        return 3 * static_cast<std::size_t>(prepared_.variables.count()) + 3;
    }
    // The next line, false after the last.
    bool Next(std::string& line);
    // Any line, for a list that asks for the lines it shows.
    std::string Line(std::uint64_t assignment);

  private:
    void Format(std::uint64_t assignment, bool value, std::string& line) const;
    void FillLine(std::uint64_t assignment, std::string& line);

    PreparedFormula prepared_;
    std::string header_;
    std::uint64_t next_ = 0;
    CompiledFormula::Block block_{};
    std::uint64_t blockFirst_ = 0;
    bool blockValid_ = false;
};

inline constexpr std::size_t kNoLengthLimit = std::numeric_limits<std::size_t>::max();

enum class NormalForm {
    Conjunctive,  // one clause per assignment where the formula is 0
    Disjunctive,  // one term per assignment where the formula is 1
};

// The principal normal form as its pieces: each clause or term with the
// connective that joins it to the one before ("^(AvB)", "v(A^~B)"), none
// before the first. No piece at all means an empty form.
class NormalFormStream {
  public:
    NormalFormStream(PreparedFormula prepared, NormalForm form);

    // The next piece, false after the last. With `control`, progress counts
    // blocks of assignments searched, and a stop also returns false.
    bool Next(std::string& piece, TaskControl* control = nullptr);
    // The whole form as one text; after a stop, only its beginning. Empty as
    // soon as the text would pass `maxLength` characters.
    std::optional<std::string> Collect(TaskControl* control = nullptr,
                                       std::size_t maxLength = kNoLengthLimit);

  private:
    PreparedFormula prepared_;
    NormalForm form_;
    std::uint64_t nextBlock_ = 0;
    CompiledFormula::Block pending_{};  // assignments of the current block still to emit
    std::uint64_t pendingFirst_ = 0;
    bool anyEmitted_ = false;
};

// The tools as the page calls them: empty when formula 1 is refused (the page
// shows msg::kFormulaInputError).
std::optional<TruthTableStream> MakeTruthTable(std::string_view formula);
std::optional<NormalFormStream> MakeNormalForm(std::string_view formula, NormalForm form);

// The longest normal form a box shows; the messages of msg:: that refuse a
// longer one name the number. A full form over 26 variables is 2^26 clauses of
// up to 80 characters, some 5 GB, and nobody reads even a thousandth of it.
// 100,000 characters are some fifty printed pages, still selected and copied
// at once, and a box lays them out in about a tenth of a second. Every form of
// a formula of up to 11 variables fits: at most 2048 clauses of 35 characters.
inline constexpr std::size_t kMaxShownNormalFormLength = 100000;

// The three below report to `control` when given, with progress in blocks of
// assignments; a stopped one is a failure to discard.

// The whole normal form text, or the refusal: msg::kFormulaInputError for a
// refused formula, msg::kConjunctiveFormTooLong or kDisjunctiveFormTooLong as
// soon as the text would pass `maxLength` characters, so that a form too long
// to show is never built whole.
Outcome ComputeNormalForm(std::string_view formula, NormalForm form, TaskControl* control = nullptr,
                          std::size_t maxLength = kNoLengthLimit);

// Over the joint variables of both formulas: a value naming the outcome, or
// the refusal when either formula is refused.
Outcome CheckEquivalence(std::string_view formula1, std::string_view formula2,
                         TaskControl* control = nullptr);
Outcome CheckImplication(std::string_view formula1, std::string_view formula2,
                         TaskControl* control = nullptr);

}  // namespace zentova
