// The one top-level window: a fixed-size frame with a toolbar of large picture
// buttons above the view. The page buttons do not all fit in one row, so the
// toolbar shows set A or set B; swapping the sets never changes the page.
#pragma once

#include <QMainWindow>
#include <QVector>

#include "kit/page_entry.h"

class QAction;
class QToolBar;
class QToolButton;

namespace zentova {

class CDesktop;
class CZentovaView;

inline constexpr int kToolbarHeight = 56;

class CMainFrame : public QMainWindow {
    Q_OBJECT
  public:
    CMainFrame(CDesktop& desktop, PageTableView pages, QWidget* parent = nullptr);

    CZentovaView* View() const { return view_; }
    QToolBar* ToolBar() const { return toolbar_; }
    ToolbarSet CurrentSet() const { return set_; }

    // The button at `position` of the set on show, or nullptr.
    QToolButton* Button(int position) const;

    // Reloads the toolbar with `set`; the visible page stays.
    void ShowToolbarSet(ToolbarSet set);

    // Shows the page `step` places after the visible one in toolbar order
    // (set A, then set B, round again), with its set on the toolbar and the
    // focus on its first box: Ctrl+PgDn and Ctrl+Tab go one on, Ctrl+PgUp and
    // Ctrl+Shift+Tab one back.
    void StepPage(int step);

    // The About box, modal (F1).
    void ShowAboutBox();

    // Puts the window in the middle of its screen.
    void Centre();

  protected:
    void showEvent(QShowEvent* event) override;
    // Every page may keep the window open, for work the user would lose.
    void closeEvent(QCloseEvent* event) override;
    bool event(QEvent* event) override;
    // The page keys, wherever the focus is in this window, before any
    // control (a multi-line box, a list) can take them for itself.
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    struct ToolbarButton {
        QAction* action;
        ToolbarSet set;
        QString name;
        QString spokenName;
        int page;  // -1 for the buttons that swap the sets
    };

    // Adds the next button of `set`; buttons are added in toolbar order.
    void AddButton(ToolbarSet set, const char* icon, const char* tip, const char* spokenName,
                   const QString& name, int command, int page);
    // The button of the other set that puts set `to` on the toolbar.
    void AddSetSwitch(const SetSwitchEntry& entry, ToolbarSet to);
    void CheckPageButton(int page);

    CDesktop& desktop_;
    PageTableView pages_;
    QVector<int> pageOrder_;  // page indexes in toolbar order
    CZentovaView* view_ = nullptr;
    QToolBar* toolbar_ = nullptr;
    QVector<ToolbarButton> buttons_;  // set A, then set B, each in toolbar order
    ToolbarSet set_ = ToolbarSet::A;
    bool shownOnce_ = false;
    bool framedOnce_ = false;
};

}  // namespace zentova
