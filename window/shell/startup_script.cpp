#include "shell/startup_script.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QKeySequence>
#include <QMouseEvent>
#include <QPixmap>
#include <QScreen>
#include <QTimer>
#include <QToolTip>
#include <optional>

#include "kit/desktop.h"
#include "shell/main_frame.h"
#include "shell/zentova_view.h"

namespace zentova {
namespace {

void SendKey(CMainFrame& frame, int key, const QString& text,
             Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    // Without a window manager the window may never become active; the
    // widget that holds the window's focus then takes the keys.
    QWidget* target = QApplication::focusWidget();
    if (target == nullptr) target = frame.focusWidget();
    if (target == nullptr) return;
    if (key == Qt::Key_Menu) {
        // The platform turns the menu key into a context menu event first.
        QContextMenuEvent menu(QContextMenuEvent::Keyboard, QPoint(), QPoint(), modifiers);
        QApplication::sendEvent(target, &menu);
    }
    QKeyEvent press(QEvent::KeyPress, key, modifiers, text);
    QApplication::sendEvent(target, &press);
    QKeyEvent release(QEvent::KeyRelease, key, modifiers, text);
    QApplication::sendEvent(target, &release);
}

// A widget by its object name in any window, a modal dialog's first.
template <class T>
T* FindNamed(CMainFrame& frame, const QString& name) {
    if (QWidget* modal = QApplication::activeModalWidget()) {
        if (T* found = modal->findChild<T*>(name)) return found;
    }
    return frame.findChild<T*>(name);
}

// Clicks row `row` of a list as the mouse would, so that the page sees the
// same signals as from a person; a combo box gets the row chosen.
void SelectRow(CMainFrame& frame, const QString& argument) {
    const qsizetype equals = argument.lastIndexOf(QLatin1Char('='));
    if (equals < 0) return;
    const QString name = argument.left(equals);
    const int row = argument.mid(equals + 1).toInt();
    if (auto* combo = FindNamed<QComboBox>(frame, name)) {
        combo->setCurrentIndex(row);
        emit combo->activated(row);
        return;
    }
    auto* view = FindNamed<QAbstractItemView>(frame, name);
    if (view == nullptr || view->model() == nullptr) return;
    const QModelIndex index = view->model()->index(row, 0);
    view->scrollTo(index);
    const QPoint centre = view->visualRect(index).center();
    for (const QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
        QMouseEvent event(type, centre, view->viewport()->mapToGlobal(centre), Qt::LeftButton,
                          type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton,
                          Qt::NoModifier);
        QApplication::sendEvent(view->viewport(), &event);
    }
}

void SaveWindowPicture(QWidget& window, const QString& file) {
    QPixmap picture;
    const QRect outer = window.frameGeometry();
    if (QScreen* screen = window.screen(); screen != nullptr && outer != window.geometry()) {
        picture = screen->grabWindow(0, outer.x(), outer.y(), outer.width(), outer.height());
    }
    if (picture.isNull()) picture = window.grab();
    picture.save(file);
}

// The window a page opened last: the active one, else any shown window other
// than the frame; the frame itself when there is none.
QWidget& TopWindow(CMainFrame& frame) {
    QWidget* active = QApplication::activeWindow();
    if (active != nullptr && active != &frame) return *active;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        const Qt::WindowType type = window->windowType();
        if (window != &frame && window->isVisible() && (type == Qt::Window || type == Qt::Dialog)) {
            return *window;
        }
    }
    return frame;
}

// Runs one step; the delay in milliseconds before the next.
int RunStep(CMainFrame& frame, CQtDesktop& desktop, const StartupStep& step) {
    using Kind = StartupStep::Kind;
    switch (step.kind) {
        case Kind::Page:
            frame.View()->ShowPage(step.argument.toInt());
            break;
        case Kind::Set:
            frame.ShowToolbarSet(step.argument == QLatin1String("B") ? ToolbarSet::B
                                                                     : ToolbarSet::A);
            break;
        case Kind::Click:
            if (auto* button = FindNamed<QAbstractButton>(frame, step.argument)) {
                // A click that opens a modal dialog returns only when the
                // dialog closes: let the next steps run inside it meanwhile.
                QTimer::singleShot(0, button, &QAbstractButton::click);
            }
            break;
        case Kind::Focus:
            if (auto* widget = FindNamed<QWidget>(frame, step.argument))
                widget->setFocus(Qt::OtherFocusReason);
            break;
        case Kind::Select:
            SelectRow(frame, step.argument);
            break;
        case Kind::Type:
            for (const QChar c : step.argument)
                SendKey(frame, Qt::Key_unknown, QString(c));
            break;
        case Kind::Key: {
            // Any key by its name with its modifiers ("Escape", "Up",
            // "Shift+End", "Menu"); Enter is the main keyboard's, and so is an
            // unknown name. Sent from the event loop as a click is, so that a
            // key that opens a menu lets the next steps run inside it.
            const QKeySequence named = QKeySequence::fromString(step.argument);
            const bool enter = step.argument == QLatin1String("Enter") || named.isEmpty();
            const int key = enter ? Qt::Key_Return : named[0].key();
            const Qt::KeyboardModifiers modifiers =
                enter ? Qt::NoModifier : named[0].keyboardModifiers();
            QTimer::singleShot(
                0, &frame, [&frame, key, modifiers] { SendKey(frame, key, QString(), modifiers); });
            break;
        }
        case Kind::File:
            desktop.AnswerNextFileDialog(step.argument);
            break;
        case Kind::Wait:
            return step.argument.toInt();
        case Kind::Tip:
            if (auto* widget = frame.findChild<QWidget*>(step.argument)) {
                QToolTip::showText(widget->mapToGlobal(widget->rect().center()), widget->toolTip(),
                                   widget, {}, widget->toolTipDuration());
            }
            break;
        case Kind::Screenshot:
        case Kind::ScreenshotTop:
            // Let the last changes reach the screen, then take the window
            // with its frame as the window manager drew it.
            QTimer::singleShot(400, &frame, [&frame, file = step.argument, kind = step.kind] {
                SaveWindowPicture(kind == Kind::ScreenshotTop ? TopWindow(frame) : frame, file);
                // A modal dialog runs a loop of its own that quitting would
                // not end: close every dialog first, then quit once their
                // loops have returned. Then exit rather than quit: quitting
                // asks the window to close, and a page with unsaved work
                // would ask a question nobody is there to answer.
                for (QWidget* window : QApplication::topLevelWidgets()) {
                    if (window != &frame && window->isVisible()) window->close();
                }
                QTimer::singleShot(0, qApp, [] { QCoreApplication::exit(0); });
            });
            return -1;
    }
    return 50;
}

void RunSteps(CMainFrame& frame, CQtDesktop& desktop, std::vector<StartupStep> steps,
              std::size_t next) {
    if (next >= steps.size()) return;
    const int delay = RunStep(frame, desktop, steps[next]);
    if (delay < 0) return;
    QTimer::singleShot(delay, &frame, [&frame, &desktop, steps = std::move(steps), next] {
        RunSteps(frame, desktop, steps, next + 1);
    });
}

}  // namespace

