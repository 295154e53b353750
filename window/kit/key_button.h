// A keypad key: a picture for its normal look and one for its pressed look.
// The caption is part of the pictures; text() keeps it for tests and screen
// readers.
#pragma once

#include <QAbstractButton>
#include <QPixmap>

namespace zentova {

class CKeyButton : public QAbstractButton {
    Q_OBJECT
  public:
    CKeyButton(const QString& normalPicture, const QString& pressedPicture,
               QWidget* parent = nullptr);

    QSize sizeHint() const override;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    const QPixmap& Picture(bool pressed);

    QString normalPath_;
    QString pressedPath_;
    QPixmap normal_;
    QPixmap pressed_;
};

}  // namespace zentova
