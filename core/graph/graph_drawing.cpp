#include "graph/graph_drawing.h"

#include <cstddef>

#include "graph/graph_tools.h"

namespace zentova {
namespace {

bool IsSymmetric(const GraphMatrix& m) {
    for (int i = 0; i < m.n; ++i) {
        for (int j = i + 1; j < m.n; ++j) {
            if (m.at(i, j) != m.at(j, i)) return false;
        }
    }
    return true;
}

// Marks each step of the route on the edge that carries it, whichever way an
// undirected edge was stored.
void MarkRoute(GraphDrawing& drawing, const std::vector<int>& route) {
    for (const int node : route) {
        if (node >= 0 && node < drawing.nodeCount)
            drawing.markedNodes[static_cast<std::size_t>(node)] = true;
    }
    for (std::size_t k = 1; k < route.size(); ++k) {
        const int a = route[k - 1];
        const int b = route[k];
        for (GraphEdge& edge : drawing.edges) {
            if ((edge.from == a && edge.to == b) ||
                (!drawing.directed && edge.from == b && edge.to == a))
                edge.marked = true;
        }
    }
}

}  // namespace

GraphDrawing DescribeGraphDrawing(int n, std::string_view matrixText, GraphAnswer answer, int from,
                                  int to) {
    GraphDrawing drawing;
    GraphAlgorithms graph;
    // The spanning tree's checks are those every command makes first; the
    // path commands add their node checks.
    const SpanningTreeReport checked = ComputeSpanningTree(graph, n, matrixText);
    if (checked.outcome.refused()) {
        drawing.outcome = checked.outcome;
        return drawing;
    }
    GraphMatrix matrix;
    ReadGraphMatrixText(matrixText, n, matrix);
    drawing.nodeCount = n;
    drawing.directed = !IsSymmetric(matrix);
    drawing.markedNodes.assign(static_cast<std::size_t>(n), false);
    for (int i = 0; i < n; ++i) {
        for (int j = drawing.directed ? 0 : i + 1; j < n; ++j) {
            if (i != j && matrix.at(i, j) != 0) drawing.edges.push_back({i, j, matrix.at(i, j)});
        }
    }

    switch (answer) {
        case GraphAnswer::None:
            break;
        case GraphAnswer::ShortestPath: {
            const ShortestPathReport report = ComputeShortestPath(graph, n, matrixText, from, to);
            if (report.outcome.refused()) {
                drawing.outcome = report.outcome;
                return drawing;
            }
            if (graph.HasPath()) {
                const auto stored = graph.StoredPath();
                MarkRoute(drawing, std::vector<int>(stored.begin(), stored.end()));
            }
            break;
        }
        case GraphAnswer::CriticalPath: {
            const CriticalPathReport report = ComputeCriticalPath(graph, n, matrixText, to);
            if (report.outcome.refused()) {
                drawing.outcome = report.outcome;
                return drawing;
            }
            std::vector<int> route;
            graph.CriticalPath(to, &route);
            MarkRoute(drawing, route);
            break;
        }
        case GraphAnswer::SpanningTree: {
            GraphMatrix tree;
            if (graph.MinimumSpanningTree(tree) != SpanningTreeStatus::Complete) break;
            for (int v = 0; v < n; ++v)
                drawing.markedNodes[static_cast<std::size_t>(v)] = true;
            for (GraphEdge& edge : drawing.edges)
                edge.marked = tree.at(edge.from, edge.to) != 0;
            break;
        }
    }
    drawing.outcome = Outcome::Value("");
    return drawing;
}

}  // namespace zentova