namespace {

struct StartupOption {
    const char* name;
    const char* value;       // its value in the help, "" for none
    const char* usageValue;  // its value in the usage line, where it says more
    const char* help;
    std::optional<StartupStep::Kind> step;  // none: answered before the window exists
};

// Every option of the program, in the order of the help. The parser, the
// help and the usage line are made from this one list.
using Kind = StartupStep::Kind;
constexpr StartupOption kOptions[] = {
    {"--page", "N", nullptr, "show page N (0 to %1)", Kind::Page},
    {"--set", "A|B", nullptr, "show toolbar set A or B", Kind::Set},
    {"--click", "NAME", nullptr, "click the control with object name NAME", Kind::Click},
    {"--focus", "NAME", nullptr, "give NAME the keyboard focus", Kind::Focus},
    {"--select", "NAME=ROW", nullptr, "pick row ROW of a list or drop-down", Kind::Select},
    {"--type", "TEXT", nullptr, "type TEXT into the focused control", Kind::Type},
    {"--key", "KEY", "Enter|Escape|Tab|Up|Shift+Down|Menu|...",
     "press KEY (Enter, Escape, Tab, Up, ...)", Kind::Key},
    {"--file", "PATH", nullptr, "the next file dialog answers PATH", Kind::File},
    {"--wait", "MS", nullptr, "wait MS milliseconds", Kind::Wait},
    {"--tip", "NAME", nullptr, "show the tooltip of NAME", Kind::Tip},
    {"--screenshot", "FILE", "FILE.png", "save a picture of the window and quit", Kind::Screenshot},
    {"--screenshot-top", "FILE", "FILE.png",
     "save a picture of the window a page opened last and quit", Kind::ScreenshotTop},
    {"--help", "", nullptr, "show this help and quit", std::nullopt},
    {"--version", "", nullptr, "show the version and quit", std::nullopt},
};

QString LastPageText(int pageCount) {
    return QString::number(pageCount - 1);
}

}  // namespace

