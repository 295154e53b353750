#include "graph/graph_tools.h"

#include "engine/evaluator.h"
#include "linalg/matrix_text.h"

namespace zentova {
namespace {

bool NodeCountInRange(int n) {
    return n >= 1 && n <= kMaxGraphNodes;
}
bool NodeInRange(int node, int n) {
    return node >= 0 && node < n;
}

// Reads the text into `matrix`; false when it holds fewer than n·n numbers.
bool ReadWholeMatrix(std::string_view text, int n, GraphMatrix& matrix) {
    const std::size_t needed = static_cast<std::size_t>(n) * static_cast<std::size_t>(n);
    return ReadGraphMatrixText(text, n, matrix) >= needed;
}

}  // namespace

std::string NodeNumberRangeMessage(int n) {
    return "结点编号必须在 0 到 " + std::to_string(n - 1) + " 之间。";
}

// The graph matrix is a matrix text like any other; only its row length of
// kMaxGraphNodes differs from the packed rows of the shared reader.
std::size_t ReadGraphMatrixText(std::string_view text, int n, GraphMatrix& matrix) {
    if (!NodeCountInRange(n)) return 0;
    matrix.n = n;
    Matrix values(n, n);
    const std::size_t stored = ReadMatrixText(text, values.values().size(), values.values());
    for (std::size_t k = 0; k < stored; ++k) {
        matrix.at(static_cast<int>(k) / n, static_cast<int>(k) % n) = values.values()[k];
    }
    return stored;
}

std::string FormatGraphMatrixText(const GraphMatrix& matrix) {
    Matrix block(matrix.n, matrix.n);
    for (int i = 0; i < matrix.n; ++i) {
        for (int j = 0; j < matrix.n; ++j)
            block.at(i, j) = matrix.at(i, j);
    }
    return FormatMatrixText(block);
}

ShortestPathReport ComputeShortestPath(GraphAlgorithms& graph, int n, std::string_view matrixText,
                                       int from, int to) {
    ShortestPathReport report;
    if (n == 0 || matrixText.empty()) {
        report.outcome = Outcome::Refused(msg::kEnterMatrixAndNodeCount);
        return report;
    }
    if (!NodeCountInRange(n)) {
        report.outcome = Outcome::Refused(msg::kNodeCountRange);
        return report;
    }
    if (!NodeInRange(from, n) || !NodeInRange(to, n)) {
        report.outcome = Outcome::Refused(NodeNumberRangeMessage(n));
        return report;
    }
    GraphMatrix matrix;
    if (!ReadWholeMatrix(matrixText, n, matrix)) {
        report.outcome = Outcome::Refused(msg::kAdjacencyCountWrong);
        return report;
    }
    graph.LoadGraph(matrix);
    report.length = graph.ShortestPath(from, to);
    // Whether a path was found, not the length, decides: a path may have the
    // length -1 when weights are negative.
    if (graph.HasPath()) {
        report.pathText = graph.FormatPath();
    } else {
        report.pathText = std::string(from == to ? msg::kSameNode : msg::kNotConnected);
    }
    report.outcome = Outcome::Value(FormatDouble(report.length) + "\n" + report.pathText);
    return report;
}

CriticalPathReport ComputeCriticalPath(GraphAlgorithms& graph, int n, std::string_view matrixText,
                                       int to) {
    CriticalPathReport report;
    if (n == 0) {
        report.outcome = Outcome::Refused(msg::kEnterNodeCount);
        return report;
    }
    if (!NodeCountInRange(n)) {
        report.outcome = Outcome::Refused(msg::kNodeCountRange);
        return report;
    }
    if (!NodeInRange(to, n)) {
        report.outcome = Outcome::Refused(NodeNumberRangeMessage(n));
        return report;
    }
    GraphMatrix matrix;
    if (!ReadWholeMatrix(matrixText, n, matrix)) {
        report.outcome = Outcome::Refused(msg::kAdjacencyMatrixWrong);
        return report;
    }
    graph.LoadGraph(matrix);
    report.length = graph.CriticalPath(to);
    report.outcome = Outcome::Value(FormatDouble(report.length));
    return report;
}

SpanningTreeReport ComputeSpanningTree(GraphAlgorithms& graph, int n, std::string_view matrixText) {
    SpanningTreeReport report;
    if (n == 0) {
        report.outcome = Outcome::Refused(msg::kEnterNodeCount);
        return report;
    }
    if (!NodeCountInRange(n)) {
        report.outcome = Outcome::Refused(msg::kNodeCountRange);
        return report;
    }
    GraphMatrix matrix;
    if (!ReadWholeMatrix(matrixText, n, matrix)) {
        report.outcome = Outcome::Refused(msg::kAdjacencyMatrixWrong);
        return report;
    }
    graph.LoadGraph(matrix);
    GraphMatrix tree;
    if (graph.MinimumSpanningTree(tree) == SpanningTreeStatus::Disconnected) {
        report.outcome = Outcome::Failure(std::string(msg::kGraphDisconnected));
        return report;
    }
    report.treeText = FormatGraphMatrixText(tree);
    report.outcome = Outcome::Value(report.treeText);
    return report;
}

}  // namespace zentova
