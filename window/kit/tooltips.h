// Tooltips of the frame and the pages: shown for 6 seconds after they pop up
// and wrapped at 300 pixels; a "\n" in a tip breaks its line.
#pragma once

#include <QFont>
#include <QString>

class QWidget;

namespace zentova {

inline constexpr int kTipDurationMs = 6000;
inline constexpr int kTipWidthPx = 300;

// `text` with line breaks added so that no line is wider than `width` pixels
// in `font`. Existing breaks stay; lines break between words or CJK
// characters.
QString WrapTipText(const QString& text, const QFont& font, int width = kTipWidthPx);

// Gives `widget` the tip `text` (UTF-8), wrapped for the tooltip font.
void SetTip(QWidget* widget, const QString& text);

}  // namespace zentova
