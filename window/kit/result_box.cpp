#include "kit/result_box.h"

#include <QAbstractItemView>
#include <QFontInfo>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QTextDocumentFragment>
#include <QTextEdit>

#include "kit/desktop.h"
#include "kit/tooltips.h"

namespace zentova {
namespace {

// QLineEdit keeps 2 pixels free on either side of its text and 1 for the
// caret; they are not part of any style metric.
constexpr int kLineEditTextInset = 2 * 2 + 1;

QString SelectedLines(const QAbstractItemView& view) {
    const QAbstractItemModel* model = view.model();
    if (model == nullptr) return {};
    const QItemSelectionModel* selection = view.selectionModel();
    const bool all = selection == nullptr || !selection->hasSelection();
    QStringList lines;
    for (int row = 0; row < model->rowCount(); ++row) {
        if (!all && !selection->isRowSelected(row, QModelIndex())) continue;
        QStringList cells;
        for (int column = 0; column < model->columnCount(); ++column) {
            cells << model->index(row, column).data(Qt::DisplayRole).toString();
        }
        lines << cells.join(QLatin1Char('\t'));
    }
    return lines.join(QLatin1Char('\n'));
}

QString SelectedOrWhole(QWidget& box) {
    if (auto* view = qobject_cast<QAbstractItemView*>(&box)) return SelectedLines(*view);
    if (auto* line = qobject_cast<QLineEdit*>(&box)) {
        return line->hasSelectedText() ? line->selectedText() : line->text();
    }
    // The fragment turns the document's paragraph marks into line breaks.
    if (auto* plain = qobject_cast<QPlainTextEdit*>(&box)) {
        const QTextCursor cursor = plain->textCursor();
        return cursor.hasSelection() ? cursor.selection().toPlainText() : plain->toPlainText();
    }
    if (auto* rich = qobject_cast<QTextEdit*>(&box)) {
        const QTextCursor cursor = rich->textCursor();
        return cursor.hasSelection() ? cursor.selection().toPlainText() : rich->toPlainText();
    }
    return {};
}

// Sits on the box itself, so that it sees the key before the box's own copy,
// which would copy nothing without a selection and bypass the desktop.
class CCopyFilter final : public QObject {
  public:
    CCopyFilter(CDesktop& desktop, QObject* parent) : QObject(parent), desktop_(desktop) {}

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        const QEvent::Type type = event->type();
        if (type != QEvent::KeyPress && type != QEvent::ShortcutOverride) return false;
        if (!static_cast<QKeyEvent*>(event)->matches(QKeySequence::Copy)) return false;
        // Claiming the shortcut makes the key come here as a key press even
        // where the window has a shortcut of its own on it.
        event->accept();
        if (type == QEvent::KeyPress) {
            desktop_.SetClipboardText(SelectedOrWhole(*static_cast<QWidget*>(watched)));
        }
        return true;
    }

  private:
    CDesktop& desktop_;
};

int PixelSizeOf(const QFont& font) {
    return font.pixelSize() > 0 ? font.pixelSize() : QFontInfo(font).pixelSize();
}

}  // namespace

CResultBox::CResultBox(QWidget* parent) : QLineEdit(parent) {
    setReadOnly(true);
    connect(this, &QLineEdit::textChanged, this, &CResultBox::Refit);
}

void CResultBox::Settle() {
    fullFont_ = font();
    ownTip_ = toolTip();
    ownName_ = accessibleName();
    settled_ = true;
    Refit();
}

void CResultBox::resizeEvent(QResizeEvent* event) {
    QLineEdit::resizeEvent(event);
    Refit();
}

bool CResultBox::Fits(const QFont& face) const {
    QStyleOptionFrame option;
    initStyleOption(&option);
    const QRect contents = style()
                               ->subElementRect(QStyle::SE_LineEditContents, &option, this)
                               .marginsRemoved(textMargins());
    return QFontMetrics(face).horizontalAdvance(text()) <= contents.width() - kLineEditTextInset;
}

void CResultBox::Refit() {
    if (!settled_) return;
    QFont face = fullFont_;
    for (int size = PixelSizeOf(face); size > kSmallestPixelSize && !Fits(face); --size) {
        face.setPixelSize(size - 1);
    }
    if (face != font()) {
        // The margins that centre a line in a low box depend on the font.
        setFont(face);
        FitTextIntoLowBox(*this);
    }
    whole_ = Fits(face);
    // The start of a result says the most: the sign and the first digits.
    setCursorPosition(0);
    QString name = ownName_;
    if (whole_) {
        if (toolTip() != ownTip_) setToolTip(ownTip_);
    } else {
        SetTip(this, text());
        name = ownName_.isEmpty() ? text() : ownName_ + QStringLiteral("：") + text();
    }
    // Each setting tells the screen reader that the name changed.
    if (accessibleName() != name) setAccessibleName(name);
}

void CopyWholeOnCtrlC(QWidget& box, CDesktop& desktop) {
    box.installEventFilter(new CCopyFilter(desktop, &box));
}

void CopyLinesOnCtrlC(QAbstractItemView& view, CDesktop& desktop) {
    view.installEventFilter(new CCopyFilter(desktop, &view));
}

void FitTextIntoLowBox(QLineEdit& edit) {
    const QFontMetrics metrics(edit.font());
    const int frame = edit.style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, &edit);
    const int height = edit.height();
    if (height - 2 * frame >= metrics.height()) {
        edit.setTextMargins(0, 0, 0, 0);
        return;
    }
    const int cap = metrics.capHeight();
    const int lineTop = (height - cap) / 2 + cap - metrics.ascent();
    edit.setTextMargins(0, lineTop - frame, 0, height - frame - lineTop - metrics.height());
}

}  // namespace zentova
