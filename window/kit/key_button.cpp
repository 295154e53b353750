#include "kit/key_button.h"

#include <QPainter>

#include "kit/pictures.h"

namespace zentova {

CKeyButton::CKeyButton(const QString& normalPicture, const QString& pressedPicture, QWidget* parent)
    : QAbstractButton(parent), normalPath_(normalPicture), pressedPath_(pressedPicture) {
    // A key works on the expression box; taking the focus would make the box
    // drop its selection, which the key is meant to replace.
    setFocusPolicy(Qt::NoFocus);
}

QSize CKeyButton::sizeHint() const {
    return {75, 27};
}

const QPixmap& CKeyButton::Picture(bool pressed) {
    QPixmap& cached = pressed ? pressed_ : normal_;
    const qreal ratio = devicePixelRatioF();
    if (cached.isNull() || cached.deviceIndependentSize().toSize() != size() ||
        cached.devicePixelRatio() != ratio) {
        cached = RenderPicture(pressed ? pressedPath_ : normalPath_, size(), ratio);
    }
    return cached;
}

void CKeyButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QPixmap& picture = Picture(isDown());
    if (!picture.isNull()) {
        painter.drawPixmap(0, 0, picture);
        return;
    }
    // Without its pictures a key still shows what it is.
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    painter.drawText(rect(), Qt::AlignCenter, text());
}

}  // namespace zentova
