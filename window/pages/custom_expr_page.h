// Named formulas with one-letter parameters: a list kept in memory, saved to
// an expression file and opened again, and computed for typed values.
#pragma once

#include <vector>

#include "exprtools/expression_file.h"
#include "kit/page_base.h"

class QTreeView;

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

class CExpressionListModel;

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
    // Replaces the list by the file's (`zentova FILE` and the open command),
    // or shows why the file cannot be read and keeps the list.
    void OpenFile(const QString& path);
    // Puts the selected line, or every line when none is selected, on the
    // clipboard as NAME, a tab and EXPRESSION (Ctrl+C on the list).
    void CopyLines();

    // Formulas that were never saved are saved, dropped or kept as the user
    // answers; false when the user keeps them (or their save failed).
    bool MayClose() override;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    bool SaveList();
    // The remembered expression is the one the list shows selected, however
    // it was selected; the name box follows it.
    void Remember();
    bool Chosen() const;
    QTreeView* List() const;

    std::vector<ExpressionItem> items_;
    // The list as last saved or opened, to tell what closing would lose.
    std::vector<ExpressionItem> saved_;
    CExpressionListModel* model_ = nullptr;
    int remembered_ = -1;
};

}  // namespace zentova
