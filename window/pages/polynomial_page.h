// Products of polynomials typed as text, computed on a worker so that the
// window stays responsive; the compute button stops a run that goes on. The
// product shows twice: as one line that can be typed in again, and typeset
// with small raised exponents.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "kit/page_base.h"
#include "polynomial/poly_product.h"

class QTextEdit;

namespace zentova {

class CPageTask;

namespace poly_id {
inline constexpr int kInputLabel = 1142;
inline constexpr int kHint = 1133;
inline constexpr int kInput = 1135;
inline constexpr int kCompute = 1131;
inline constexpr int kPlainResult = 1137;
inline constexpr int kReuseNote = 1116;
inline constexpr int kTermCountLabel = 1140;
inline constexpr int kTermCount = 1141;
inline constexpr int kTypeset = 1139;
}  // namespace poly_id

class CPolynomialPage : public CPageBase {
    Q_OBJECT
  public:
    enum class State {
        Idle,        // the button computes
        Running,     // a worker multiplies; the button stops it
        Displaying,  // a finished product is being written into the boxes
    };

    CPolynomialPage(CDesktop& desktop, QWidget* parent);
    ~CPolynomialPage() override;

    // The compute button: starts a product, or stops the one that runs.
    void Compute();

    State state() const;

  private:
    // What the worker hands over: the product as text, ready to show.
    struct ShownProduct {
        std::string plain;
        std::vector<TypesetRun> runs;
        int termCount = 0;
    };
    struct Typesetting;

    // Lays the typeset product out a few lines at a time, so that the window
    // goes on answering, and shows all of the result at once when it is done.
    void ShowProduct(ShownProduct product);
    void TypesetSomeLines();
    void FinishShowing();

    bool displaying_ = false;
    std::unique_ptr<Typesetting> typesetting_;  // while displaying
    // Only the worker of the current run touches it; the task joins that
    // worker before the engine goes.
    PolyEngine engine_;
    std::unique_ptr<CPageTask> task_;
};

}  // namespace zentova
