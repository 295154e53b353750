#include "pages/statistics_page.h"

#include <QAbstractButton>
#include <QComboBox>
#include <array>
#include <string>

#include "exprtools/statistics.h"
#include "kit/pictures.h"

namespace zentova {
namespace {

using K = ControlKind;
namespace id = stats_id;

// Bold Arial in a 20-pixel cell, 8 pixels a character, for the data and the
// result.
constexpr FontSpec kBoxFont = ArialFont(20, 8);

constexpr std::array<ControlRow, 6> kControls{{
    {id::kPrompt, K::Label, "statsPromptLabel", "请在下面的编辑框中输入要进行统计的数据", 6, 6, 153,
     8},
    ControlRow{id::kData, K::MultiLineEdit, "statsDataBox", "", 6, 19, 380, 176}
        .WithFont(kBoxFont)
        .WithOptions(option::kWrap),
    {id::kKindLabel, K::Label, "statsKindLabel", "统计计算", 6, 221, 33, 8},
    {id::kKind, K::Combo, "statsKindCombo", "", 45, 219, 132, 152},
    {id::kCompute, K::PushButton, "statsComputeButton", "统计(&S)", 183, 206, 54, 39},
    ControlRow{id::kResult, K::ReadOnlyEdit, "statsResultBox", "", 245, 219, 141, 13}
        .WithName("统计结果")
        .WithFont(kBoxFont),
}};

}  // namespace

CStatisticsPage::CStatisticsPage(CDesktop& desktop, QWidget* parent)
    : CPageBase(desktop, parent, picture::kPageBackground) {
    CreateControls(kControls);
    // Enter computes from the button and the drop-down list; in the data box it
    // starts a new line, and every other control gets it as it comes.
    RouteEnter({id::kCompute, id::kKind}, ClickButton(id::kCompute));
    RouteOtherEnter(EnterRoute(EnterRule::Control));

    auto* kinds = ControlAs<QComboBox>(id::kKind);
    for (const std::string_view label : StatisticKindLabels())
        kinds->addItem(CoreText(label));
    kinds->setCurrentIndex(-1);
    WriteDouble(id::kResult, 0.0);

    connect(ControlAs<QAbstractButton>(id::kCompute), &QAbstractButton::clicked, this,
            &CStatisticsPage::Compute);
}

// The result box is only written: it is not read back, so a result such as
// "nan" never asks the person for a number in a box they cannot change.
void CStatisticsPage::Compute() {
    const int kind = ControlAs<QComboBox>(id::kKind)->currentIndex();
    const std::string typed = ReadText(id::kData).toStdString();
    ShowOutcome(ComputeStatisticText(static_cast<StatisticKind>(kind), typed), id::kResult);
}

}  // namespace zentova
