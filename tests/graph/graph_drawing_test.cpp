#include "graph/graph_drawing.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "support/table.h"

namespace zentova {
namespace {

std::vector<std::pair<int, int>> MarkedEdges(const GraphDrawing& drawing) {
    std::vector<std::pair<int, int>> marked;
    for (const GraphEdge& edge : drawing.edges) {
        if (edge.marked) marked.emplace_back(edge.from, edge.to);
    }
    return marked;
}

// A square 0-1-2-3 with the diagonal 0-2 dearer than going round.
constexpr const char* kSquare = "0,1,5,4, 1,0,1,0, 5,1,0,1, 4,0,1,0";

struct MarkRow {
    const char* name;
    const char* matrix;
    GraphAnswer answer;
    int from;
    int to;
    bool directed;
    std::size_t edgeCount;
    std::vector<std::pair<int, int>> marked;
};

class Marking : public ::testing::TestWithParam<MarkRow> {};

TEST_P(Marking, MarksTheAnswer) {
    const MarkRow& row = GetParam();
    const GraphDrawing drawing = DescribeGraphDrawing(4, row.matrix, row.answer, row.from, row.to);
    ASSERT_FALSE(drawing.outcome.refused());
    EXPECT_EQ(drawing.directed, row.directed);
    EXPECT_EQ(drawing.edges.size(), row.edgeCount);
    EXPECT_EQ(MarkedEdges(drawing), row.marked);
}

INSTANTIATE_TEST_SUITE_P(
    Graphs, Marking,
    ::testing::Values(
        MarkRow{"Nothing", kSquare, GraphAnswer::None, 0, 0, false, 5, {}},
        MarkRow{"Shortest", kSquare, GraphAnswer::ShortestPath, 0, 2, false, 5, {{0, 1}, {1, 2}}},
        MarkRow{
            "Tree", kSquare, GraphAnswer::SpanningTree, 0, 0, false, 5, {{0, 1}, {1, 2}, {2, 3}}},
        // 0→1→3 (2+5) outlasts 0→2→3 (3+1).
        MarkRow{"Critical",
                "0,2,3,0, 0,0,0,5, 0,0,0,1, 0,0,0,0",
                GraphAnswer::CriticalPath,
                0,
                3,
                true,
                4,
                {{0, 1}, {1, 3}}},
        MarkRow{"NoPath",
                "0,1,0,0, 0,0,0,0, 0,0,0,1, 0,0,0,0",
                GraphAnswer::ShortestPath,
                1,
                0,
                true,
                2,
                {}}),
    testing::RowName());

TEST(Marking, RefusesWhatTheCommandRefuses) {
    EXPECT_TRUE(DescribeGraphDrawing(0, kSquare, GraphAnswer::None, 0, 0).outcome.refused());
    EXPECT_TRUE(DescribeGraphDrawing(4, "0,1", GraphAnswer::None, 0, 0).outcome.refused());
    EXPECT_TRUE(
        DescribeGraphDrawing(4, kSquare, GraphAnswer::ShortestPath, 0, 9).outcome.refused());
}

}  // namespace
}  // namespace zentova
