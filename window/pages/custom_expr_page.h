// Named formulas with one-letter parameters: a list kept in memory, saved to
// an expression file and opened again, and computed for typed values.
#pragma once

#include <vector>

#include "exprtools/expression_file.h"
#include "kit/page_base.h"

class QTreeWidget;

namespace zentova {

namespace custom_id {
inline constexpr int kList = 1124;
inline constexpr int kAdd = 1011;
inline constexpr int kModify = 1126;
inline constexpr int kDelete = 1127;
inline constexpr int kOpen = 1128;
inline constexpr int kSave = 1129;
inline constexpr int kNameLabel = 1114;
inline constexpr int kNameBox = 1133;
inline constexpr int kParameterLabel = 1115;
inline constexpr int kParameters = 1130;
inline constexpr int kCompute = 1131;
inline constexpr int kResult = 1132;
inline constexpr int kNote = 1116;
}  // namespace custom_id

class CCustomExprPage : public CPageBase {
    Q_OBJECT
  public:
    CCustomExprPage(CDesktop& desktop, QWidget* parent);

    const std::vector<ExpressionItem>& Items() const { return items_; }
    // The index of the chosen expression, -1 for none.
    int Remembered() const { return remembered_; }

    void Add();
    void Modify();
    void Delete();
    void Open();
    void Save();
    void Compute();

  private:
    // The remembered expression is the one the list shows selected, however
    // it was selected; the name box follows it.
    void Remember();
    bool Chosen() const;
    void ShowItems();
    QTreeWidget* List() const;

    std::vector<ExpressionItem> items_;
    int remembered_ = -1;
};

}  // namespace zentova
