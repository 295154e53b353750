// A weighted graph typed as an adjacency matrix, with its minimum spanning
// tree, the shortest path between two nodes and the critical path from the
// network's source to a node. Everything is quick and runs at once.
#pragma once

#include "graph/graph_drawing.h"
#include "graph/graph_tools.h"
#include "kit/page_base.h"

class QSpinBox;

namespace zentova {
class CGraphDrawingWindow;
}

namespace zentova {

namespace graph_id {
inline constexpr int kMatrixLabel = 1132;
inline constexpr int kMatrix = 1117;
inline constexpr int kSpanningTree = 1150;
inline constexpr int kTree = 1136;
inline constexpr int kNodeCountLabel = 1140;
inline constexpr int kNodeCount = 1119;
inline constexpr int kShortestLabel = 1137;
inline constexpr int kFromLabel = 1138;
inline constexpr int kFrom = 1144;
inline constexpr int kToLabel = 1139;
inline constexpr int kTo = 1145;
inline constexpr int kShortestPath = 1124;
inline constexpr int kShortestLength = 1152;
inline constexpr int kPath = 1149;
inline constexpr int kCriticalLabel = 1146;
inline constexpr int kEndLabel = 1147;
inline constexpr int kEnd = 1148;
inline constexpr int kCriticalPath = 1125;
inline constexpr int kCriticalLength = 1153;
inline constexpr int kDraw = 1154;
}  // namespace graph_id

class CGraphPage : public CPageBase {
    Q_OBJECT
  public:
    CGraphPage(CDesktop& desktop, QWidget* parent);

    // The three buttons.
    void SpanningTree();
    void ShortestPath();
    void CriticalPath();
    // Opens the drawing of the typed graph, or draws it again.
    void Draw();

  private:
    // The node boxes' arrows run from 0 to n-1 as the node count is typed.
    void FollowNodeCount();
    // The boxes as the buttons read them; false when the node count box holds
    // something other than a number (it has prompted for one then).
    bool ReadInputs();
    QSpinBox* NodeBox(int id) const;
    // Remembers what the drawing marks; only the inputs that gave the answer
    // get the mark.
    void Answered(GraphAnswer answer);

    GraphAlgorithms graph_;
    std::string matrixText_;
    int nodeCount_ = 0;
    int from_ = 0;
    int to_ = 0;
    int end_ = 0;

    struct LastAnswer {
        GraphAnswer answer = GraphAnswer::None;
        int nodeCount = 0;
        std::string matrixText;
        int from = 0;
        int to = 0;
    } last_;
    CGraphDrawingWindow* drawing_ = nullptr;  // a child window, made when first asked for
};

}  // namespace zentova
