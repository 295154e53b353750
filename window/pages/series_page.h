// The sum and the product of a function of x over x = start, start + step, ...
// up to the end: one half of the page each around a large Σ and Π, each
// evaluation rewriting every box with the numbers as read.
#pragma once

#include <QString>
#include <memory>

#include "kit/page_base.h"

namespace zentova {

class CPageTask;
struct Outcome;

namespace series_id {
inline constexpr int kSigma = 1073;
inline constexpr int kSumEnd = 1102;
inline constexpr int kSumStart = 1103;
inline constexpr int kSumFunction = 1106;
inline constexpr int kSum = 1108;
inline constexpr int kSumResult = 1109;
inline constexpr int kSumStep = 1115;
inline constexpr int kPi = 1107;
inline constexpr int kProductEnd = 1104;
inline constexpr int kProductStart = 1105;
inline constexpr int kProductFunction = 1110;
inline constexpr int kProduct = 1111;
inline constexpr int kProductResult = 1112;
inline constexpr int kProductStep = 1116;
}  // namespace series_id

class CSeriesPage : public CPageBase {
    Q_OBJECT
  public:
    CSeriesPage(CDesktop& desktop, QWidget* parent);
    ~CSeriesPage() override;

    // The two evaluate buttons; a click while its computation runs stops it.
    void Sum();
    void Product();

  private:
    // One half's values and the boxes that show them.
    struct Half {
        int startBox, endBox, stepBox, functionBox, resultBox;
        char op;  // '+' sums, '*' multiplies
        double start = 0;
        double end = 0;
        double step = 1;
        QString function{};
    };

    // All boxes in their order of exchange; false at the first box that holds
    // no number, after its prompt.
    bool ReadAll();
    void WriteAll();
    void Evaluate(Half& half, CPageTask& task);

    Half sum_{series_id::kSumStart,    series_id::kSumEnd,    series_id::kSumStep,
              series_id::kSumFunction, series_id::kSumResult, '+'};
    Half product_{series_id::kProductStart,    series_id::kProductEnd,    series_id::kProductStep,
                  series_id::kProductFunction, series_id::kProductResult, '*'};

    // Last, so that a run still going stops before anything it shows into.
    std::unique_ptr<CPageTask> sumTask_;
    std::unique_ptr<CPageTask> productTask_;
};

}  // namespace zentova
