#include "kit/desktop.h"

#include <QClipboard>
#include <QDesktopServices>
#include <QDialog>
#include <QFileDialog>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QUrl>

namespace zentova {

// Button texts are set here, so that the boxes read as the rest of the
// program does whatever translations the system has.
void CQtDesktop::Inform(QWidget* parent, const QString& text) {
    QMessageBox box(QMessageBox::Warning, QString::fromUtf8(kMessageCaption), text, QMessageBox::Ok,
                    parent);
    box.button(QMessageBox::Ok)->setText(QStringLiteral("确定"));
    box.exec();
}

bool CQtDesktop::Ask(QWidget* parent, const QString& caption, const QString& text) {
    QMessageBox box(QMessageBox::Question, caption, text, QMessageBox::Yes | QMessageBox::No,
                    parent);
    box.button(QMessageBox::Yes)->setText(QStringLiteral("是(&Y)"));
    box.button(QMessageBox::No)->setText(QStringLiteral("否(&N)"));
    box.setDefaultButton(QMessageBox::Yes);
    return box.exec() == QMessageBox::Yes;
}

int CQtDesktop::RunModal(QDialog& dialog) {
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

}  // namespace zentova
