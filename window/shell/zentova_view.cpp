#include "shell/zentova_view.h"

#include "kit/core_text.h"
#include "kit/page_base.h"
#include "kit/units.h"

namespace zentova {

CZentovaView::CZentovaView(CDesktop& desktop, PageTableView pages, QWidget* parent)
    : QWidget(parent), pages_(pages.size(), nullptr) {
    setFixedSize(kPageSize);
    InstallPageKeyRouter(this);
    const std::vector<int> order = CoverFirst(pages);
    for (const int index : order) {
        const PageEntry& entry = pages[static_cast<std::size_t>(index)];
        CPageBase* page = entry.create(desktop, this);
        page->setObjectName(QStringLiteral("page%1").arg(index));
        page->setAccessibleName(CoreText(SpokenName(entry)));
        page->move(0, 0);
        pages_[static_cast<std::size_t>(index)] = page;
    }
    // The window opens on the page made first, the cover.
    if (!order.empty()) visible_ = order.front();
    for (int index = 0; index < PageCount(); ++index) {
        Page(index)->setVisible(index == visible_);
    }
    for (CPageBase* page : pages_)
        page->update();
}

CZentovaView::~CZentovaView() {
    // In index order, before the base class frees its children in creation
    // order.
    for (CPageBase*& page : pages_) {
        delete page;
        page = nullptr;
    }
}

CPageBase* CZentovaView::Page(int index) const {
    if (index < 0 || index >= PageCount()) return nullptr;
    return pages_[static_cast<std::size_t>(index)];
}

void CZentovaView::ShowPage(int index) {
    CPageBase* shown = Page(index);
    if (shown == nullptr) return;
    // Hiding the page that holds the focus moves it along the focus chain,
    // possibly into the page being shown; that is not the user's choice, so
    // the page keeps the control it remembered before.
    QWidget* remembered = shown->RememberedFocus();
    for (int i = 0; i < PageCount(); ++i) {
        CPageBase* page = Page(i);
        page->setVisible(i == index);
        page->update();
    }
    visible_ = index;
    shown->RememberFocus(remembered);
    shown->setFocus(Qt::OtherFocusReason);
    emit pageShown(index);
}

}  // namespace zentova
