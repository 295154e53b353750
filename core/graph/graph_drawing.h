// What a drawing of the typed graph shows: its nodes and edges, whether the
// edges have a direction, and which of them the last answer went along.
#pragma once

#include <string_view>
#include <vector>

#include "common/outcome.h"
#include "graph/graph_algorithms.h"

namespace zentova {

// The command whose answer the drawing marks.
enum class GraphAnswer { None, ShortestPath, CriticalPath, SpanningTree };

struct GraphEdge {
    int from = 0;
    int to = 0;
    double weight = 0;
    bool marked = false;
};

struct GraphDrawing {
    Outcome outcome;  // refused for input the command itself would refuse
    int nodeCount = 0;
    // A matrix that differs from its transpose has directed edges, one per
    // entry; a symmetric one has one undirected edge per pair (from < to).
    bool directed = false;
    std::vector<GraphEdge> edges;
    std::vector<bool> markedNodes;  // one per node
};

// The graph of the matrix text with the answer of `answer` marked, computed
// by the same core commands as the page's buttons (from and to are the
// shortest path's ends, `to` alone the critical path's end). A shortest or
// critical path that does not exist marks nothing, as does a spanning tree of
// a disconnected graph.
GraphDrawing DescribeGraphDrawing(int n, std::string_view matrixText, GraphAnswer answer, int from,
                                  int to);

}  // namespace zentova
