#include "shell/about_box.h"

#include <QPushButton>
#include <array>

#include "kit/control_factory.h"
#include "kit/core_text.h"
#include "kit/credits.h"
#include "kit/page_base.h"
#include "kit/units.h"

namespace zentova {
namespace {

using K = ControlKind;
constexpr int kOkId = 1;

constexpr std::array<ControlRow, 6> kControls{{
    ControlRow{kNoControlId, K::Icon, "aboutIcon", "", 10, 10, 22, 22}.WithName("Zentova 图标"),
    {kNoControlId, K::Label, "aboutVersion", credit::kAboutVersion, 40, 6, 130, 12},
    {kNoControlId, K::Label, "aboutAuthor", credit::kAuthorLine, 40, 19, 130, 12},
    ControlRow{kEmailLinkId, K::Link, "emailLink", credit::kEmailLabel, 40, 34, 190, 12}.WithLink(
        credit::kEmailLink),
    ControlRow{kHomePageLinkId, K::Link, "homePageLink", credit::kHomePageLabel, 40, 48, 190, 12}
        .WithLink(credit::kHomePageLink),
    ControlRow{kOkId, K::PushButton, "okButton", "确定", 178, 7, 50, 14}.WithOptions(
        option::kDefault),
}};

}  // namespace

CAboutDlg::CAboutDlg(CDesktop& desktop, QWidget* parent) : QDialog(parent) {
    setWindowTitle(CoreText(kAboutCaption));
    setFont(PageFont());
    setFixedSize(DluRect(0, 0, 235, 67).size());
    const ControlMap controls = CreateControls(*this, kControls, desktop);
    connect(qobject_cast<QPushButton*>(controls.value(kOkId)), &QPushButton::clicked, this,
            &QDialog::accept);
}

}  // namespace zentova
