// A scrolling list of lines that are made when they are drawn: it holds a line
// count and a function from line number to text, and nothing per line, so
// that a truth table of 26 variables (2^26 + 1 lines) costs no memory. Arrow
// keys, Page Up and Down, Home and End and the wheel scroll it; it has no
// selection.
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

    explicit CVirtualList(QWidget* parent = nullptr);

    // Shows `count` lines from `source`, the first at the top.
    void SetLines(std::uint64_t count, LineSource source);
    void Clear();

    std::uint64_t LineCount() const { return count_; }
    QString Line(std::uint64_t index) const;  // "" beyond the last line
    std::uint64_t FirstVisibleLine() const { return first_; }
    int LinesPerPage() const;  // whole lines that fit

    // Puts line `index` at the top, or as near as the end of the list allows.
    void ScrollToLine(std::uint64_t index);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    void changeEvent(QEvent* event) override;

  private:
    std::uint64_t LastFirstLine() const;
    int LineHeight() const;
    void UpdateScrollBars();
    void WidenTo(int width);
    void ScrollBy(std::int64_t lines);

    std::uint64_t count_ = 0;
    LineSource source_;
    std::uint64_t first_ = 0;
    int widest_ = 0;  // widest line drawn so far, for the sideways scroll bar
    int wheelRest_ = 0;
    bool settingBar_ = false;
};

}  // namespace zentova
