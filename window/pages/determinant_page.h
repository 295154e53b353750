// Determinants of order up to 100: the matrix typed or pasted into a large
// box, its order, and the value in a read-only box.
#pragma once

#include <QString>

#include "kit/page_base.h"

namespace zentova {

namespace det_id {
inline constexpr int kMatrix = 1053;
inline constexpr int kEvaluate = 1054;
inline constexpr int kResult = 1055;
inline constexpr int kOrder = 1056;
inline constexpr int kOrderLabel = 1074;
inline constexpr int kPrompt = 1132;
}  // namespace det_id

class CDeterminantPage : public CPageBase {
    Q_OBJECT
  public:
    CDeterminantPage(CDesktop& desktop, QWidget* parent);

    void Evaluate();

  private:
    int order_ = 0;
    QString matrix_;
};

}  // namespace zentova
