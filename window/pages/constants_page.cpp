#include "pages/constants_page.h"

#include <QListWidget>
#include <array>
#include <span>

#include "exprtools/constants.h"
#include "kit/desktop.h"
#include "kit/pictures.h"

namespace zentova {
namespace {

using K = ControlKind;
namespace id = constants_id;

// The list lines pad names with blanks by their GBK width, so the values line
// up only in a face whose Latin letters, digits and blanks are half as wide as
// its Chinese characters, "π" and "°": AR PL SungtiL GB, a Song face like
// SimSun, is such a face; SimSun itself where a system has it.
constexpr const char* kListFamilies[] = {"AR PL SungtiL GB", "SimSun"};
constexpr FontSpec kListFont{kListFamilies, 12};

constexpr std::array<ControlRow, 1> kControls{{
    ControlRow{id::kList, K::List, "constantsList", "", 7, 4, 379, 242}
        .WithName("常数列表")
        .WithFont(kListFont),
}};

}  // namespace

CConstantsPage::CConstantsPage(CDesktop& desktop, QWidget* parent)
    : CPageBase(desktop, parent, picture::kPageBackground) {
    CreateControls(kControls);
    auto* list = ControlAs<QListWidget>(id::kList);
    for (const ConstantEntry& entry : Constants())
        list->addItem(CoreText(ConstantListText(entry)));
    // A selection by mouse or arrow key copies; the list taking the focus moves
    // its current row without selecting, and copies nothing.
    connect(list, &QListWidget::itemSelectionChanged, this, &CConstantsPage::CopySelected);
}

void CConstantsPage::CopySelected() {
    auto* list = ControlAs<QListWidget>(id::kList);
    const QList<QListWidgetItem*> selected = list->selectedItems();
    if (selected.isEmpty()) return;
    const int row = list->row(selected.first());
    const std::span<const ConstantEntry> constants = Constants();
    if (row < 0 || static_cast<std::size_t>(row) >= constants.size()) return;
    const QString text = CoreText(ConstantClipboardText(constants[static_cast<std::size_t>(row)]));
    // The desktop's clipboard takes the text itself; no hidden box is needed
    // to copy from.
    Desktop().SetClipboardText(text);
}

}  // namespace zentova
