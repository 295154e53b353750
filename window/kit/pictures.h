// The program's pictures are SVG files in its resources, rendered at the
// screen's pixel ratio so that they stay sharp at 1x and 2x.
#pragma once

#include <QCursor>
#include <QIcon>
#include <QPixmap>
#include <QSize>
#include <QString>

namespace zentova {

namespace picture {
inline constexpr char kPageBackground[] = ":/res/page_background.svg";
inline constexpr char kCover[] = ":/res/cover.svg";
inline constexpr char kAppIcon[] = ":/res/zentova.svg";
inline constexpr char kHandCursor[] = ":/res/hand_cursor.svg";
}  // namespace picture

// Registers the compiled-in resources; call once before the first window.
void LoadResources();

// `path` drawn into `size` logical pixels at `ratio` device pixels per pixel.
// An empty pixmap when the picture cannot be read.
QPixmap RenderPicture(const QString& path, QSize size, qreal ratio);

// An icon with 1x and 2x renderings of `path` at `size`.
QIcon PictureIcon(const QString& path, QSize size);

// The 32 x 32 pointing hand shown over links, its hot spot on the finger tip.
QCursor HandCursor();

}  // namespace zentova
