// Page geometry. Positions are laid out in dialog units of the page font; one
// unit is 1.5 pixels both ways, which makes a 393 x 252 page 590 x 378 pixels.
#pragma once

#include <QRect>
#include <QSize>

namespace zentova {

// Rounds half up, so that neighbouring rectangles share their edges.
constexpr int DluToPixels(int units) {
    return (units * 3 + 1) / 2;
}

constexpr QRect DluRect(int x, int y, int width, int height) {
    return QRect(DluToPixels(x), DluToPixels(y), DluToPixels(x + width) - DluToPixels(x),
                 DluToPixels(y + height) - DluToPixels(y));
}

inline constexpr int kPageWidthDlu = 393;
inline constexpr int kPageHeightDlu = 252;
inline constexpr QSize kPageSize(DluToPixels(kPageWidthDlu), DluToPixels(kPageHeightDlu));

}  // namespace zentova
