// The client area of the main window: it creates all thirteen pages once,
// keeps them for the life of the window and shows exactly one at a time.
#pragma once

#include <QWidget>
#include <array>

#include "kit/page_entry.h"

namespace zentova {

class CDesktop;
class CPageBase;

class CZentovaView : public QWidget {
    Q_OBJECT
  public:
    CZentovaView(CDesktop& desktop, PageTableView pages, QWidget* parent = nullptr);
    ~CZentovaView() override;

    int PageCount() const { return kPageCount; }
    CPageBase* Page(int index) const;
    int VisiblePage() const { return visible_; }

  public slots:
    // Shows page `index`, hides the others (each repainted at once) and gives
    // the page the focus. Nothing in any page is reset.
    void ShowPage(int index);

  signals:
    // After ShowPage made page `index` the visible one.
    void pageShown(int index);

  private:
    std::array<CPageBase*, kPageCount> pages_{};
    int visible_ = kCoverPageIndex;
};

}  // namespace zentova