StartupScript ParseStartupScript(const QStringList& arguments, int pageCount) {
    StartupScript script;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& option = arguments[i];
        bool known = false;
        for (const StartupOption& candidate : kOptions) {
            if (!candidate.step || option != QLatin1String(candidate.name)) continue;
            known = true;
            if (i + 1 >= arguments.size()) {
                script.error = option + QStringLiteral(" needs a value");
                return script;
            }
            const QString value = arguments[++i];
            bool isNumber = false;
            const int page = value.toInt(&isNumber);
            if (*candidate.step == Kind::Page && (!isNumber || page < 0 || page >= pageCount)) {
                script.error = QStringLiteral("--page takes 0 to ") + LastPageText(pageCount);
                return script;
            }
            script.steps.push_back({*candidate.step, value});
        }
        if (!known && !option.startsWith(QLatin1Char('-')) && script.file.isEmpty()) {
            script.file = option;
            continue;
        }
        if (!known) {
            script.error = option.startsWith(QLatin1Char('-'))
                               ? QStringLiteral("unknown option ") + option
                               : QStringLiteral("only one file can be opened: ") + option;
            return script;
        }
    }
    return script;
}

QString StartupOptionsHelp(int pageCount) {
    QString help;
    for (const StartupOption& option : kOptions) {
        QString form = QLatin1String(option.name);
        if (option.value[0] != '\0') form += QLatin1Char(' ') + QLatin1String(option.value);
        QString text = QLatin1String(option.help);
        if (option.step == Kind::Page) text = text.arg(LastPageText(pageCount));
        help += QStringLiteral("  ") + form.leftJustified(18) + QStringLiteral("  ") + text +
                QLatin1Char('\n');
    }
    return help;
}

QString StartupUsage() {
    // Wrapped at 90 columns, the next lines under the first option.
    const QString start = QStringLiteral("usage: zentova ");
    QStringList forms;
    for (const StartupOption& option : kOptions) {
        if (!option.step) continue;
        const char* value = option.usageValue != nullptr ? option.usageValue : option.value;
        forms << QLatin1Char('[') + QLatin1String(option.name) + QLatin1Char(' ') +
                     QLatin1String(value) + QLatin1Char(']');
    }
    forms << QStringLiteral("[FILE]");
    QString usage = start;
    qsizetype lineStart = 0;
    for (qsizetype i = 0; i < forms.size(); ++i) {
        if (i > 0 && usage.size() - lineStart + 1 + forms[i].size() > 90) {
            usage += QLatin1Char('\n');
            lineStart = usage.size();
            usage += QString(start.size(), QLatin1Char(' '));
        } else if (i > 0) {
            usage += QLatin1Char(' ');
        }
        usage += forms[i];
    }
    return usage + QLatin1Char('\n');
}

void RunStartupScript(CMainFrame& frame, CQtDesktop& desktop,
                      const std::vector<StartupStep>& steps) {
    // Give the window time to be mapped and painted before the first step.
    QTimer::singleShot(500, &frame, [&frame, &desktop, steps] {
        frame.activateWindow();
        RunSteps(frame, desktop, steps, 0);
    });
}

}  // namespace zentova
