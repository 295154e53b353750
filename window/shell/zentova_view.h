// The client area of the main window: it creates every page of the table it
// is handed once, keeps them for the life of the window and shows exactly one
// at a time.
#pragma once

#include <QWidget>
#include <vector>

#include "kit/page_entry.h"

namespace zentova {

class CDesktop;
class CPageBase;

class CZentovaView : public QWidget {
    Q_OBJECT
  public:
    CZentovaView(CDesktop& desktop, PageTableView pages, QWidget* parent = nullptr);
    ~CZentovaView() override;

    int PageCount() const { return static_cast<int>(pages_.size()); }
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
    std::vector<CPageBase*> pages_;  // by page index
    int visible_ = -1;
};

}  // namespace zentova
