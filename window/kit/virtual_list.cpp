#include "kit/virtual_list.h"

#include <QAccessible>
#include <QApplication>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QPainter>
#include <QScrollBar>
#include <QStyleOptionFocusRect>
#include <QWheelEvent>
#include <algorithm>
#include <climits>
#include <cmath>

#include "kit/core_text.h"
#include "kit/virtual_list_accessible.h"

namespace zentova {
namespace {

// A scroll bar counts in int. Lists with more first lines than this are
// scrolled in proportion, so the bar's steps are then not single lines; the
// keys and the wheel still move by whole lines.
constexpr int kBarLimit = 1 << 30;
constexpr int kMargin = 2;

}  // namespace

CVirtualList::CVirtualList(QWidget* parent) : QAbstractScrollArea(parent) {
    InstallVirtualListAccessibility();
    setFocusPolicy(Qt::StrongFocus);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    viewport()->setBackgroundRole(QPalette::Base);
    UpdateScrollBars();
}

void CVirtualList::SetLines(std::uint64_t count, LineSource source, std::uint64_t pinned) {
    count_ = source ? count : 0;
    source_ = std::move(source);
    pinned_ = std::min(pinned, count_);
    ++generation_;
    first_ = pinned_;
    current_ = count_ > 0 ? 0 : kNoLine;
    anchor_ = current_;
    selectionFirst_ = selectionLast_ = kNoLine;
    widest_ = 0;
    UpdateScrollBars();
    horizontalScrollBar()->setValue(0);
    viewport()->update();
    if (QAccessible::isActive()) {
        QAccessibleTableModelChangeEvent reset(this, QAccessibleTableModelChangeEvent::ModelReset);
        QAccessible::updateAccessibility(&reset);
    }
    emit selectionChanged();
    emit currentLineChanged(current_);
}

void CVirtualList::Clear() {
    SetLines(0, nullptr);
}

QString CVirtualList::Line(std::uint64_t index) const {
    if (index >= count_) return {};
    return CoreText(source_(index));
}

QString CVirtualList::LinesText(std::uint64_t first, std::uint64_t last) const {
    if (count_ == 0 || first > last || first >= count_) return {};
    last = std::min(last, count_ - 1);
    std::string text;
    for (std::uint64_t line = first; line <= last; ++line) {
        if (line > first) text += '\n';
        text += source_(line);
    }
    return CoreText(text);
}

int CVirtualList::LineHeight() const {
    return std::max(1, fontMetrics().height());
}

int CVirtualList::PinnedHeight() const {
    // A rule of one pixel parts the pinned lines from the others.
    return pinned_ == 0 ? 0 : static_cast<int>(pinned_) * LineHeight() + 1;
}

int CVirtualList::LinesPerPage() const {
    return std::max(1, (viewport()->height() - PinnedHeight()) / LineHeight());
}

std::uint64_t CVirtualList::LastFirstLine() const {
    const auto page = static_cast<std::uint64_t>(LinesPerPage());
    return count_ > pinned_ + page ? count_ - page : pinned_;
}

QRect CVirtualList::LineRect(std::uint64_t index) const {
    if (index >= count_) return {};
    const int height = LineHeight();
    const int width = viewport()->width();
    if (index < pinned_) return {0, static_cast<int>(index) * height, width, height};
    if (index < first_) return {};
    const std::uint64_t below = index - first_;
    const int top = PinnedHeight();
    if (below >= static_cast<std::uint64_t>((viewport()->height() - top + height - 1) / height)) {
        return {};
    }
    return {0, top + static_cast<int>(below) * height, width, height};
}

std::uint64_t CVirtualList::LineAt(QPoint point) const {
    const int height = LineHeight();
    if (point.y() < 0 || point.y() >= viewport()->height()) return kNoLine;
    std::uint64_t line;
    if (point.y() < PinnedHeight()) {
        line = static_cast<std::uint64_t>(point.y() / height);
        if (line >= pinned_) return kNoLine;  // the rule
    } else {
        line = first_ + static_cast<std::uint64_t>((point.y() - PinnedHeight()) / height);
    }
    return line < count_ ? line : kNoLine;
}

void CVirtualList::ScrollToLine(std::uint64_t index) {
    first_ = std::clamp(index, pinned_, LastFirstLine());
    UpdateScrollBars();
    viewport()->update();
}

void CVirtualList::ScrollToShow(std::uint64_t index) {
    if (index < pinned_ || index >= count_) return;
    const auto page = static_cast<std::uint64_t>(LinesPerPage());
    if (index < first_) {
        ScrollToLine(index);
    } else if (index >= first_ + page) {
        ScrollToLine(index - page + 1);
    }
}

void CVirtualList::ScrollBy(std::int64_t lines) {
    if (lines < 0) {
        const auto back = static_cast<std::uint64_t>(-lines);
        ScrollToLine(first_ > back ? first_ - back : 0);
    } else {
        const auto ahead = static_cast<std::uint64_t>(lines);
        ScrollToLine(first_ + std::min(ahead, count_));
    }
}

void CVirtualList::MoveCurrentTo(std::uint64_t index, bool extend) {
    if (count_ == 0) return;
    index = std::min(index, count_ - 1);
    if (!extend || anchor_ >= count_) anchor_ = index;
    SetSelection(std::min(anchor_, index), std::max(anchor_, index));
    const bool moved = current_ != index;
    current_ = index;
    ScrollToShow(index);
    viewport()->update();
    if (moved) emit currentLineChanged(current_);
    AnnounceCurrent();
}

void CVirtualList::MoveCurrentBy(std::int64_t lines, bool extend) {
    if (count_ == 0) return;
    const std::uint64_t from = current_ < count_ ? current_ : 0;
    if (lines < 0) {
        const auto back = static_cast<std::uint64_t>(-lines);
        MoveCurrentTo(from > back ? from - back : 0, extend);
    } else {
        MoveCurrentTo(from + std::min(static_cast<std::uint64_t>(lines), count_), extend);
    }
}

void CVirtualList::SetSelection(std::uint64_t first, std::uint64_t last) {
    if (first == selectionFirst_ && last == selectionLast_) return;
    selectionFirst_ = first;
    selectionLast_ = last;
    viewport()->update();
    emit selectionChanged();
    AnnounceSelection();
}

void CVirtualList::SelectAll() {
    if (count_ == 0) return;
    SetSelection(0, count_ - 1);
}

void CVirtualList::ClearSelection() {
    SetSelection(kNoLine, kNoLine);
}

bool CVirtualList::SelectLine(std::uint64_t index) {
    if (index >= count_) return false;
    if (!HasSelection() || index + 1 < selectionFirst_ || index > selectionLast_ + 1) {
        SetSelection(index, index);
    } else {
        SetSelection(std::min(index, selectionFirst_), std::max(index, selectionLast_));
    }
    return true;
}

bool CVirtualList::UnselectLine(std::uint64_t index) {
    if (!IsSelected(index)) return true;
    if (selectionFirst_ == selectionLast_) {
        ClearSelection();
    } else if (index == selectionFirst_) {
        SetSelection(index + 1, selectionLast_);
    } else if (index == selectionLast_) {
        SetSelection(selectionFirst_, index - 1);
    } else {
        return false;  // the run would break in two
    }
    return true;
}

std::uint64_t CVirtualList::SelectedCount() const {
    return HasSelection() ? selectionLast_ - selectionFirst_ + 1 : 0;
}

bool CVirtualList::IsSelected(std::uint64_t index) const {
    return HasSelection() && index >= selectionFirst_ && index <= selectionLast_;
}

void CVirtualList::AnnounceCurrent() {
    if (!QAccessible::isActive() || !hasFocus() || current_ >= count_ ||
        current_ > static_cast<std::uint64_t>(INT_MAX)) {
        return;
    }
    QAccessibleEvent focus(this, QAccessible::Focus);
    focus.setChild(static_cast<int>(current_));
    QAccessible::updateAccessibility(&focus);
}

void CVirtualList::AnnounceSelection() {
    if (!QAccessible::isActive()) return;
    QAccessibleEvent within(this, QAccessible::SelectionWithin);
    QAccessible::updateAccessibility(&within);
    if (IsSelected(current_) && current_ <= static_cast<std::uint64_t>(INT_MAX)) {
        QAccessibleEvent added(this, QAccessible::SelectionAdd);
        added.setChild(static_cast<int>(current_));
        QAccessible::updateAccessibility(&added);
    }
}

void CVirtualList::UpdateScrollBars() {
    const std::uint64_t last = LastFirstLine() - pinned_;
    first_ = std::clamp(first_, pinned_, LastFirstLine());
    const std::uint64_t value = first_ - pinned_;
    QScrollBar* bar = verticalScrollBar();
    settingBar_ = true;
    if (last <= static_cast<std::uint64_t>(kBarLimit)) {
        bar->setRange(0, static_cast<int>(last));
        bar->setPageStep(LinesPerPage());
        bar->setValue(static_cast<int>(value));
    } else {
        bar->setRange(0, kBarLimit);
        bar->setPageStep(std::max(1, static_cast<int>(static_cast<double>(LinesPerPage()) *
                                                      kBarLimit / static_cast<double>(last))));
        bar->setValue(static_cast<int>(
            std::llround(static_cast<double>(value) / static_cast<double>(last) * kBarLimit)));
    }
    bar->setSingleStep(1);
    settingBar_ = false;
    QScrollBar* sideways = horizontalScrollBar();
    sideways->setRange(0, std::max(0, widest_ + 2 * kMargin - viewport()->width()));
    sideways->setPageStep(viewport()->width());
    sideways->setSingleStep(std::max(1, fontMetrics().averageCharWidth()));
}

void CVirtualList::WidenTo(int width) {
    if (width <= widest_) return;
    widest_ = width;
    // Changing a scroll bar while painting would lay the area out again inside
    // its own paint event; do it once the painting is over.
    QMetaObject::invokeMethod(
        this, [this] { UpdateScrollBars(); }, Qt::QueuedConnection);
}

void CVirtualList::scrollContentsBy(int, int) {
    if (!settingBar_) {
        const std::uint64_t last = LastFirstLine() - pinned_;
        const int value = verticalScrollBar()->value();
        std::uint64_t offset;
        if (last <= static_cast<std::uint64_t>(kBarLimit)) {
            offset = static_cast<std::uint64_t>(value);
        } else {
            offset = static_cast<std::uint64_t>(
                std::llround(static_cast<double>(value) / kBarLimit * static_cast<double>(last)));
        }
        first_ = pinned_ + std::min(offset, last);
    }
    viewport()->update();
}

void CVirtualList::paintEvent(QPaintEvent*) {
    QPainter painter(viewport());
    const int height = LineHeight();
    const int width = viewport()->width();
    const int left = kMargin - horizontalScrollBar()->value();
    const QFontMetrics metrics = fontMetrics();
    const QPalette::ColorGroup group = hasFocus() ? QPalette::Active : QPalette::Inactive;
    int widest = 0;
    auto paintLine = [&](std::uint64_t line, int y) {
        const QString text = CoreText(source_(line));
        widest = std::max(widest, metrics.horizontalAdvance(text));
        const QRect row(0, y, width, height);
        const bool selected = IsSelected(line);
        if (selected) painter.fillRect(row, palette().color(group, QPalette::Highlight));
        painter.setPen(
            palette().color(group, selected ? QPalette::HighlightedText : QPalette::Text));
        painter.drawText(left, y + metrics.ascent(), text);
        if (line == current_ && hasFocus()) {
            QStyleOptionFocusRect option;
            option.initFrom(this);
            option.rect = row;
            option.backgroundColor =
                palette().color(group, selected ? QPalette::Highlight : QPalette::Base);
            style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
        }
    };
    const int top = PinnedHeight();
    if (pinned_ > 0) {
        painter.fillRect(0, 0, width, top, palette().color(group, QPalette::Button));
        for (std::uint64_t line = 0; line < pinned_; ++line)
            paintLine(line, static_cast<int>(line) * height);
        painter.setPen(palette().color(group, QPalette::Mid));
        painter.drawLine(0, top - 1, width, top - 1);
    }
    painter.setClipRect(0, top, width, viewport()->height() - top);
    std::uint64_t line = first_;
    for (int y = top; y < viewport()->height() && line < count_; y += height, ++line)
        paintLine(line, y);
    WidenTo(widest);
}

void CVirtualList::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    UpdateScrollBars();
}

