#include "shell/main_frame.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QScreen>
#include <QToolBar>
#include <QToolButton>
#include <vector>

#include "kit/core_text.h"
#include "kit/credits.h"
#include "kit/desktop.h"
#include "kit/page_base.h"
#include "kit/pictures.h"
#include "kit/tooltips.h"
#include "kit/units.h"
#include "shell/about_box.h"
#include "shell/zentova_view.h"

namespace zentova {

CMainFrame::CMainFrame(CDesktop& desktop, PageTableView pages, QWidget* parent)
    : QMainWindow(parent), desktop_(desktop), pages_(pages) {
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    setWindowTitle(CoreText(credit::kWindowCaption));
    setWindowIcon(PictureIcon(CoreText(picture::kAppIcon), {64, 64}));
    setContextMenuPolicy(Qt::NoContextMenu);

    toolbar_ = new QToolBar(this);
    toolbar_->setObjectName(QStringLiteral("toolbar"));
    toolbar_->setMovable(false);
    toolbar_->setFloatable(false);
    toolbar_->setIconSize({48, 48});
    toolbar_->setToolButtonStyle(Qt::ToolButtonIconOnly);
    toolbar_->setFixedHeight(kToolbarHeight);
    toolbar_->toggleViewAction()->setEnabled(false);
    // The toolbar's own button for buttons that do not fit; all of them fit,
    // but a screen reader should still have a name for it.
    for (QToolButton* extension : toolbar_->findChildren<QToolButton*>()) {
        extension->setAccessibleName(QStringLiteral("更多按钮"));
    }
    addToolBar(Qt::TopToolBarArea, toolbar_);

    view_ = new CZentovaView(desktop, pages, this);
    view_->setObjectName(QStringLiteral("view"));
    setCentralWidget(view_);

    // The page buttons are checkable and one of them, the visible page's, is
    // checked, so that the toolbar and a screen reader say where one is.
    // Set A ends with the button to set B, set B starts with the one back.
    auto* pageButtons = new QActionGroup(this);
    pageButtons->setExclusive(true);
    const std::vector<int> order = CoverFirst(pages);
    for (const ToolbarSet set : {ToolbarSet::A, ToolbarSet::B}) {
        if (set == ToolbarSet::B) AddSetSwitch(kPreviousSetButton, ToolbarSet::A);
        for (const int index : order) {
            const PageEntry& page = pages[static_cast<std::size_t>(index)];
            if (page.set != set) continue;
            AddButton(set, page.icon, page.tip, SpokenName(page),
                      QStringLiteral("pageButton%1").arg(index), page.command, index);
            QAction* action = buttons_.back().action;
            action->setCheckable(true);
            pageButtons->addAction(action);
            connect(action, &QAction::triggered, view_, [this, index] { view_->ShowPage(index); });
            pageOrder_.append(index);
        }
        if (set == ToolbarSet::A) AddSetSwitch(kNextSetButton, ToolbarSet::B);
    }
    connect(view_, &CZentovaView::pageShown, this, &CMainFrame::CheckPageButton);
    CheckPageButton(view_->VisiblePage());
    qApp->installEventFilter(this);

    auto* about = new QAction(this);
    about->setShortcut(QKeySequence(Qt::Key_F1));
    about->setShortcutContext(Qt::WindowShortcut);
    connect(about, &QAction::triggered, this, &CMainFrame::ShowAboutBox);
    addAction(about);

    ShowToolbarSet(ToolbarSet::A);
    setFixedSize(kPageSize.width(), kToolbarHeight + kPageSize.height());
    Centre();
}

void CMainFrame::AddButton(ToolbarSet set, const char* icon, const char* tip,
                           const char* spokenName, const QString& name, int command, int page) {
    auto* action = new QAction(PictureIcon(CoreText(icon), {48, 48}), QString(), this);
    action->setToolTip(CoreText(tip));
    action->setData(command);
    buttons_.push_back({action, set, name, CoreText(spokenName), page});
}

void CMainFrame::AddSetSwitch(const SetSwitchEntry& entry, ToolbarSet to) {
    const ToolbarSet set = to == ToolbarSet::B ? ToolbarSet::A : ToolbarSet::B;
    AddButton(set, entry.icon, entry.tip, entry.tip, QString::fromLatin1(entry.name), entry.command,
              -1);
    connect(buttons_.back().action, &QAction::triggered, this, [this, to] { ShowToolbarSet(to); });
}

void CMainFrame::CheckPageButton(int page) {
    for (const ToolbarButton& button : std::as_const(buttons_)) {
        if (button.page == page) button.action->setChecked(true);
    }
}

void CMainFrame::StepPage(int step) {
    const int count = static_cast<int>(pageOrder_.size());
    if (count == 0) return;
    const int at = static_cast<int>(pageOrder_.indexOf(view_->VisiblePage()));
    const int page = pageOrder_[((at + step) % count + count) % count];
    const ToolbarSet set = pages_[static_cast<std::size_t>(page)].set;
    if (set != set_) ShowToolbarSet(set);
    view_->ShowPage(page);
    view_->Page(page)->FocusFirstBox();
}

namespace {

// +1 for the keys that go to the next page, -1 for those that go back, 0 for
// any other key. The keypad's PgDn and PgUp count as well.
int PageStepOf(const QKeyEvent& key) {
    const Qt::KeyboardModifiers modifiers = key.modifiers() & ~Qt::KeypadModifier;
    const bool control = modifiers == Qt::ControlModifier;
    const bool controlShift = modifiers == (Qt::ControlModifier | Qt::ShiftModifier);
    switch (key.key()) {
        case Qt::Key_PageDown:
            return control ? 1 : 0;
        case Qt::Key_PageUp:
            return control ? -1 : 0;
        case Qt::Key_Tab:
            return control ? 1 : controlShift ? -1 : 0;
        case Qt::Key_Backtab:
            return controlShift ? -1 : 0;
        default:
            return 0;
    }
}

}  // namespace

bool CMainFrame::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type != QEvent::KeyPress && type != QEvent::ShortcutOverride) return false;
    auto* widget = qobject_cast<QWidget*>(watched);
    if (widget == nullptr || widget->window() != this) return false;
    const int step = PageStepOf(*static_cast<QKeyEvent*>(event));
    if (step == 0) return false;
    // Claiming the shortcut makes the key arrive as a key press, which comes
    // here first whatever control has the focus.
    event->accept();
    if (type == QEvent::KeyPress) StepPage(step);
    return true;
}

