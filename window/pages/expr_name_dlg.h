// The modal dialog in which one custom expression gets its name and its text.
#pragma once

#include <QDialog>
#include <QString>

#include "kit/control_factory.h"

class QLineEdit;

namespace zentova {

class CDesktop;

namespace expr_name_id {
inline constexpr int kName = 1068;
inline constexpr int kExpression = 1000;
inline constexpr int kOk = 1;
inline constexpr int kCancel = 2;
}  // namespace expr_name_id

class CExprNameDlg : public QDialog {
    Q_OBJECT
  public:
    CExprNameDlg(CDesktop& desktop, QWidget* parent);

    void SetName(const QString& name);
    QString Name() const;
    void SetExpression(const QString& expression);
    QString Expression() const;

    // Runs the dialog through the desktop; true when it closed with "确定".
    bool ShowModal();

  private:
    void OnOk();
    QLineEdit* Box(int id) const;

    CDesktop& desktop_;
    ControlMap controls_;
};

}  // namespace zentova
