#include "pages/cover_page.h"

#include <array>

#include "kit/pictures.h"

namespace zentova {
namespace {

using K = ControlKind;
constexpr unsigned kCentred = option::kCentred;

constexpr std::array<ControlRow, 4> kControls{{
    ControlRow{1143, K::Label, "versionLabel", credit::kVersionLine, 96, 190, 200, 12}.WithOptions(
        kCentred),
    ControlRow{1144, K::Label, "authorLabel", credit::kAuthorLine, 96, 203, 200, 12}.WithOptions(
        kCentred),
    ControlRow{kEmailLinkId, K::Link, "emailLink", credit::kEmailLabel, 126, 220, 140, 11}
        .WithOptions(kCentred)
        .WithLink(credit::kEmailLink),
    ControlRow{kHomePageLinkId, K::Link, "homePageLink", credit::kHomePageLabel, 106, 232, 180, 11}
        .WithOptions(kCentred)
        .WithLink(credit::kHomePageLink),
}};

}  // namespace

CCoverPage::CCoverPage(CDesktop& desktop, QWidget* parent)
    : CPageBase(desktop, parent, picture::kCover) {
    CreateControls(kControls);
}

}  // namespace zentova
