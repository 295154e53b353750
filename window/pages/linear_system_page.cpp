#include "pages/linear_system_page.h"

#include <QAbstractButton>
#include <QListWidget>
#include <array>

#include "kit/desktop.h"
#include "kit/pictures.h"
#include "kit/result_box.h"
#include "linalg/linear_system.h"

namespace zentova {
namespace {

using K = ControlKind;

// Matrix texts: bold Arial in a 20-pixel cell, 8 pixels a character.
constexpr FontSpec kMatrixFont = ArialFont(20, 8);

// Each box follows the label that names it; labels take no focus, so the tab
// order is the coefficient box, the button, the list and the count.
constexpr std::array<ControlRow, 6> kControls{{
    {linsys_id::kPrompt, K::Label, "systemPromptLabel", "请在下面的编辑框中输入方程组的系数矩阵", 6,
     7, 153, 8},
    ControlRow{linsys_id::kCoefficients, K::MultiLineEdit, "systemCoefficientBox", "", 6, 21, 281,
               225}
        .WithName("系数矩阵")
        .WithFont(kMatrixFont)
        .WithOptions(option::kWrap),
    {linsys_id::kSolve, K::PushButton, "systemSolveButton", "解出(&E)", 296, 25, 90, 29},
    // The lines sort as text, so x10 stands between x1 and x2.
    ControlRow{linsys_id::kSolutions, K::List, "systemSolutionList", "", 296, 60, 90, 186}
        .WithName("方程组的解")
        .WithOptions(option::kSorted | option::kHorizontalScroll),
    // One-line boxes are 12 units high, not 9: the stand-in for the 9-point
    // Song face needs 17 pixels a line, and 9 units cut the text's foot off.
    {linsys_id::kUnknownsLabel, K::Label, "systemUnknownsLabel", "元数", 305, 8, 17, 8},
    {linsys_id::kUnknowns, K::DigitsEdit, "systemUnknownsBox", "", 326, 7, 40, 12},
}};

}  // namespace

CLinearSystemPage::CLinearSystemPage(CDesktop& desktop, QWidget* parent)
    : CPageBase(desktop, parent, picture::kPageBackground) {
    CreateControls(kControls);
    RouteEnter({linsys_id::kSolve, linsys_id::kUnknowns}, ClickButton(linsys_id::kSolve));
    RouteEnter({linsys_id::kCoefficients}, EnterRule::Control);
    // Lines are picked as in any list (Shift and Ctrl with a click or an
    // arrow, Ctrl+A) and taken away with Ctrl+C.
    Solutions()->setSelectionMode(QAbstractItemView::ExtendedSelection);
    CopyLinesOnCtrlC(*Solutions(), Desktop());
    connect(ControlAs<QAbstractButton>(linsys_id::kSolve), &QAbstractButton::clicked, this,
            [this] { Solve(); });
    WriteBoxes();
}

QListWidget* CLinearSystemPage::Solutions() const {
    return ControlAs<QListWidget>(linsys_id::kSolutions);
}

bool CLinearSystemPage::ReadBoxes() {
    // A count box without an integer prompts and the solving stops, so that no
    // solution shows for a count other than the one on show; the coefficients
    // are read all the same, so that nothing typed is ever written over.
    coefficients_ = ReadText(linsys_id::kCoefficients);
    return ReadInt(linsys_id::kUnknowns, unknowns_);
}

void CLinearSystemPage::WriteBoxes() {
    WriteInt(linsys_id::kUnknowns, unknowns_);
    WriteText(linsys_id::kCoefficients, coefficients_);
}

void CLinearSystemPage::Solve() {
    if (!ReadBoxes()) return;
    const LinearSystemAnswer answer = SolveLinearSystemText(unknowns_, coefficients_.toStdString());
    if (answer.listCleared) Solutions()->clear();
    // A refused input stops here; a system without a unique solution still
    // has its boxes written back.
    if (!ShowOutcome(answer.outcome)) return;
    QStringList lines;
    lines.reserve(static_cast<qsizetype>(answer.lines.size()));
    for (const std::string& line : answer.lines)
        lines << CoreText(line);
    Solutions()->addItems(lines);
    WriteBoxes();
}

}  // namespace zentova
