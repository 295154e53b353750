// The About box: icon, version, author credit, OK and the two links.
#pragma once

#include <QDialog>

namespace zentova {

class CDesktop;

inline constexpr char kAboutCaption[] = "关于 Zentova";

class CAboutDlg : public QDialog {
    Q_OBJECT
  public:
    CAboutDlg(CDesktop& desktop, QWidget* parent = nullptr);
};

}  // namespace zentova
