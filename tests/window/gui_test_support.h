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
#include "kit/page_base.h"
#include "pages/page_registry.h"
#include "shell/main_frame.h"
#include "shell/zentova_view.h"

class QToolButton;
class QWidget;

namespace zentova::testing {

// The pages by their row in the page table, which is their index.
enum class PageId {
    Calculator = 0,
    Matrix = 1,
    Determinant = 2,
    Calculus = 3,
    Series = 4,
    LinearSystem = 5,
    Statistics = 6,
    CustomExpr = 7,
    Graph = 8,
    Constants = 9,
    Polynomial = 10,
    Cover = 11,
    Logic = 12,
};
constexpr int Index(PageId page) {
    return static_cast<int>(page);
}

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

    CZentovaView& View() const { return *frame->View(); }
    CPageBase* Page(PageId page) const { return frame->View()->Page(Index(page)); }
    // The button of the set on show with object name `name`, or nullptr.
    QToolButton* ToolbarButton(const QString& name) const;
};

// A main window opened on one page, whose controls a test finds by object
// name.
struct PageFixture : FrameFixture {
    explicit PageFixture(PageId shown) : page(shown) {}

    // Opens the window and shows the page.
    void Open();

    template <class T = CPageBase>
    T* Shown() const {
        return qobject_cast<T*>(FrameFixture::Page(page));
    }
    template <class T = QWidget>
    T* Find(const QString& name) const {
        return FrameFixture::Page(page)->findChild<T*>(name);
    }

    PageId page;
};

// The program's process-wide settings, once per test program.
void PrepareApplication();

// Tips are wrapped for the screen; this undoes the added breaks by comparing
// without line breaks.
QString WithoutBreaks(QString text);

// True when no line of `tip` is wider than the tooltip width.
bool TipFitsWidth(const QString& tip);

}  // namespace zentova::testing
