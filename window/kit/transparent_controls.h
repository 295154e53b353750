// Labels and group frames drawn straight over a page's background picture:
// they paint no background of their own and keep the system text colour.
#pragma once

#include <QGroupBox>
#include <QLabel>

namespace zentova {

class CTransparentStatic : public QLabel {
    Q_OBJECT
  public:
    explicit CTransparentStatic(QWidget* parent = nullptr);
};

// The group frames of the pages.
class CTransparentButton : public QGroupBox {
    Q_OBJECT
  public:
    explicit CTransparentButton(QWidget* parent = nullptr);
};

}  // namespace zentova