void CVirtualList::keyPressEvent(QKeyEvent* event) {
    if (event->matches(QKeySequence::SelectAll)) {
        SelectAll();
        event->accept();
        return;
    }
    const bool extend = (event->modifiers() & Qt::ShiftModifier) != 0;
    const std::int64_t page = LinesPerPage();
    switch (event->key()) {
        case Qt::Key_Up:
            MoveCurrentBy(-1, extend);
            break;
        case Qt::Key_Down:
            MoveCurrentBy(1, extend);
            break;
        case Qt::Key_PageUp:
            MoveCurrentBy(-page, extend);
            break;
        case Qt::Key_PageDown:
            MoveCurrentBy(page, extend);
            break;
        case Qt::Key_Home:
            MoveCurrentTo(0, extend);
            break;
        case Qt::Key_End:
            if (count_ > 0) MoveCurrentTo(count_ - 1, extend);
            break;
        case Qt::Key_Left:
            horizontalScrollBar()->triggerAction(QAbstractSlider::SliderSingleStepSub);
            break;
        case Qt::Key_Right:
            horizontalScrollBar()->triggerAction(QAbstractSlider::SliderSingleStepAdd);
            break;
        case Qt::Key_F10: {
            // Shift+F10 as the menu key, whose context menu event the
            // platform sends by itself.
            if (!extend) {
                QAbstractScrollArea::keyPressEvent(event);
                return;
            }
            QContextMenuEvent menu(QContextMenuEvent::Keyboard, QPoint(), QPoint(),
                                   event->modifiers());
            contextMenuEvent(&menu);
            break;
        }
        default:
            QAbstractScrollArea::keyPressEvent(event);
            return;
    }
    event->accept();
}

