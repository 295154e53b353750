// The definite integral of a function of x between two limits, and its
// derivative at a point: one half of the page each, each evaluation
// rewriting every box with the numbers as read.
#pragma once

#include <QPointer>
#include <QString>
#include <memory>
#include <optional>

#include "kit/page_base.h"

namespace zentova {

class CPageTask;
class CPlotWindow;
struct Outcome;

namespace calculus_id {
inline constexpr int kIntegralSign = 1075;
inline constexpr int kUpperLimit = 1076;
inline constexpr int kLowerLimit = 1077;
inline constexpr int kIntegrand = 1078;
inline constexpr int kIntegrate = 1080;
inline constexpr int kIntegralResult = 1081;
inline constexpr int kIntegralPrecision = 1083;
inline constexpr int kIntegralDepth = 1085;
inline constexpr int kFunction = 1087;
inline constexpr int kPoint = 1089;
inline constexpr int kDifferentiate = 1091;
inline constexpr int kDerivativeResult = 1092;
inline constexpr int kDerivativePrecision = 1094;
inline constexpr int kDerivativeDepth = 1096;  // hidden: always 10
inline constexpr int kInitialStep = 1097;
inline constexpr int kPlot = 1101;
}  // namespace calculus_id

class CCalculusPage : public CPageBase {
    Q_OBJECT
  public:
    CCalculusPage(CDesktop& desktop, QWidget* parent);
    ~CCalculusPage() override;

    // The two evaluate buttons; a click while its computation runs stops it.
    void Integrate();
    void Differentiate();
    // Opens the picture of both functions, drawn from the boxes as they are now.
    void Plot();

  private:
    // All boxes in their order of exchange; false at the first box that holds
    // no number, after its prompt.
    bool ReadAll();
    void WriteAll();
    // The checks in front of a computation; a refusal is a message box.
    bool Accepts(double precision, int depth);

    double lower_ = 0;
    double upper_ = 0;
    QString integrand_;
    double integralPrecision_ = 0.0001;
    double derivativePrecision_ = 0.0001;
    QString function_;
    double initialStep_ = 0.01;
    double point_ = 0;
    int integralDepth_ = 10;
    int derivativeDepth_ = 10;
    // What the shown results were computed from: the picture puts a value in
    // its title, or draws a tangent, only for the inputs it was computed for.
    struct IntegralInputs {
        QString text;
        double lower, upper;
        bool operator==(const IntegralInputs&) const = default;
    };
    struct DerivativeInputs {
        QString text;
        double point;
        bool operator==(const DerivativeInputs&) const = default;
    };
    std::optional<IntegralInputs> integralShownFor_;
    std::optional<DerivativeInputs> derivativeShownFor_;
    QPointer<CPlotWindow> plot_;

    // Last, so that a run still going stops before anything it shows into.
    std::unique_ptr<CPageTask> integralTask_;
    std::unique_ptr<CPageTask> derivativeTask_;
};

}  // namespace zentova
