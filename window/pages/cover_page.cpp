#include "pages/cover_page.h"

#include <array>

#include "kit/hyperlink.h"
#include "kit/pictures.h"

namespace zentova {
namespace {

constexpr std::array<ControlRow, 4> kControls{{
    {1143, ControlKind::CentredLabel, "versionLabel", credit::kVersionLine, 96, 190, 200, 12},
    {1144, ControlKind::CentredLabel, "authorLabel", credit::kAuthorLine, 96, 203, 200, 12},
    {kEmailLinkId, ControlKind::Link, "emailLink", credit::kEmailLabel, 126, 220, 140, 11},
    {kHomePageLinkId, ControlKind::Link, "homePageLink", credit::kHomePageLabel, 106, 232, 180, 11},
}};

}  // namespace

CCoverPage::CCoverPage(CDesktop& desktop, QWidget* parent)
    : CPageBase(desktop, parent, picture::kCover) {
    CreateControls(kControls);
    ControlAs<CHyperLink>(kEmailLinkId)
        ->Attach(kLinkColour, kLinkHoverColour, QString::fromUtf8(credit::kEmailLink));
    ControlAs<CHyperLink>(kHomePageLinkId)
        ->Attach(kLinkColour, kLinkHoverColour, QString::fromUtf8(credit::kHomePageLink));
    for (const int id : {kEmailLinkId, kHomePageLinkId}) {
        ControlAs<CHyperLink>(id)->setAlignment(Qt::AlignCenter);
    }
}

}  // namespace zentova
