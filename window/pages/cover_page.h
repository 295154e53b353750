// The page shown at start: the cover picture, the version and author lines and
// the two links.
#pragma once

#include "kit/credits.h"
#include "kit/page_base.h"

namespace zentova {

class CCoverPage : public CPageBase {
    Q_OBJECT
  public:
    CCoverPage(CDesktop& desktop, QWidget* parent);
};

}  // namespace zentova
