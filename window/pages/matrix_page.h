// The matrix workbench: an editor for one matrix (text, name, size and the
// auto-format option), the list of named matrices with add, overwrite and
// delete, and the five operations on listed matrices, whose results come
// back into the editor.
#pragma once

#include "kit/page_base.h"
#include "linalg/matrix_workbench.h"

class QComboBox;

namespace zentova {

namespace matrix_id {
inline constexpr int kPlus = 1011;
inline constexpr int kMinus = 1012;
inline constexpr int kTimes = 1013;
inline constexpr int kText = 1053;
inline constexpr int kAdd = 1054;
inline constexpr int kDelete = 1055;
inline constexpr int kEchelon = 1056;
inline constexpr int kInvert = 1057;
inline constexpr int kCurrent = 1058;
inline constexpr int kFirst = 1059;
inline constexpr int kRank = 1060;
inline constexpr int kSecond = 1061;
inline constexpr int kName = 1063;
inline constexpr int kRows = 1064;
inline constexpr int kCols = 1065;
inline constexpr int kAutoFormat = 1066;
inline constexpr int kUnary = 1067;
inline constexpr int kNameLabel = 1068;
inline constexpr int kTimesLabel = 1070;
inline constexpr int kOperationsGroup = 1071;
inline constexpr int kBinaryLabel = 1072;
inline constexpr int kUnaryLabel = 1073;
inline constexpr int kSizeLabel = 1074;
inline constexpr int kDefaultButton = 1125;
inline constexpr int kPrompt = 1132;
inline constexpr int kRankLabel = 1144;
}  // namespace matrix_id

class CMatrixPage : public CPageBase {
    Q_OBJECT
  public:
    CMatrixPage(CDesktop& desktop, QWidget* parent);

    void Add();
    void Delete();
    void Select(int index);  // the person picked item `index` of the current-matrix list
    void Operate(MatrixOpKind kind);

  private:
    bool ReadBoxes();  // false after a size box without an integer
    void ReadOperands();
    void WriteBoxes();
    void ShowLists();
    // Shows a handler's message, its lists and, where it says so, its editor.
    void Finish(const WorkbenchAnswer& answer);
    bool AskYesNo(std::string_view question);
    QComboBox* Combo(int id) const;

    MatrixWorkbench workbench_;
};

}  // namespace zentova
