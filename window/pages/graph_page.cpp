#include "pages/graph_page.h"

#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <algorithm>
#include <string>

#include "common/box_exchange.h"
#include "kit/desktop.h"
#include "kit/pictures.h"
#include "pages/graph_drawing_window.h"

namespace zentova {
namespace {

using K = ControlKind;
using namespace graph_id;

constexpr ControlRow kRows[] = {
    {kMatrixLabel, K::Label, "matrixLabel", "请在下面的编辑框中以邻接矩阵的方式输入图的信息", 10, 6,
     196, 10},
    {kMatrix, K::MultiLineEdit, "matrixBox", "", 10, 18, 190, 118},
    {kSpanningTree, K::PushButton, "spanningTreeButton", "最小生成树", 210, 2, 72, 15},
    ControlRow{kTree, K::ReadOnlyMultiLine, "treeBox", "", 210, 18, 173, 118}.WithName(
        "最小生成树的邻接矩阵"),
    ControlRow{kNodeCountLabel, K::Label, "nodeCountLabel", "结点数", 10, 145, 30, 10},
    {kNodeCount, K::DigitsEdit, "nodeCountBox", "", 42, 143, 50, 13},
    {kShortestLabel, K::Label, "shortestLabel", "最短路径", 10, 165, 80, 10},
    {kFromLabel, K::Label, "fromLabel", "点", 10, 181, 10, 10},
    ControlRow{kFrom, K::UpDown, "fromBox", "", 22, 179, 36, 13}.WithName("最短路径的起点"),
    {kToLabel, K::Label, "toLabel", "到点", 64, 181, 20, 10},
    ControlRow{kTo, K::UpDown, "toBox", "", 86, 179, 36, 13}.WithName("最短路径的终点"),
    {kShortestPath, K::PushButton, "shortestPathButton", "最短路径长", 130, 178, 64, 15},
    ControlRow{kShortestLength, K::ReadOnlyEdit, "shortestLengthBox", "", 200, 179, 56, 13}
        .WithName("最短路径长"),
    ControlRow{kPath, K::ReadOnlyEdit, "pathBox", "", 262, 179, 121, 13}.WithName("路径"),
    {kCriticalLabel, K::Label, "criticalLabel", "关键路径（关键路径长为-1表示所求关键路径不存在）",
     10, 203, 300, 10},
    {kEndLabel, K::Label, "endLabel", "起点到点", 10, 219, 36, 10},
    {kEnd, K::UpDown, "endBox", "", 48, 217, 36, 13},
    {kCriticalPath, K::PushButton, "criticalPathButton", "关键路径长", 92, 216, 64, 15},
    ControlRow{kCriticalLength, K::ReadOnlyEdit, "criticalLengthBox", "", 162, 217, 56, 13}
        .WithName("关键路径长"),
    ControlRow{kDraw, K::PushButton, "drawButton", "画图…", 319, 216, 64, 15}.WithTip(
        "在新窗口中画出输入的图，并用红色标出最近一次求得的最短路径、关键路径或最小生成树"),
};

}  // namespace

CGraphPage::CGraphPage(CDesktop& desktop, QWidget* parent)
    : CPageBase(desktop, parent, picture::kPageBackground) {
    CreateControls(kRows);
    RouteEnter({kShortestPath, kFrom, kTo}, ClickButton(kShortestPath));
    RouteEnter({kCriticalPath, kEnd}, ClickButton(kCriticalPath));
    // Elsewhere Enter is an ordinary key: a new line in the matrix, a click on
    // the spanning tree button.
    RouteOtherEnter(EnterRule::DialogPath);

    connect(ControlAs<QPushButton>(kSpanningTree), &QPushButton::clicked, this,
            [this] { SpanningTree(); });
    connect(ControlAs<QPushButton>(kShortestPath), &QPushButton::clicked, this,
            [this] { ShortestPath(); });
    connect(ControlAs<QPushButton>(kCriticalPath), &QPushButton::clicked, this,
            [this] { CriticalPath(); });
    connect(ControlAs<QPushButton>(kDraw), &QPushButton::clicked, this, [this] { Draw(); });
    connect(ControlAs<QLineEdit>(kNodeCount), &QLineEdit::textChanged, this,
            [this] { FollowNodeCount(); });
    // The boxes start from the fields' first values, as every exchange writes them.
    WriteInt(kNodeCount, 0);
    WriteDouble(kShortestLength, 0);
    WriteDouble(kCriticalLength, 0);
}

QSpinBox* CGraphPage::NodeBox(int id) const {
    return ControlAs<QSpinBox>(id);
}

void CGraphPage::FollowNodeCount() {
    // While it is typed the count is not checked; the buttons refuse what is
    // out of range. The arrows never go past the largest node there can be.
    const int n = ReadIntBox(ReadText(kNodeCount).toStdString()).value_or(0);
    const int highest = std::clamp(n, 1, kMaxGraphNodes) - 1;
    for (const int id : {kFrom, kTo, kEnd})
        NodeBox(id)->setRange(0, highest);
}

bool CGraphPage::ReadInputs() {
    // An empty count box is no count at all, as 0 is.
    nodeCount_ = 0;
    if (!ReadText(kNodeCount).trimmed().isEmpty() && !ReadInt(kNodeCount, nodeCount_)) return false;
    matrixText_ = ReadText(kMatrix).toStdString();
    from_ = NodeBox(kFrom)->value();
    to_ = NodeBox(kTo)->value();
    end_ = NodeBox(kEnd)->value();
    return true;
}

void CGraphPage::SpanningTree() {
    if (!ReadInputs()) return;
    SpanningTreeReport report = ComputeSpanningTree(graph_, nodeCount_, matrixText_);
    // A disconnected graph has no tree: the box says so instead.
    if (!ShowOutcome(report.outcome, kTree)) return;
    Answered(GraphAnswer::SpanningTree);
}

void CGraphPage::ShortestPath() {
    if (!ReadInputs()) return;
    const ShortestPathReport report =
        ComputeShortestPath(graph_, nodeCount_, matrixText_, from_, to_);
    if (!ShowOutcome(report.outcome)) return;
    WriteDouble(kShortestLength, report.length);
    WriteText(kPath, CoreText(report.pathText));
    Answered(GraphAnswer::ShortestPath);
}

void CGraphPage::CriticalPath() {
    if (!ReadInputs()) return;
    const CriticalPathReport report = ComputeCriticalPath(graph_, nodeCount_, matrixText_, end_);
    if (!ShowOutcome(report.outcome)) return;
    WriteDouble(kCriticalLength, report.length);
    Answered(GraphAnswer::CriticalPath);
}

void CGraphPage::Answered(GraphAnswer answer) {
    last_ = {answer, nodeCount_, matrixText_, answer == GraphAnswer::ShortestPath ? from_ : 0,
             answer == GraphAnswer::CriticalPath ? end_ : to_};
}

void CGraphPage::Draw() {
    if (!ReadInputs()) return;
    // A mark found for other inputs would belong to another graph.
    const bool same = last_.nodeCount == nodeCount_ && last_.matrixText == matrixText_;
    const GraphAnswer answer = same ? last_.answer : GraphAnswer::None;
    const GraphDrawing drawing =
        DescribeGraphDrawing(nodeCount_, matrixText_, answer, last_.from, last_.to);
    if (!ShowOutcome(drawing.outcome)) return;
    QString caption;
    switch (answer) {
        case GraphAnswer::None:
            caption = QStringLiteral("未标出结果");
            break;
        case GraphAnswer::ShortestPath:
            caption =
                QStringLiteral("红色：点 %1 到点 %2 的最短路径").arg(last_.from).arg(last_.to);
            break;
        case GraphAnswer::CriticalPath:
            caption = QStringLiteral("红色：起点到点 %1 的关键路径").arg(last_.to);
            break;
        case GraphAnswer::SpanningTree:
            caption = QStringLiteral("红色：最小生成树");
            break;
    }
    const bool marked = std::find(drawing.markedNodes.begin(), drawing.markedNodes.end(), true) !=
                        drawing.markedNodes.end();
    if (answer != GraphAnswer::None && !marked) caption += QStringLiteral("（不存在）");
    if (drawing_ == nullptr) drawing_ = new CGraphDrawingWindow(Desktop(), this);
    drawing_->Show(drawing, caption);
}

}  // namespace zentova