void CVirtualList::mousePressEvent(QMouseEvent* event) {
    const std::uint64_t line = LineAt(event->position().toPoint());
    if (line == kNoLine) {
        QAbstractScrollArea::mousePressEvent(event);
        return;
    }
    if (event->button() == Qt::LeftButton) {
        MoveCurrentTo(line, (event->modifiers() & Qt::ShiftModifier) != 0);
    } else if (event->button() == Qt::RightButton && !IsSelected(line)) {
        // The menu acts on what was clicked, as in a file list.
        MoveCurrentTo(line, false);
    }
    event->accept();
}

void CVirtualList::mouseMoveEvent(QMouseEvent* event) {
    if ((event->buttons() & Qt::LeftButton) == 0 || count_ == 0) return;
    // Dragging past an edge scrolls a line at a time.
    const QPoint point = event->position().toPoint();
    if (point.y() < PinnedHeight()) {
        if (first_ > pinned_) MoveCurrentTo(first_ - 1, true);
    } else if (point.y() >= viewport()->height()) {
        MoveCurrentTo(first_ + static_cast<std::uint64_t>(LinesPerPage()), true);
    } else if (const std::uint64_t line = LineAt(point); line != kNoLine) {
        MoveCurrentTo(line, true);
    }
}

void CVirtualList::contextMenuEvent(QContextMenuEvent* event) {
    if (actions().isEmpty()) {
        event->ignore();
        return;
    }
    QPoint where = event->globalPos();
    if (event->reason() != QContextMenuEvent::Mouse) {
        // From the keyboard the menu opens below the current line.
        const QRect line = LineRect(current_);
        where = viewport()->mapToGlobal(line.isEmpty() ? QPoint(0, 0) : line.bottomLeft());
    }
    QMenu menu(this);
    menu.setObjectName(QStringLiteral("lineMenu"));
    menu.addActions(actions());
    menu.exec(where);
    event->accept();
}

void CVirtualList::focusInEvent(QFocusEvent* event) {
    QAbstractScrollArea::focusInEvent(event);
    viewport()->update();
    AnnounceCurrent();
}

void CVirtualList::focusOutEvent(QFocusEvent* event) {
    QAbstractScrollArea::focusOutEvent(event);
    viewport()->update();
}

void CVirtualList::wheelEvent(QWheelEvent* event) {
    const QPoint delta = event->angleDelta();
    if (delta.y() == 0 || (event->modifiers() & Qt::AltModifier) != 0) {
        QAbstractScrollArea::wheelEvent(event);
        return;
    }
    // A notch is 120; smaller steps from fine wheels add up to notches.
    wheelRest_ += delta.y();
    const int notches = wheelRest_ / 120;
    wheelRest_ -= notches * 120;
    ScrollBy(-static_cast<std::int64_t>(notches) * QApplication::wheelScrollLines());
    event->accept();
}

void CVirtualList::changeEvent(QEvent* event) {
    QAbstractScrollArea::changeEvent(event);
    if (event->type() == QEvent::FontChange) {
        widest_ = 0;
        UpdateScrollBars();
        viewport()->update();
    }
}

}  // namespace zentova
