#include "gui_test_support.h"

#include <QApplication>
#include <QFontMetrics>
#include <QTest>
#include <QThreadPool>
#include <QToolButton>
#include <QToolTip>

#include "kit/tooltips.h"
#include "shell/zentova_app.h"

namespace zentova::testing {

void RecordingDesktop::Inform(QWidget*, const QString& text) {
    messages.append({QString::fromUtf8(kMessageCaption), text, false});
}

bool RecordingDesktop::Ask(QWidget*, const QString& caption, const QString& text) {
    messages.append({caption, text, true});
    return answer;
}

int RecordingDesktop::RunModal(QDialog& dialog) {
    modalTitles << dialog.windowTitle();
    return onModal ? onModal(dialog) : QDialog::Rejected;
}

void RecordingDesktop::OpenLink(const QString& link) {
    links << link;
}

QString RecordingDesktop::ChooseFileToOpen(QWidget*, const FileTypes& types) {
    ++fileDialogs;
    fileTypes = types;
    return filesToOpen.isEmpty() ? QString() : filesToOpen.takeFirst();
}

QString RecordingDesktop::ChooseFileToSave(QWidget*, const FileTypes& types) {
    ++fileDialogs;
    fileTypes = types;
    return filesToSave.isEmpty() ? QString() : filesToSave.takeFirst();
}

void RecordingDesktop::SetClipboardText(const QString& text) {
    clipboard = text;
}

QString RecordingDesktop::ClipboardText() const {
    return clipboard;
}

ModalWatchdog::ModalWatchdog() {
    connect(&timer_, &QTimer::timeout, this, [this] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal == nullptr) modal = QApplication::activePopupWidget();
        if (modal == nullptr) return;
        unexpected << modal->windowTitle();
        modal->close();
    });
    timer_.start(50);
}

void FrameFixture::Open() {
    watchdog = std::make_unique<ModalWatchdog>();
    desktop.messages.clear();
    desktop.links.clear();
    desktop.modalTitles.clear();
    desktop.answer = false;
    desktop.onModal = nullptr;
    desktop.filesToOpen.clear();
    desktop.filesToSave.clear();
    desktop.fileDialogs = 0;
    desktop.clipboard.clear();
    frame = std::make_unique<CMainFrame>(desktop, PageTable());
    frame->show();
    frame->activateWindow();
    QApplication::setActiveWindow(frame.get());
    QVERIFY(QTest::qWaitForWindowActive(frame.get()));
}

QToolButton* FrameFixture::ToolbarButton(const QString& name) const {
    for (int position = 0; QToolButton* button = frame->Button(position); ++position) {
        if (button->objectName() == name) return button;
    }
    return nullptr;
}

void PageFixture::Open() {
    FrameFixture::Open();
    View().ShowPage(Index(page));
}

void FrameFixture::Close() {
    frame.reset();
    const QStringList unexpected = watchdog ? watchdog->unexpected : QStringList();
    watchdog.reset();
    QVERIFY2(unexpected.isEmpty(), qPrintable(unexpected.join(QStringLiteral(", "))));
}

void PrepareApplication() {
    CZentovaApp::Prepare();
#if defined(__SANITIZE_THREAD__)
    // Qt converts large images in segments on its global thread pool, whose
    // threads take tasks from one queue under a lock the race detector cannot
    // see. With one such thread the queue passes only between it and the
    // window's thread, through calls that the suppressions can name.
    QThreadPool::globalInstance()->setMaxThreadCount(1);
#endif
}

QString WithoutBreaks(QString text) {
    return text.remove(QLatin1Char('\n'));
}

bool TipFitsWidth(const QString& tip) {
    const QFontMetrics metrics(QToolTip::font());
    for (const QString& line : tip.split(QLatin1Char('\n'))) {
        if (metrics.horizontalAdvance(line) > kTipWidthPx) return false;
    }
    return true;
}

}  // namespace zentova::testing
