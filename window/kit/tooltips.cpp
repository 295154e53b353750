#include "kit/tooltips.h"

#include <QStringList>
#include <QTextLayout>
#include <QToolTip>
#include <QWidget>

namespace zentova {

QString WrapTipText(const QString& text, const QFont& font, int width) {
    QStringList lines;
    for (const QString& paragraph : text.split(QLatin1Char('\n'))) {
        if (paragraph.isEmpty()) {
            lines << QString();
            continue;
        }
        QTextLayout layout(paragraph, font);
        layout.beginLayout();
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
            line.setLineWidth(width);
            lines << paragraph.mid(line.textStart(), line.textLength()).trimmed();
        }
        layout.endLayout();
    }
    return lines.join(QLatin1Char('\n'));
}

void SetTip(QWidget* widget, const QString& text) {
    widget->setToolTip(WrapTipText(text, QToolTip::font()));
    widget->setToolTipDuration(kTipDurationMs);
}

}  // namespace zentova
