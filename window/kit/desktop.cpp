#include "kit/desktop.h"

#include <QClipboard>
#include <QDesktopServices>
#include <QDialog>
#include <QFileDialog>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QUrl>
#include <QWidget>
#include <algorithm>

#include "kit/core_text.h"

namespace zentova {

namespace {

QMargins FrameOf(const QWidget& window) {
    const QRect outer = window.frameGeometry();
    const QRect inner = window.geometry();
    return {inner.left() - outer.left(), inner.top() - outer.top(), outer.right() - inner.right(),
            outer.bottom() - inner.bottom()};
}

const QWidget* OwnerOf(const QWidget& window) {
    return window.parentWidget() != nullptr ? window.parentWidget()->window() : nullptr;
}

QRect AvailableArea(const QWidget& window) {
    const QWidget* owner = OwnerOf(window);
    const QScreen* screen = owner != nullptr ? owner->screen() : window.screen();
    if (screen == nullptr) screen = QGuiApplication::primaryScreen();
    return screen != nullptr ? screen->availableGeometry() : QRect();
}

// `start` moved by as little as possible into [low, high], or to `low` where
// the range is too narrow.
int Within(int start, int low, int high) {
    return std::max(low, std::min(start, high));
}

void Place(QWidget& window) {
    const QRect area = AvailableArea(window);
    if (area.isEmpty()) return;
    const QWidget* owner = OwnerOf(window);
    QMargins frame = window.isVisible() ? FrameOf(window) : QMargins();
    if (frame.isNull() && owner != nullptr) frame = FrameOf(*owner);
    const QRect room = area.marginsRemoved(frame);
    const QSize size = window.size().boundedTo(room.size()).expandedTo(window.minimumSize());
    if (size != window.size()) window.resize(size);
    QRect place({}, size);
    place.moveCenter(owner != nullptr ? owner->geometry().center() : area.center());
    const int left = Within(place.left(), room.left(), room.right() + 1 - size.width());
    const int top = Within(place.top(), room.top(), room.bottom() + 1 - size.height());
    // A window's position is that of its frame.
    window.move(left - frame.left(), top - frame.top());
}

// Looks again once the window manager has framed the window, whose frame may
// be larger than the stand-in's, and then goes.
class CScreenKeeper final : public QObject {
  public:
    explicit CScreenKeeper(QWidget& window) : QObject(&window), window_(window) {
        setObjectName(QStringLiteral("screenKeeper"));
        window.installEventFilter(this);
    }

  protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() != QEvent::WindowActivate) return false;
        window_.removeEventFilter(this);
        if (!AvailableArea(window_).contains(window_.frameGeometry())) Place(window_);
        deleteLater();
        return false;
    }

  private:
    QWidget& window_;
};

// Dialogs are placed by Qt, inside the screen as far as their frame is known
// then; the keeper checks the place again once they are framed.
void KeepInsideScreen(QWidget& dialog) {
    new CScreenKeeper(dialog);
}

}  // namespace

// Button texts are set here, so that the boxes read as the rest of the
// program does whatever translations the system has.
void CQtDesktop::Inform(QWidget* parent, const QString& text) {
    QMessageBox box(QMessageBox::Warning, CoreText(kMessageCaption), text, QMessageBox::Ok, parent);
    box.button(QMessageBox::Ok)->setText(QStringLiteral("确定"));
    KeepInsideScreen(box);
    box.exec();
}

bool CQtDesktop::Ask(QWidget* parent, const QString& caption, const QString& text) {
    QMessageBox box(QMessageBox::Question, caption, text, QMessageBox::Yes | QMessageBox::No,
                    parent);
    box.button(QMessageBox::Yes)->setText(QStringLiteral("是(&Y)"));
    box.button(QMessageBox::No)->setText(QStringLiteral("否(&N)"));
    box.setDefaultButton(QMessageBox::Yes);
    KeepInsideScreen(box);
    return box.exec() == QMessageBox::Yes;
}

int CQtDesktop::RunModal(QDialog& dialog) {
    KeepInsideScreen(dialog);
    return dialog.exec();
}

void CQtDesktop::OpenLink(const QString& link) {
    QDesktopServices::openUrl(QUrl(link));
}

// Qt's own dialogs rather than the desktop's, so that they look the same
// everywhere and a test platform without a desktop can still show them.
QString CQtDesktop::PresetAnswer() {
    return presetAnswers_.isEmpty() ? QString() : presetAnswers_.takeFirst();
}

QString CQtDesktop::ChooseFileToOpen(QWidget* parent, const FileTypes& types) {
    if (!presetAnswers_.isEmpty()) return PresetAnswer();
    return QFileDialog::getOpenFileName(parent, QString(), QString(), types.filter, nullptr,
                                        QFileDialog::DontUseNativeDialog);
}

QString CQtDesktop::ChooseFileToSave(QWidget* parent, const FileTypes& types) {
    if (!presetAnswers_.isEmpty()) return PresetAnswer();
    // The static dialog call knows no default suffix; the suffix must be
    // added before the dialog asks about replacing a file of that name.
    QFileDialog dialog(parent);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    if (!types.filter.isEmpty()) dialog.setNameFilter(types.filter);
    dialog.setDefaultSuffix(types.defaultSuffix);
    if (dialog.exec() != QDialog::Accepted) return {};
    return dialog.selectedFiles().value(0);
}

void CQtDesktop::SetClipboardText(const QString& text) {
    QGuiApplication::clipboard()->setText(text, QClipboard::Clipboard);
}

QString CQtDesktop::ClipboardText() const {
    return QGuiApplication::clipboard()->text(QClipboard::Clipboard);
}

void PlaceInsideScreen(QWidget* window) {
    if (window == nullptr || !window->isWindow()) return;
    Place(*window);
    // By name: the keeper has no meta-object of its own, so a search by its
    // type would take any child for one.
    if (window->findChild<QObject*>(QStringLiteral("screenKeeper"), Qt::FindDirectChildrenOnly) ==
        nullptr) {
        new CScreenKeeper(*window);
    }
}

}  // namespace zentova
