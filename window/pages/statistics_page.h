// One of ten statistics of a typed or pasted list of numbers.
#pragma once

#include "kit/page_base.h"

namespace zentova {

namespace stats_id {
inline constexpr int kPrompt = 1132;
inline constexpr int kData = 1106;
inline constexpr int kKindLabel = 1107;
inline constexpr int kKind = 1109;
inline constexpr int kCompute = 1108;
inline constexpr int kResult = 1110;
}  // namespace stats_id

class CStatisticsPage : public CPageBase {
    Q_OBJECT
  public:
    CStatisticsPage(CDesktop& desktop, QWidget* parent);

    void Compute();
};

}  // namespace zentova
