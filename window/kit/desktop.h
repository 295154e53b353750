// Everything a page or the frame hands to the desktop: message boxes,
// questions, modal dialogs, file dialogs, the clipboard and links. The program uses the Qt
// implementation; tests put a recorder in its place, so that no modal dialog ever blocks them.
#pragma once

#include <QString>
#include <QStringList>

class QDialog;
class QWidget;

namespace zentova {

// The caption of every message box, the application's title.
inline constexpr char kMessageCaption[] = "Zentova";

// The types a file dialog offers, as a Qt name filter ("表达式文件 (*.zexp);;
// 所有文件 (*)", the first one chosen), and the suffix a saved name without
// one gets. Empty: every file, no suffix.
struct FileTypes {
    QString filter;
    QString defaultSuffix;
};

class CDesktop {
  public:
    virtual ~CDesktop() = default;

    // A message with an OK button and the caption "Zentova".
    virtual void Inform(QWidget* parent, const QString& text) = 0;

    // A question with Yes and No buttons; true for Yes.
    virtual bool Ask(QWidget* parent, const QString& caption, const QString& text) = 0;

    // Runs a modal dialog to its end and returns its result code.
    virtual int RunModal(QDialog& dialog) = 0;

    // Opens a link (a web address or a "mailto:") with the desktop's handler.
    // Failures are not reported.
    virtual void OpenLink(const QString& link) = 0;

    // The file dialogs, offering `types`; saving asks before it replaces a
    // file. An empty path when the person cancels.
    virtual QString ChooseFileToOpen(QWidget* parent, const FileTypes& types = {}) = 0;
    virtual QString ChooseFileToSave(QWidget* parent, const FileTypes& types = {}) = 0;

    // The clipboard, as plain text.
    virtual void SetClipboardText(const QString& text) = 0;
    virtual QString ClipboardText() const = 0;
};

class CQtDesktop final : public CDesktop {
  public:
    void Inform(QWidget* parent, const QString& text) override;
    bool Ask(QWidget* parent, const QString& caption, const QString& text) override;
    int RunModal(QDialog& dialog) override;
    void OpenLink(const QString& link) override;
    QString ChooseFileToOpen(QWidget* parent, const FileTypes& types = {}) override;
    QString ChooseFileToSave(QWidget* parent, const FileTypes& types = {}) override;
    void SetClipboardText(const QString& text) override;
    QString ClipboardText() const override;

    // The next file dialog answers `path` without showing itself, for the
    // start-up options that drive the program without a person.
    void AnswerNextFileDialog(const QString& path) { presetAnswers_.append(path); }

  private:
    QString PresetAnswer();
    QStringList presetAnswers_;
};

// Puts the top-level window `window` where it lies wholly inside the
// available area of its screen (without panels and docks), frame included:
// over the middle of the window it belongs to, moved in and, if it is larger
// than the area, made smaller. The frame's size is known only once the window
// manager has framed the window; until then the frame of the window it
// belongs to stands in for it, and the place is checked again when the window
// first shows. Windows that open beside the main window call this before they
// first show.
void PlaceInsideScreen(QWidget* window);

}  // namespace zentova
