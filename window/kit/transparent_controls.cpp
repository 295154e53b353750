#include "kit/transparent_controls.h"

namespace zentova {
namespace {

void MakeTransparent(QWidget* widget) {
    widget->setAutoFillBackground(false);
    widget->setAttribute(Qt::WA_NoSystemBackground);
    widget->setAttribute(Qt::WA_TranslucentBackground);
}

}  // namespace

CTransparentStatic::CTransparentStatic(QWidget* parent) : QLabel(parent) {
    MakeTransparent(this);
}

CTransparentButton::CTransparentButton(QWidget* parent) : QGroupBox(parent) {
    MakeTransparent(this);
}

}  // namespace zentova
