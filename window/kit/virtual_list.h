// A scrolling list of lines that are made when they are drawn: it holds a line
// count and a function from line number to text, and nothing per line, so
// that a truth table of 26 variables (2^26 + 1 lines) costs no memory. The
// first lines may be pinned at the top (a table's header) while the others
// scroll beneath them.
//
// It has a current line and a selection of one run of lines, as a list box
// with extended selection: a click selects a line, Shift+click and the arrow
// keys with Shift extend from the line last clicked or moved to without
// Shift, Ctrl+A selects every line. Arrow keys, Page Up and Down, Home and
// End move the current line; the wheel scrolls. Actions added to the list
// (QWidget::addAction) are its context menu, opened by the right button, the
// menu key or Shift+F10, and their shortcuts work while the list has the
// focus. Screen readers see the lines as the items of a list
// (kit/virtual_list_accessible.h).
#pragma once

#include <QAbstractScrollArea>
#include <cstdint>
#include <functional>
#include <string>

namespace zentova {

class CVirtualList : public QAbstractScrollArea {
    Q_OBJECT
  public:
    // Line `i` as UTF-8, for i below the line count.
    using LineSource = std::function<std::string(std::uint64_t)>;
    static constexpr std::uint64_t kNoLine = ~std::uint64_t{0};

    explicit CVirtualList(QWidget* parent = nullptr);

    // Shows `count` lines from `source`, of which the first `pinned` stay in
    // view. Nothing is selected and the first line is current.
    void SetLines(std::uint64_t count, LineSource source, std::uint64_t pinned = 0);
    void Clear();

    std::uint64_t LineCount() const { return count_; }
    std::uint64_t PinnedLines() const { return pinned_; }
    QString Line(std::uint64_t index) const;  // "" beyond the last line
    // Lines `first` to `last` joined by line breaks, built at once.
    QString LinesText(std::uint64_t first, std::uint64_t last) const;
    // Changes with every SetLines, so that whoever keeps a line number can
    // tell that it belongs to an older content.
    std::uint64_t Generation() const { return generation_; }

    // The scrolling part: the first of its lines in view and how many whole
    // lines fit below the pinned ones.
    std::uint64_t FirstVisibleLine() const { return first_; }
    int LinesPerPage() const;
    // Where line `index` is drawn in the viewport; empty when out of view.
    QRect LineRect(std::uint64_t index) const;
    // The line drawn at `point` of the viewport, or kNoLine.
    std::uint64_t LineAt(QPoint point) const;

    // Puts scrolling line `index` at the top, or as near as the end allows.
    void ScrollToLine(std::uint64_t index);
    void ScrollToShow(std::uint64_t index);

    std::uint64_t CurrentLine() const { return current_; }
    // Makes `index` the current line and shows it; without `extend` it alone
    // is selected, with it the selection runs from the anchor to it.
    void MoveCurrentTo(std::uint64_t index, bool extend);
    void SelectAll();
    void ClearSelection();
    // Adds `index` to the selection when the run stays one, else selects it
    // alone; removes it when it ends the run. False when it cannot.
    bool SelectLine(std::uint64_t index);
    bool UnselectLine(std::uint64_t index);

    bool HasSelection() const { return selectionFirst_ != kNoLine; }
    std::uint64_t SelectionFirst() const { return selectionFirst_; }  // kNoLine if none
    std::uint64_t SelectionLast() const { return selectionLast_; }
    std::uint64_t SelectedCount() const;
    bool IsSelected(std::uint64_t index) const;

  signals:
    void currentLineChanged(quint64 line);
    void selectionChanged();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    void changeEvent(QEvent* event) override;

  private:
    std::uint64_t LastFirstLine() const;
    int LineHeight() const;
    int PinnedHeight() const;
    void UpdateScrollBars();
    void WidenTo(int width);
    void ScrollBy(std::int64_t lines);
    void MoveCurrentBy(std::int64_t lines, bool extend);
    void SetSelection(std::uint64_t first, std::uint64_t last);
    void AnnounceCurrent();
    void AnnounceSelection();

    std::uint64_t count_ = 0;
    std::uint64_t pinned_ = 0;
    LineSource source_;
    std::uint64_t generation_ = 0;
    std::uint64_t first_ = 0;
    std::uint64_t current_ = kNoLine;
    std::uint64_t anchor_ = kNoLine;
    std::uint64_t selectionFirst_ = kNoLine;
    std::uint64_t selectionLast_ = kNoLine;
    int widest_ = 0;  // widest line drawn so far, for the sideways scroll bar
    int wheelRest_ = 0;
    bool settingBar_ = false;
};

}  // namespace zentova
