// Boxes that show results: whatever they hold can be read whole and taken
// away. A one-line result box shrinks its font until its text fits and, when
// even the smallest readable size is too wide, shows the start with the whole
// text in its tooltip and in the name a screen reader says. Ctrl+C in any
// read-only box copies the selection or, with nothing selected, the whole
// text; in a list of results, the selected lines.
#pragma once

#include <QFont>
#include <QLineEdit>
#include <QString>

class QAbstractItemView;

namespace zentova {

class CDesktop;

class CResultBox final : public QLineEdit {
    Q_OBJECT
  public:
    // The smallest font size a result is shrunk to, in pixels.
    static constexpr int kSmallestPixelSize = 8;

    explicit CResultBox(QWidget* parent);

    // The font, tooltip and spoken name the box has while its text fits, taken
    // from the box as it stands; the form's builder calls this once the
    // box has them, and the box refits itself from then on.
    void Settle();

    // True when the text is shown whole.
    bool ShowsWhole() const { return whole_; }

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    void Refit();
    bool Fits(const QFont& font) const;

    QFont fullFont_;
    QString ownTip_;
    QString ownName_;
    bool settled_ = false;
    bool whole_ = true;
};

// Makes Ctrl+C in the read-only box `box` (a one-line, plain or rich text box)
// copy its selection, or its whole text when nothing is selected, through
// `desktop`.
void CopyWholeOnCtrlC(QWidget& box, CDesktop& desktop);

// Makes Ctrl+C in the list `view` copy its selected lines, in the order shown,
// one line per row with the columns separated by tabs; with nothing selected,
// every line.
void CopyLinesOnCtrlC(QAbstractItemView& view, CDesktop& desktop);

// A one-line box lower than its font's line: the pages' 9-unit
// boxes are 13 or 14 pixels high, and the CJK face that stands in for SimSun
// has a 17-pixel line whose digits sit low, so the box would cut them off.
// The line is moved up until the digits and capitals sit in the middle.
void FitTextIntoLowBox(QLineEdit& edit);

}  // namespace zentova
