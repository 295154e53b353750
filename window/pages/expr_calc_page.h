// The expression calculator: an expression box typed into or built with the
// keypad, a result box, the history of expressions evaluated successfully and
// the angle mode of the trigonometric functions.
#pragma once

#include "expr/evaluator.h"
#include "kit/page_base.h"

class QLineEdit;
class QListWidget;

namespace zentova {

namespace calc_id {
inline constexpr int kExpression = 1000;
inline constexpr int kResult = 1043;
inline constexpr int kHistory = 1047;
inline constexpr int kAngleLabel = 1052;
inline constexpr int kDegrees = 1044;
inline constexpr int kRadians = 1045;
inline constexpr int kCentesimal = 1046;
}  // namespace calc_id

class CExprCalcPage : public CPageBase {
    Q_OBJECT
  public:
    CExprCalcPage(CDesktop& desktop, QWidget* parent);

    AngleMode angleMode() const { return angleMode_; }

    void PressKey(int id);  // what clicking key `id` does
    void Backspace();
    void Clear();
    void Evaluate();
    void Recall();

  protected:
    void OnEscapeKey() override;

  private:
    QLineEdit* ExpressionBox() const;
    QListWidget* History() const;

    AngleMode angleMode_ = AngleMode::Radians;
};

}  // namespace zentova
