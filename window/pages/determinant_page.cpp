#include "pages/determinant_page.h"

#include <QAbstractButton>
#include <array>

#include "kit/pictures.h"
#include "linalg/determinant.h"

namespace zentova {
namespace {

using K = ControlKind;

// The matrix, the order and the value: bold Arial in a 20-pixel cell, 8 pixels
// a character.
constexpr FontSpec kMatrixFont = ArialFont(20, 8);

// The order's label comes before its box so that it names the box; labels
// take no focus, so the tab order is the matrix, the order, the button and
// the value.
constexpr std::array<ControlRow, 6> kControls{{
    {det_id::kPrompt, K::Label, "determinantPromptLabel", "请在下面的编辑框中输入行列式", 6, 7, 113,
     8},
    ControlRow{det_id::kMatrix, K::MultiLineEdit, "determinantMatrixBox", "", 6, 21, 380, 174}
        .WithName("行列式")
        .WithFont(kMatrixFont)
        .WithOptions(option::kWrap),
    {det_id::kOrderLabel, K::Label, "determinantOrderLabel", "阶数", 101, 220, 17, 8},
    ControlRow{det_id::kOrder, K::DigitsEdit, "determinantOrderBox", "", 122, 217, 40, 13}.WithFont(
        kMatrixFont),
    {det_id::kEvaluate, K::PushButton, "determinantEvaluateButton", "求值(&A)", 168, 206, 54, 39},
    ControlRow{det_id::kResult, K::ReadOnlyEdit, "determinantResultBox", "", 225, 217, 161, 13}
        .WithName("行列式的值")
        .WithFont(kMatrixFont),
}};

}  // namespace

CDeterminantPage::CDeterminantPage(CDesktop& desktop, QWidget* parent)
    : CPageBase(desktop, parent, picture::kPageBackground) {
    CreateControls(kControls);
    RouteEnter({det_id::kEvaluate, det_id::kOrder}, ClickButton(det_id::kEvaluate));
    RouteEnter({det_id::kMatrix}, EnterRule::Control);
    connect(ControlAs<QAbstractButton>(det_id::kEvaluate), &QAbstractButton::clicked, this,
            [this] { Evaluate(); });
    WriteDouble(det_id::kResult, 0.0);
    WriteInt(det_id::kOrder, order_);
}

void CDeterminantPage::Evaluate() {
    // The result box is only written: it holds what the page computed, never
    // input. An order box without an integer prompts and stops: a result for
    // an order other than the one on show would pass for the box's.
    matrix_ = ReadText(det_id::kMatrix);
    if (!ReadInt(det_id::kOrder, order_)) return;
    if (!ShowOutcome(EvaluateDeterminantText(order_, matrix_.toStdString()), det_id::kResult)) {
        return;
    }
    WriteInt(det_id::kOrder, order_);
}

}  // namespace zentova
