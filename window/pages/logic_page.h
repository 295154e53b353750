// Propositional logic: the truth table of formula 1, whether formula 1 is
// equivalent to or implies formula 2, and the principal normal forms of
// formula 1. The table's lines are made as they are shown, under a header
// that stays in view; its selected lines are copied and the whole table is
// saved as text from its context menu. The searches over many variables and
// the save run on a worker, stopped by their own buttons (the save by the
// table's).
#pragma once

#include <QString>
#include <memory>
#include <string>

#include "kit/page_base.h"
#include "logic/logic_tools.h"

class QAction;

namespace zentova {

class CPageTask;
class CVirtualList;
class TruthTableStream;

namespace logic_id {
inline constexpr int kTitle = 1142;
inline constexpr int kHelp = 1133;
inline constexpr int kFormula1Label = 1153;
inline constexpr int kFormula1 = 1151;
inline constexpr int kFormula2Label = 1154;
inline constexpr int kFormula2 = 1161;
inline constexpr int kTruthTableButton = 1156;
inline constexpr int kTruthTable = 1155;
inline constexpr int kEquivalenceButton = 1157;
inline constexpr int kImplicationButton = 1158;
inline constexpr int kConjunctiveButton = 1159;
inline constexpr int kConjunctive = 1152;
inline constexpr int kDisjunctiveButton = 1160;
inline constexpr int kDisjunctive = 1162;
}  // namespace logic_id

class CLogicPage : public CPageBase {
    Q_OBJECT
  public:
    CLogicPage(CDesktop& desktop, QWidget* parent);
    ~CLogicPage() override;

    void ShowTruthTable();
    void TestEquivalence();
    void TestImplication();
    void ShowNormalForm(NormalForm form);
    // The selected lines, or the whole table when none is, to the clipboard;
    // refused above kMaxCopiedTableLines lines.
    void CopyTableLines();
    // The whole table to a file the person chooses, confirmed first when it
    // is large.
    void SaveTable();

  private:
    using Check = Outcome (*)(std::string_view, std::string_view, TaskControl*);

    void Compare(CPageTask& task, Check check);
    CVirtualList* TruthTable() const;

    // The formula of the table shown and the table that makes its lines; the
    // save makes a table of its own on the worker.
    std::string tableFormula_;
    std::shared_ptr<TruthTableStream> table_;
    QAction* copyAction_ = nullptr;
    QAction* saveAction_ = nullptr;
    std::unique_ptr<CPageTask> equivalenceTask_;
    std::unique_ptr<CPageTask> implicationTask_;
    std::unique_ptr<CPageTask> conjunctiveTask_;
    std::unique_ptr<CPageTask> disjunctiveTask_;
    std::unique_ptr<CPageTask> saveTask_;
};

}  // namespace zentova
