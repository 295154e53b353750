// The matrix workbench without its widgets: the table of named matrices, the
// editor fields, the four name lists' selections and every handler's order of
// checks, so that the page only moves values between boxes and this model.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "common/outcome.h"
#include "linalg/matrix_operations.h"

namespace zentova {

struct MatrixEntry {
    std::string name;  // as first spelt; unique without regard to letter case
    int rows = 0;
    int cols = 0;
    // Trimmed, re-laid out when the option was ticked. A typed matrix is kept
    // as typed; a stored result keeps every digit of its values.
    std::string text;
    // What the editor shows for it: the text itself, or for a stored result
    // the "%g" form in which the result was shown.
    std::string shown;
};

// The editor fields, in the order in which the page exchanges them.
struct MatrixEditor {
    int cols = 0;
    int rows = 0;
    std::string text;
    std::string name;
    bool autoFormat = false;
    int rank = 0;
};

// The table has room for 1000 entries and counts as full at 999.
inline constexpr std::size_t kMatrixListFullAt = 999;

enum class OperandList { First, Second, Unary };

// What a handler did: a value without text when its result is in the editor
// fields; a refusal or a failure whose text goes into a message box; stopped
// when the person answered No or there was nothing to pick.
struct WorkbenchAnswer {
    Outcome outcome;
    bool writeBack = false;  // the page writes the editor fields into its boxes
};

class MatrixWorkbench {
  public:
    // Asked with the question text; true for Yes.
    using Ask = std::function<bool(std::string_view question)>;

    static constexpr int kNoSelection = -1;

    const std::vector<MatrixEntry>& entries() const { return entries_; }
    MatrixEditor& editor() { return editor_; }
    const MatrixEditor& editor() const { return editor_; }

    int current() const { return current_; }
    int operand(OperandList list) const { return operands_[Index(list)]; }
    // The user picks an item of an operand list (kNoSelection to clear).
    void SelectOperand(OperandList list, int index);

    // "添加(&A)" on the editor fields as read from the boxes.
    WorkbenchAnswer Add(const Ask& askOverwrite);
    // "删除(&D)".
    WorkbenchAnswer Delete(const Ask& askConfirm);
    // The user picks item `index` of the current-matrix list.
    WorkbenchAnswer Select(int index);
    // "+", "-", "x", "求逆" and "化为梯阵".
    WorkbenchAnswer Operate(MatrixOpKind kind);

    // The overwrite question for a name.
    static std::string OverwriteQuestion(std::string_view name);

    // Empties the table and the editor, as at program start.
    void Reset() { *this = MatrixWorkbench(); }

  private:
    static std::size_t Index(OperandList list) { return static_cast<std::size_t>(list); }
    int FindName(std::string_view name) const;
    void LoadEditor(int index);
    void ShowInEditor(std::string shown, std::string exact);
    MatrixOperand Operand(int index) const;

    std::vector<MatrixEntry> entries_;
    MatrixEditor editor_;
    // The editor's text box shows results with six digits. While it holds the
    // numbers last put there, these are the digits that stand behind them.
    std::string editorShown_;
    std::string editorExact_;
    int current_ = kNoSelection;
    int operands_[3] = {kNoSelection, kNoSelection, kNoSelection};
};

}  // namespace zentova
