#include "kit/virtual_list.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QScrollBar>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>

namespace zentova {
namespace {

// A scroll bar counts in int. Lists with more first lines than this are
// scrolled in proportion, so the bar's steps are then not single lines; the
// keys and the wheel still move by whole lines.
constexpr int kBarLimit = 1 << 30;
constexpr int kMargin = 2;

}  // namespace

CVirtualList::CVirtualList(QWidget* parent) : QAbstractScrollArea(parent) {
    setFocusPolicy(Qt::StrongFocus);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    viewport()->setBackgroundRole(QPalette::Base);
    UpdateScrollBars();
}

void CVirtualList::SetLines(std::uint64_t count, LineSource source) {
    count_ = source ? count : 0;
    source_ = std::move(source);
    first_ = 0;
    widest_ = 0;
    UpdateScrollBars();
    horizontalScrollBar()->setValue(0);
    viewport()->update();
}

void CVirtualList::Clear() {
    SetLines(0, nullptr);
}

QString CVirtualList::Line(std::uint64_t index) const {
    if (index >= count_) return {};
    return QString::fromStdString(source_(index));
}

int CVirtualList::LineHeight() const {
    return std::max(1, fontMetrics().height());
}

int CVirtualList::LinesPerPage() const {
    return std::max(1, viewport()->height() / LineHeight());
}

std::uint64_t CVirtualList::LastFirstLine() const {
    const auto page = static_cast<std::uint64_t>(LinesPerPage());
    return count_ > page ? count_ - page : 0;
}

void CVirtualList::ScrollToLine(std::uint64_t index) {
    first_ = std::min(index, LastFirstLine());
    UpdateScrollBars();
    viewport()->update();
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

void CVirtualList::UpdateScrollBars() {
    const std::uint64_t last = LastFirstLine();
    first_ = std::min(first_, last);
    QScrollBar* bar = verticalScrollBar();
    settingBar_ = true;
    if (last <= static_cast<std::uint64_t>(kBarLimit)) {
        bar->setRange(0, static_cast<int>(last));
        bar->setPageStep(LinesPerPage());
        bar->setValue(static_cast<int>(first_));
    } else {
        bar->setRange(0, kBarLimit);
        bar->setPageStep(std::max(1, static_cast<int>(static_cast<double>(LinesPerPage()) *
                                                      kBarLimit / static_cast<double>(last))));
        bar->setValue(static_cast<int>(
            std::llround(static_cast<double>(first_) / static_cast<double>(last) * kBarLimit)));
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
        const std::uint64_t last = LastFirstLine();
        const int value = verticalScrollBar()->value();
        if (last <= static_cast<std::uint64_t>(kBarLimit)) {
            first_ = static_cast<std::uint64_t>(value);
        } else {
            first_ = static_cast<std::uint64_t>(
                std::llround(static_cast<double>(value) / kBarLimit * static_cast<double>(last)));
        }
        first_ = std::min(first_, last);
    }
    viewport()->update();
}

void CVirtualList::paintEvent(QPaintEvent*) {
    QPainter painter(viewport());
    painter.setPen(palette().color(QPalette::Text));
    const int height = LineHeight();
    const int left = kMargin - horizontalScrollBar()->value();
    const QFontMetrics metrics = fontMetrics();
    int widest = 0;
    std::uint64_t line = first_;
    for (int y = 0; y < viewport()->height() && line < count_; y += height, ++line) {
        const QString text = QString::fromStdString(source_(line));
        widest = std::max(widest, metrics.horizontalAdvance(text));
        painter.drawText(left, y + metrics.ascent(), text);
    }
    WidenTo(widest);
}

void CVirtualList::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    UpdateScrollBars();
}

void CVirtualList::keyPressEvent(QKeyEvent* event) {
    const std::int64_t page = LinesPerPage();
    switch (event->key()) {
        case Qt::Key_Up:
            ScrollBy(-1);
            break;
        case Qt::Key_Down:
            ScrollBy(1);
            break;
        case Qt::Key_PageUp:
            ScrollBy(-page);
            break;
        case Qt::Key_PageDown:
            ScrollBy(page);
            break;
        case Qt::Key_Home:
            ScrollToLine(0);
            break;
        case Qt::Key_End:
            ScrollToLine(count_);
            break;
        case Qt::Key_Left:
            horizontalScrollBar()->triggerAction(QAbstractSlider::SliderSingleStepSub);
            break;
        case Qt::Key_Right:
            horizontalScrollBar()->triggerAction(QAbstractSlider::SliderSingleStepAdd);
            break;
        default:
            QAbstractScrollArea::keyPressEvent(event);
            return;
    }
    event->accept();
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
