#include "shell/startup_script.h"

#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>
#include <QPixmap>
#include <QScreen>
#include <QTimer>
#include <QToolTip>

#include "shell/main_frame.h"
#include "shell/zentova_view.h"

namespace zentova {
namespace {

void SendKey(CMainFrame& frame, int key, const QString& text) {
    // Without a window manager the window may never become active; the
    // widget that holds the window's focus then takes the keys.
    QWidget* target = QApplication::focusWidget();
    if (target == nullptr) target = frame.focusWidget();
    if (target == nullptr) return;
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(target, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QApplication::sendEvent(target, &release);
}

void SaveWindowPicture(CMainFrame& frame, const QString& file) {
    QPixmap picture;
    const QRect outer = frame.frameGeometry();
    if (QScreen* screen = frame.screen(); screen != nullptr && outer != frame.geometry()) {
        picture = screen->grabWindow(0, outer.x(), outer.y(), outer.width(), outer.height());
    }
    if (picture.isNull()) picture = frame.grab();
    picture.save(file);
}

bool RunStep(CMainFrame& frame, const StartupStep& step) {
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
            if (auto* button = frame.findChild<QAbstractButton*>(step.argument)) button->click();
            break;
        case Kind::Type:
            for (const QChar c : step.argument)
                SendKey(frame, Qt::Key_unknown, QString(c));
            break;
        case Kind::Key:
            SendKey(frame,
                    step.argument == QLatin1String("Escape") ? Qt::Key_Escape : Qt::Key_Return,
                    QString());
            break;
        case Kind::Tip:
            if (auto* widget = frame.findChild<QWidget*>(step.argument)) {
                QToolTip::showText(widget->mapToGlobal(widget->rect().center()), widget->toolTip(),
                                   widget, {}, widget->toolTipDuration());
            }
            break;
        case Kind::Screenshot:
            return false;
    }
    return true;
}

}  // namespace

StartupScript ParseStartupScript(const QStringList& arguments) {
    using Kind = StartupStep::Kind;
    const std::pair<const char*, Kind> kOptions[] = {
        {"--page", Kind::Page},
        {"--set", Kind::Set},
        {"--click", Kind::Click},
        {"--type", Kind::Type},
        {"--key", Kind::Key},
        {"--tip", Kind::Tip},
        {"--screenshot", Kind::Screenshot},
    };
    StartupScript script;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& option = arguments[i];
        bool known = false;
        for (const auto& [name, kind] : kOptions) {
            if (option != QLatin1String(name)) continue;
            known = true;
            if (i + 1 >= arguments.size()) {
                script.error = option + QStringLiteral(" needs a value");
                return script;
            }
            const QString value = arguments[++i];
            bool isNumber = false;
            const int page = value.toInt(&isNumber);
            if (kind == Kind::Page && (!isNumber || page < 0 || page >= kPageCount)) {
                script.error = QStringLiteral("--page takes 0 to 12");
                return script;
            }
            script.steps.push_back({kind, value});
        }
        if (!known) {
            script.error = QStringLiteral("unknown option ") + option;
            return script;
        }
    }
    return script;
}

void RunStartupScript(CMainFrame& frame, const std::vector<StartupStep>& steps) {
    // Give the window time to be mapped and painted before the first step.
    QTimer::singleShot(500, &frame, [&frame, steps] {
        frame.activateWindow();
        for (const StartupStep& step : steps) {
            QApplication::processEvents();
            if (!RunStep(frame, step)) {
                // Let the last changes reach the screen, then take the window
                // with its frame as the window manager drew it.
                const QString file = step.argument;
                QTimer::singleShot(400, &frame, [&frame, file] {
                    SaveWindowPicture(frame, file);
                    QApplication::quit();
                });
                return;
            }
        }
    });
}

}  // namespace zentova
