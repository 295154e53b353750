// Linear systems of up to 100 unknowns: the augmented matrix typed or pasted
// into a large box, the number of unknowns, and the solution listed one
// unknown a line.
#pragma once

#include <QString>

#include "kit/page_base.h"

class QListWidget;

namespace zentova {

namespace linsys_id {
inline constexpr int kSolutions = 1101;
inline constexpr int kSolve = 1102;
inline constexpr int kCoefficients = 1103;
inline constexpr int kUnknownsLabel = 1104;
inline constexpr int kUnknowns = 1105;
inline constexpr int kPrompt = 1132;
}  // namespace linsys_id

class CLinearSystemPage : public CPageBase {
    Q_OBJECT
  public:
    CLinearSystemPage(CDesktop& desktop, QWidget* parent);

    void Solve();

  private:
    bool ReadBoxes();  // false after a count box without an integer
    void WriteBoxes();
    QListWidget* Solutions() const;

    int unknowns_ = 0;
    QString coefficients_;
};

}  // namespace zentova
