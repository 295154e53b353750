#include "kit/pictures.h"

#include <QGuiApplication>
#include <QPainter>
#include <QSvgRenderer>

#include "kit/core_text.h"

// Resource initialisation has to be named outside any namespace.
static void InitZentovaResources() {
    Q_INIT_RESOURCE(zentova);
}

namespace zentova {

void LoadResources() {
    InitZentovaResources();
}

QPixmap RenderPicture(const QString& path, QSize size, qreal ratio) {
    QSvgRenderer renderer(path);
    if (!renderer.isValid() || size.isEmpty()) return {};
    QPixmap pixmap(size * ratio);
    pixmap.fill(Qt::transparent);
    {
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(pixmap.size())));
    }
    pixmap.setDevicePixelRatio(ratio);
    return pixmap;
}

QIcon PictureIcon(const QString& path, QSize size) {
    QIcon icon;
    for (const qreal ratio : {1.0, 2.0}) {
        const QPixmap pixmap = RenderPicture(path, size, ratio);
        if (!pixmap.isNull()) icon.addPixmap(pixmap);
    }
    return icon;
}

QCursor HandCursor() {
    const qreal ratio = qGuiApp != nullptr ? qGuiApp->devicePixelRatio() : 1.0;
    const QPixmap pixmap = RenderPicture(CoreText(picture::kHandCursor), {32, 32}, ratio);
    if (pixmap.isNull()) return QCursor(Qt::PointingHandCursor);
    return QCursor(pixmap, 10, 2);
}

}  // namespace zentova
