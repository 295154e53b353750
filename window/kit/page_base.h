// What every page has in common: its form built from a control table over the
// background picture, the keyboard filter with its Enter routes, the focus
// rule, reading and writing boxes, and the desktop through which it shows
// every message.
#pragma once

#include <QHash>
#include <QPixmap>
#include <QPointer>
#include <QWidget>
#include <initializer_list>
#include <span>
#include <string_view>

#include "kit/control_factory.h"
#include "kit/control_table.h"
#include "kit/core_text.h"

class QKeyEvent;

namespace zentova {

class CDesktop;
struct Outcome;

// What Enter does when a control has the focus.
enum class EnterRule {
    Consume,     // nothing
    Control,     // the control gets it as an ordinary key: a multi-line box starts a new line
    DialogPath,  // as in a dialog: an editable multi-line box takes it, a focused push
                 // button is pressed, elsewhere the page's default button
    Click,       // a given button is clicked
};

struct EnterRoute {
    constexpr EnterRoute(EnterRule r = EnterRule::Consume, int b = 0) : rule(r), button(b) {}
    EnterRule rule;
    int button;  // for Click
};

constexpr EnterRoute ClickButton(int buttonId) {
    return {EnterRule::Click, buttonId};
}

class CPageBase : public QWidget {
    Q_OBJECT
  public:
    CPageBase(CDesktop& desktop, QWidget* parent, const char* backgroundPicture);

    // Every key press aimed at the page or a control on it comes here before
    // the control sees it; `receiver` is where it was sent. Escape is always
    // consumed, so that no key closes or hides a page; Enter follows the
    // routes. True when consumed.
    bool FilterKey(const QKeyEvent& event, QWidget* receiver);

    // The control that last had the focus gets it back when the page does.
    void RememberFocus(QWidget* control);
    QWidget* RememberedFocus() const { return lastFocus_.data(); }

    // Puts the focus on the first box of the page in tab order that can take
    // it, or, on a page without one, follows the focus rule.
    void FocusFirstBox();

    // The control with identifier `id`, or nullptr.
    QWidget* Control(int id) const { return controls_.value(id); }
    template <class T>
    T* ControlAs(int id) const {
        return qobject_cast<T*>(Control(id));
    }
    // The identifier of the control that is or holds `widget`, or kNoControlId.
    int ControlIdOf(const QWidget* widget) const;

    CDesktop& Desktop() const { return desktop_; }

    // Asked before the window closes: a page with work the user would lose
    // may ask what to do with it; false keeps the window open.
    virtual bool MayClose() { return true; }

  protected:
    // Creates the controls in table order, which is also the tab order.
    void CreateControls(std::span<const ControlRow> rows);

    // Enter with the focus on one of `controls`; controls without a route, and
    // the page itself, follow RouteOtherEnter, which consumes by default.
    void RouteEnter(std::initializer_list<int> controls, EnterRoute route);
    void RouteOtherEnter(EnterRoute route);
    virtual void OnEscapeKey() {}

    // A command's outcome on the page, shown alike on every page. A refusal is
    // a message box and the command goes no further; a stopped one shows
    // nothing. A value's text goes into `resultBoxId`; a command without one
    // (kNoControlId) shows its payload itself. A failure's text goes into
    // `resultBoxId` too, or into a message box where there is no result box.
    // A one-line box shows the start of the text: the sign and the first
    // digits say the most. Lines end in LF, as a box keeps them. True for a
    // value or a failure: the command ran and the page writes the rest of
    // what it shows.
    bool ShowOutcome(const Outcome& outcome, int resultBoxId = kNoControlId);

    // Data exchange. Reading a number box that holds no number prompts for a
    // number, puts the focus on that box and returns false: the caller stops
    // reading there and keeps its fields as they stand.
    bool ReadDouble(int id, double& field);
    bool ReadInt(int id, int& field);
    QString ReadText(int id) const;
    // Writes change a box only when its text differs, so its caret stays.
    void WriteText(int id, const QString& text);
    void WriteDouble(int id, double value);
    void WriteInt(int id, int value);

    void paintEvent(QPaintEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;

  private:
    bool OnEnter(QWidget* receiver);
    bool FollowDialogPath(QWidget* control);
    bool CanTakeFocus(const QWidget* control) const;
    void FailReading(int id, const char* prompt);

    CDesktop& desktop_;
    QString background_;
    QPixmap backgroundCache_;
    ControlMap controls_;
    QList<int> boxes_;  // in tab order
    QHash<int, EnterRoute> enterRoutes_;
    EnterRoute otherEnter_;
    QPointer<QWidget> lastFocus_;
};

// Sends key presses and focus changes of page controls to their page. The view
// installs one for the application; it ends with its owner.
void InstallPageKeyRouter(QObject* owner);

// The page's font: 9-point Song style where the system has it, else the CJK
// sans face, both 12 pixels.
QFont PageFont();

}  // namespace zentova
