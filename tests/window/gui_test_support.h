// What every window test needs: a desktop that records messages instead of
// showing them, a watchdog against unexpected modal dialogs, and a fresh main
// window per test.
#pragma once

#include <QDialog>
#include <QObject>
#include <QStringList>
#include <QTimer>
#include <functional>
#include <memory>

#include "kit/desktop.h"
#include "pages/page_registry.h"
#include "shell/main_frame.h"

class QWidget;

namespace zentova::testing {

class RecordingDesktop final : public CDesktop {
  public:
    struct Message {
        QString caption;
        QString text;
        bool question;
    };

    void Inform(QWidget* parent, const QString& text) override;
    bool Ask(QWidget* parent, const QString& caption, const QString& text) override;
    int RunModal(QDialog& dialog) override;
    void OpenLink(const QString& link) override;
    // The file dialogs answer with the next of `filesToOpen` / `filesToSave`,
    // or an empty path (cancelled) when none is left.
    QString ChooseFileToOpen(QWidget* parent, const FileTypes& types = {}) override;
    QString ChooseFileToSave(QWidget* parent, const FileTypes& types = {}) override;
    void SetClipboardText(const QString& text) override;
    QString ClipboardText() const override;

    QList<Message> messages;
    QStringList filesToOpen;
    QStringList filesToSave;
    int fileDialogs = 0;
    FileTypes fileTypes;  // of the last file dialog
    QString clipboard;
    QStringList links;
    QStringList modalTitles;
    bool answer = false;                   // the reply to every question
    std::function<int(QDialog&)> onModal;  // looks at a modal dialog instead of running it
};

// Closes any modal dialog or popup that a test did not route through the
// recording desktop, and remembers its title, so that such a dialog fails the
// test instead of hanging it.
class ModalWatchdog : public QObject {
    Q_OBJECT
  public:
    ModalWatchdog();
    QStringList unexpected;

  private:
    QTimer timer_;
};

// A main window with a recording desktop, shown and active, watched for
// unexpected modal dialogs from Open() to Close(); Close() fails the test when
// one appeared.
struct FrameFixture {
    RecordingDesktop desktop;
    std::unique_ptr<CMainFrame> frame;
    std::unique_ptr<ModalWatchdog> watchdog;

    void Open();
    void Close();
};

// The program's process-wide settings, once per test program.
void PrepareApplication();

// Tips are wrapped for the screen; this undoes the added breaks by comparing
// without line breaks.
QString WithoutBreaks(QString text);

// True when no line of `tip` is wider than the tooltip width.
bool TipFitsWidth(const QString& tip);

}  // namespace zentova::testing
