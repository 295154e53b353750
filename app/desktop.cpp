#include "app/desktop.h"

#include <QDesktopServices>
#include <QDialog>
#include <QMessageBox>
#include <QUrl>

namespace zentova {

void CQtDesktop::Inform(QWidget* parent, const QString& text) {
    QMessageBox::information(parent, QString::fromUtf8(kMessageCaption), text, QMessageBox::Ok);
}

bool CQtDesktop::Ask(QWidget* parent, const QString& caption, const QString& text) {
    return QMessageBox::question(parent, caption, text, QMessageBox::Yes | QMessageBox::No,
                                 QMessageBox::No) == QMessageBox::Yes;
}

int CQtDesktop::RunModal(QDialog& dialog) {
    return dialog.exec();
}

void CQtDesktop::OpenLink(const QString& link) {
    QDesktopServices::openUrl(QUrl(link));
}

}  // namespace zentova
