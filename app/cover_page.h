// The page shown at start: the cover picture, the version and author lines and
// the two links.
#pragma once

#include "app/page_base.h"

namespace zentova {

namespace credit {
inline constexpr char kVersionLine[] = "1.63版 最后更新于2002年6月27日";
inline constexpr char kAuthorLine[] = "作者：Zentova 开发组";
inline constexpr char kEmailLabel[] = "EMAIL:zentova@example.org";
inline constexpr char kEmailLink[] = "mailto:zentova@example.org";
inline constexpr char kHomePageLabel[] = "HOMEPAGE:https://zentova.example.org/";
inline constexpr char kHomePageLink[] = "https://zentova.example.org/";
}  // namespace credit

inline constexpr int kEmailLinkId = 1127;
inline constexpr int kHomePageLinkId = 1128;

class CCoverPage : public CPageBase {
    Q_OBJECT
  public:
    CCoverPage(CDesktop& desktop, QWidget* parent);
};

}  // namespace zentova
