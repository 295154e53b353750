#include "kit/hyperlink.h"

#include <QMouseEvent>

#include "kit/desktop.h"
#include "kit/pictures.h"

namespace zentova {

CHyperLink::CHyperLink(CDesktop& desktop, QWidget* parent)
    : CTransparentStatic(parent), desktop_(desktop) {
    setMouseTracking(true);
    setCursor(HandCursor());
}

bool CHyperLink::Attach(const QColor& normal, const QColor& hover, const QString& link) {
    if (parentWidget() == nullptr) return false;
    normal_ = normal;
    hover_ = hover;
    link_ = link == QLatin1String(kNoLink) ? QString() : link;
    SetHovering(false);
    return true;
}

void CHyperLink::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()) &&
        !link_.isEmpty()) {
        desktop_.OpenLink(link_);
    }
    CTransparentStatic::mousePressEvent(event);
}

// The label tracks the mouse while it is over it; Qt tells it when the pointer
// leaves, so no mouse capture is needed to notice that.
void CHyperLink::mouseMoveEvent(QMouseEvent* event) {
    CTransparentStatic::mouseMoveEvent(event);
    SetHovering(rect().contains(event->position().toPoint()));
}

void CHyperLink::leaveEvent(QEvent* event) {
    CTransparentStatic::leaveEvent(event);
    SetHovering(false);
}

void CHyperLink::hideEvent(QHideEvent* event) {
    CTransparentStatic::hideEvent(event);
    SetHovering(false);
}

void CHyperLink::SetHovering(bool hovering) {
    hovering_ = hovering;
    QPalette colours = palette();
    colours.setColor(QPalette::WindowText, currentColour());
    setPalette(colours);
    repaint();
}

}  // namespace zentova
