#include "pages/series_page.h"

#include <QAbstractButton>
#include <array>
#include <string>

#include "exprtools/expression_tools.h"
#include "kit/desktop.h"
#include "kit/page_task.h"
#include "kit/pictures.h"
#include "pages/function_work.h"

namespace zentova {
namespace {

using K = ControlKind;
using namespace series_id;

// Σ and Π are "Bookman Old Style" in a 70-pixel cell, 30 pixels a character,
// weight 500. Debian has ITC Bookman's twin URW Bookman (fonts-urw-base35):
// its cell is 1.324 em and its average character 0.680 em, so 53 pixels to
// the em narrowed to 83 %. Weight 500 means Bookman's regular face, the
// design URW names Light; asking Qt for 500 would pick Demi.
constexpr const char* kBookmanFamilies[] = {"Bookman Old Style", "URW Bookman", "Liberation Serif"};
constexpr FontSpec kSymbolFont{kBookmanFamilies, 53, 400, 83};
// The functions and results: bold Arial in a 30-pixel cell, 10 pixels a
// character.
constexpr FontSpec kTextFont = ArialFont(30, 10);

// The page creates its controls in table order, which is therefore the tab
// order: the sum's half first, then the product's. The ends and starts sit
// above and below the signs, which do not name them. A sign's label ends where
// its function box begins rather than a few units under it, so that the box
// keeps the mouse; the sign is left-aligned, so it stays where it is drawn.
const std::array<ControlRow, 18> kControls{{
    {1113, K::Group, "sumGroup", "求和", 0, 3, 393, 122},
    ControlRow{kSigma, K::Label, "sigmaLabel", "Σ", 50, 37, 35, 37}.WithFont(kSymbolFont),
    ControlRow{kSumEnd, K::Edit, "sumEndBox", "", 45, 27, 40, 9}.WithName("求和终止值"),
    ControlRow{kSumStart, K::Edit, "sumStartBox", "", 45, 83, 40, 9}.WithName("求和起始值"),
    ControlRow{kSumFunction, K::Edit, "sumFunctionBox", "", 85, 49, 126, 21}
        .WithName("求和的函数")
        .WithFont(kTextFont),
    {kSum, K::PushButton, "sumButton", "求值(&T)", 214, 53, 50, 14},
    ControlRow{kSumResult, K::ReadOnlyEdit, "sumResultBox", "", 267, 49, 102, 21}
        .WithName("和")
        .WithFont(kTextFont),
    {1117, K::Label, "sumStepLabel", "步长", 138, 84, 17, 8},
    {kSumStep, K::Edit, "sumStepBox", "", 160, 84, 40, 9},

    {1013, K::Group, "productGroup", "求积", 0, 129, 393, 123},
    ControlRow{kPi, K::Label, "piLabel", "Π", 48, 168, 37, 39}.WithFont(kSymbolFont),
    ControlRow{kProductEnd, K::Edit, "productEndBox", "", 45, 157, 40, 9}.WithName("求积终止值"),
    ControlRow{kProductStart, K::Edit, "productStartBox", "", 45, 213, 40, 9}.WithName(
        "求积起始值"),
    ControlRow{kProductFunction, K::Edit, "productFunctionBox", "", 85, 180, 126, 21}
        .WithName("求积的函数")
        .WithFont(kTextFont),
    {kProduct, K::PushButton, "productButton", "求值(&M)", 214, 184, 50, 14},
    ControlRow{kProductResult, K::ReadOnlyEdit, "productResultBox", "", 267, 180, 102, 21}
        .WithName("积")
        .WithFont(kTextFont),
    {1118, K::Label, "productStepLabel", "步长", 138, 215, 17, 8},
    {kProductStep, K::Edit, "productStepBox", "", 160, 215, 40, 9},
}};

}  // namespace

CSeriesPage::CSeriesPage(CDesktop& desktop, QWidget* parent)
    : CPageBase(desktop, parent, picture::kPageBackground) {
    CreateControls(kControls);
    // Enter in a result box evaluates its half again; elsewhere it is an
    // ordinary key.
    RouteEnter({kSumEnd, kSumStart, kSumFunction, kSum, kSumResult, kSumStep}, ClickButton(kSum));
    RouteEnter(
        {kProductEnd, kProductStart, kProductFunction, kProduct, kProductResult, kProductStep},
        ClickButton(kProduct));
    RouteOtherEnter(EnterRule::Control);

    auto* sum = ControlAs<QAbstractButton>(kSum);
    auto* product = ControlAs<QAbstractButton>(kProduct);
    sumTask_ = std::make_unique<CPageTask>(sum, nullptr);
    productTask_ = std::make_unique<CPageTask>(product, nullptr);
    connect(sum, &QAbstractButton::clicked, this, &CSeriesPage::Sum);
    connect(product, &QAbstractButton::clicked, this, &CSeriesPage::Product);
    WriteAll();
}

CSeriesPage::~CSeriesPage() = default;

bool CSeriesPage::ReadAll() {
    if (!ReadDouble(kProductStart, product_.start) || !ReadDouble(kProductEnd, product_.end)) {
        return false;
    }
    product_.function = ReadText(kProductFunction);
    if (!ReadDouble(kSumStart, sum_.start) || !ReadDouble(kSumEnd, sum_.end)) return false;
    sum_.function = ReadText(kSumFunction);
    if (!ReadDouble(kProductStep, product_.step) || !ReadDouble(kSumStep, sum_.step)) {
        return false;
    }
    return true;
}

void CSeriesPage::WriteAll() {
    for (const Half* half : {&product_, &sum_}) {
        WriteDouble(half->startBox, half->start);
        WriteDouble(half->endBox, half->end);
        WriteText(half->functionBox, half->function);
        WriteDouble(half->stepBox, half->step);
    }
}

void CSeriesPage::Sum() {
    Evaluate(sum_, *sumTask_);
}

void CSeriesPage::Product() {
    Evaluate(product_, *productTask_);
}

// The boxes show the numbers as read before the computation starts rather
// than when its result arrives: what the person types meanwhile stays.
void CSeriesPage::Evaluate(Half& half, CPageTask& task) {
    if (task.StopIfRunning() || !ReadAll()) return;
    const std::string text = half.function.toStdString();
    const double start = half.start;
    const double end = half.end;
    const double step = half.step;
    const std::string_view problem = SeriesInputProblem(text, start, end, step);
    if (!problem.empty()) Desktop().Inform(this, CoreText(problem));
    WriteAll();
    if (!problem.empty()) return;
    task.Run(
        [this, text, start, end, step, op = half.op, box = half.resultBox](TaskControl& control) {
            FunctionOfX function;
            const Outcome outcome = ComputeSeries(function, text, start, end, step, op, &control);
            return CPageTask::Deliver([this, outcome, box] { ShowOutcome(outcome, box); });
        },
        FunctionWorkMayBeLong(SeriesTermCount(start, end, step), text.size()));
}

}  // namespace zentova
