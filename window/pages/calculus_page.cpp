#include "pages/calculus_page.h"

#include <QAbstractButton>
#include <array>
#include <string>

#include "exprtools/expression_tools.h"
#include "kit/desktop.h"
#include "kit/page_task.h"
#include "kit/pictures.h"
#include "pages/function_work.h"
#include "pages/plot_window.h"

namespace zentova {
namespace {

using K = ControlKind;
using namespace calculus_id;

// The integral sign is bold Arial in an 80-pixel cell, 30 pixels a character;
// the function, result and "f(x)=" texts are bold Arial in a 30-pixel cell, 10
// pixels a character.
constexpr FontSpec kSignFont = ArialFont(80, 30);
constexpr FontSpec kTextFont = ArialFont(30, 10);

constexpr unsigned kHidden = option::kHidden;

// The page creates its controls in table order, which is therefore the tab
// order: the integral's half first, then the derivative's. The limits and
// the boxes after "f(x)=" and "f'(" are not called by the label before them.
const std::array<ControlRow, 27> kControls{{
    {1099, K::Group, "integralGroup", "定积分", 0, 3, 393, 122},
    ControlRow{kIntegralSign, K::Label, "integralSign", "∫", 18, 24, 24, 62}.WithFont(kSignFont),
    ControlRow{kUpperLimit, K::Edit, "upperLimitBox", "", 45, 23, 40, 9}.WithName("积分上限"),
    ControlRow{kLowerLimit, K::Edit, "lowerLimitBox", "", 45, 63, 40, 9}.WithName("积分下限"),
    ControlRow{kIntegrand, K::Edit, "integrandBox", "", 70, 38, 141, 21}
        .WithName("被积函数")
        .WithFont(kTextFont),
    {1079, K::Label, "dxLabel", "dx", 214, 44, 9, 8},
    {kIntegrate, K::PushButton, "integrateButton", "求值(&I)", 228, 41, 50, 14},
    ControlRow{kIntegralResult, K::ReadOnlyEdit, "integralResultBox", "", 281, 38, 102, 21}
        .WithName("定积分的值")
        .WithFont(kTextFont),
    {1082, K::Label, "integralPrecisionLabel", "精度", 44, 90, 17, 8},
    {kIntegralPrecision, K::Edit, "integralPrecisionBox", "", 64, 89, 40, 9},
    {1084, K::Label, "integralDepthLabel", "深度", 138, 90, 17, 8},
    {kIntegralDepth, K::DigitsEdit, "integralDepthBox", "", 158, 89, 40, 9},

    {1100, K::Group, "derivativeGroup", "微分", 0, 129, 393, 123},
    ControlRow{1086, K::Label, "functionLabel", "f(x)=", 25, 152, 26, 22}.WithFont(kTextFont),
    ControlRow{kFunction, K::Edit, "functionBox", "", 54, 151, 308, 21}
        .WithName("要微分的函数")
        .WithFont(kTextFont),
    ControlRow{1088, K::Label, "pointOpenLabel", "f'(", 25, 186, 12, 22}.WithFont(kTextFont),
    ControlRow{kPoint, K::Edit, "pointBox", "", 39, 193, 44, 9}.WithName("求微分的点"),
    ControlRow{1090, K::Label, "pointCloseLabel", ")", 87, 186, 13, 22}.WithFont(kTextFont),
    {kDifferentiate, K::PushButton, "differentiateButton", "求值(&D)", 104, 192, 50, 14},
    ControlRow{kDerivativeResult, K::ReadOnlyEdit, "derivativeResultBox", "", 162, 189, 147, 21}
        .WithName("微分的值")
        .WithFont(kTextFont),
    {1098, K::Label, "initialStepLabel", "初始步长", 78, 214, 33, 8},
    {kInitialStep, K::Edit, "initialStepBox", "", 114, 214, 40, 9},
    {1093, K::Label, "derivativePrecisionLabel", "精度", 170, 214, 17, 8},
    {kDerivativePrecision, K::Edit, "derivativePrecisionBox", "", 190, 214, 40, 9},
    ControlRow{1095, K::Label, "derivativeDepthLabel", "深度", 249, 214, 17, 8}.WithOptions(
        kHidden),
    ControlRow{kDerivativeDepth, K::DigitsEdit, "derivativeDepthBox", "", 269, 214, 40, 9}
        .WithOptions(kHidden),
    ControlRow{kPlot, K::PushButton, "plotButton", "绘图(&G)", 323, 212, 50, 14}.WithTip(
        "画出被积函数和定积分的面积，以及要微分的函数和它在该点的切线"),
}};

}  // namespace

CCalculusPage::CCalculusPage(CDesktop& desktop, QWidget* parent)
    : CPageBase(desktop, parent, picture::kPageBackground) {
    CreateControls(kControls);
    RouteEnter(
        {kUpperLimit, kLowerLimit, kIntegrand, kIntegrate, kIntegralPrecision, kIntegralDepth},
        ClickButton(kIntegrate));
    RouteEnter(
        {kFunction, kPoint, kDifferentiate, kDerivativePrecision, kDerivativeDepth, kInitialStep},
        ClickButton(kDifferentiate));
    // The result boxes get Enter as an ordinary key, which they ignore.
    RouteOtherEnter(EnterRule::Control);

    auto* integrate = ControlAs<QAbstractButton>(kIntegrate);
    auto* differentiate = ControlAs<QAbstractButton>(kDifferentiate);
    integralTask_ = std::make_unique<CPageTask>(integrate, nullptr);
    derivativeTask_ = std::make_unique<CPageTask>(differentiate, nullptr);
    connect(integrate, &QAbstractButton::clicked, this, &CCalculusPage::Integrate);
    connect(differentiate, &QAbstractButton::clicked, this, &CCalculusPage::Differentiate);
    connect(ControlAs<QAbstractButton>(kPlot), &QAbstractButton::clicked, this,
            &CCalculusPage::Plot);
    WriteAll();
}

CCalculusPage::~CCalculusPage() = default;

bool CCalculusPage::ReadAll() {
    if (!ReadDouble(kLowerLimit, lower_) || !ReadDouble(kUpperLimit, upper_)) return false;
    integrand_ = ReadText(kIntegrand);
    if (!ReadDouble(kIntegralPrecision, integralPrecision_) ||
        !ReadDouble(kDerivativePrecision, derivativePrecision_)) {
        return false;
    }
    function_ = ReadText(kFunction);
    if (!ReadDouble(kInitialStep, initialStep_) || !ReadDouble(kPoint, point_) ||
        !ReadInt(kIntegralDepth, integralDepth_) || !ReadInt(kDerivativeDepth, derivativeDepth_)) {
        return false;
    }
    return true;
}

void CCalculusPage::WriteAll() {
    WriteDouble(kLowerLimit, lower_);
    WriteDouble(kUpperLimit, upper_);
    WriteText(kIntegrand, integrand_);
    WriteDouble(kIntegralPrecision, integralPrecision_);
    WriteDouble(kDerivativePrecision, derivativePrecision_);
    WriteText(kFunction, function_);
    WriteDouble(kInitialStep, initialStep_);
    WriteDouble(kPoint, point_);
    WriteInt(kIntegralDepth, integralDepth_);
    WriteInt(kDerivativeDepth, derivativeDepth_);
}

// The boxes show the numbers as read before the computation starts rather
// than when its result arrives: what the person types meanwhile stays.
bool CCalculusPage::Accepts(double precision, int depth) {
    const std::string_view problem = CalculusInputProblem(precision, depth);
    if (!problem.empty()) Desktop().Inform(this, CoreText(problem));
    WriteAll();
    return problem.empty();
}

void CCalculusPage::Integrate() {
    if (integralTask_->StopIfRunning()) return;
    if (!ReadAll() || !Accepts(integralPrecision_, integralDepth_)) return;
    const std::string text = integrand_.toStdString();
    const double lower = lower_;
    const double upper = upper_;
    const double precision = integralPrecision_;
    const int depth = integralDepth_;
    integralTask_->Run(
        [this, text, lower, upper, precision, depth](TaskControl& control) {
            FunctionOfX function;
            const Outcome outcome =
                ComputeIntegral(function, text, lower, upper, precision, depth, &control);
            return CPageTask::Deliver([this, outcome, text, lower, upper] {
                if (ShowOutcome(outcome, kIntegralResult)) {
                    integralShownFor_ = IntegralInputs{CoreText(text), lower, upper};
                }
            });
        },
        FunctionWorkMayBeLong(IntegralEvaluations(depth), text.size()));
}

void CCalculusPage::Differentiate() {
    if (derivativeTask_->StopIfRunning()) return;
    if (!ReadAll() || !Accepts(derivativePrecision_, derivativeDepth_)) return;
    const std::string text = function_.toStdString();
    const double point = point_;
    const double step = initialStep_;
    const double precision = derivativePrecision_;
    const int depth = derivativeDepth_;
    derivativeTask_->Run(
        [this, text, point, step, precision, depth](TaskControl& control) {
            FunctionOfX function;
            const Outcome outcome =
                ComputeDerivative(function, text, point, step, precision, depth, &control);
            return CPageTask::Deliver([this, outcome, text, point] {
                if (ShowOutcome(outcome, kDerivativeResult)) {
                    derivativeShownFor_ = DerivativeInputs{CoreText(text), point};
                }
            });
        },
        FunctionWorkMayBeLong(DerivativeEvaluations(depth), text.size()));
}

void CCalculusPage::Plot() {
    if (!ReadAll()) return;
    PlotRequest request;
    request.integrand = integrand_;
    request.lower = lower_;
    request.upper = upper_;
    if (integralShownFor_ == IntegralInputs{integrand_, lower_, upper_}) {
        request.integral = ReadText(kIntegralResult);
    }
    request.function = function_;
    request.point = point_;
    if (derivativeShownFor_ == DerivativeInputs{function_, point_}) {
        request.slope = ReadText(kDerivativeResult).toDouble(&request.hasSlope);
    }
    if (plot_ == nullptr) plot_ = new CPlotWindow(Desktop(), this);
    plot_->ShowRequest(request);
    // Where the person put it stays; a window opening anew opens on the screen.
    if (!plot_->isVisible()) PlaceInsideScreen(plot_);
    plot_->show();
    plot_->raise();
    plot_->activateWindow();
}

}  // namespace zentova
