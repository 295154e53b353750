// The table of 33 constants; selecting one puts its value on the clipboard.
#pragma once

#include "kit/page_base.h"

namespace zentova {

namespace constants_id {
inline constexpr int kList = 1112;
}  // namespace constants_id

class CConstantsPage : public CPageBase {
    Q_OBJECT
  public:
    CConstantsPage(CDesktop& desktop, QWidget* parent);

  private:
    void CopySelected();
};

}  // namespace zentova