void CMainFrame::ShowToolbarSet(ToolbarSet set) {
    // The button that asked for the switch is removed here; the toolbar only
    // schedules its deletion, so this is safe inside its own click.
    toolbar_->clear();
    for (const ToolbarButton& button : buttons_) {
        if (button.set != set) continue;
        toolbar_->addAction(button.action);
        if (QWidget* widget = toolbar_->widgetForAction(button.action)) {
            widget->setObjectName(button.name);
            widget->setAccessibleName(button.spokenName);
            widget->setAccessibleDescription(button.action->toolTip());
            SetTip(widget, button.action->toolTip());
        }
    }
    set_ = set;
}

QToolButton* CMainFrame::Button(int position) const {
    int seen = 0;
    for (const ToolbarButton& button : buttons_) {
        if (button.set != set_) continue;
        if (seen++ == position) {
            return qobject_cast<QToolButton*>(toolbar_->widgetForAction(button.action));
        }
    }
    return nullptr;
}

void CMainFrame::ShowAboutBox() {
    CAboutDlg about(desktop_, this);
    desktop_.RunModal(about);
}

void CMainFrame::Centre() {
    const QScreen* screen = this->screen() != nullptr ? this->screen() : qGuiApp->primaryScreen();
    if (screen == nullptr) return;
    QRect frame = frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    move(frame.topLeft());
}

bool CMainFrame::event(QEvent* event) {
    // The window manager's frame is known only once the window is on the
    // screen; centre again then, so that the frame and not just the client
    // area sits in the middle.
    if (event->type() == QEvent::WindowActivate && !framedOnce_ &&
        frameGeometry().size() != size()) {
        framedOnce_ = true;
        Centre();
    }
    return QMainWindow::event(event);
}

void CMainFrame::closeEvent(QCloseEvent* event) {
    for (int i = 0; i < view_->PageCount(); ++i) {
        CPageBase* page = view_->Page(i);
        if (page != nullptr && !page->MayClose()) {
            event->ignore();
            return;
        }
    }
    QMainWindow::closeEvent(event);
}

void CMainFrame::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (shownOnce_) return;
    shownOnce_ = true;
    Centre();
    if (CPageBase* page = view_->Page(view_->VisiblePage())) page->setFocus(Qt::OtherFocusReason);
}

}  // namespace zentova
