#include "graph/graph_tools.h"

#include <cstdio>
#include <cstdlib>

#include "engine/evaluator.h"

namespace zentova {
namespace {

// The full-width comma in UTF-8; the other separators are single bytes.
constexpr std::string_view kFullWidthComma = "\xEF\xBC\x8C";

std::size_t SeparatorLength(std::string_view text, std::size_t at) {
    const char c = text[at];
    if (c == ' ' || c == ',' || c == '\r' || c == '\n') return 1;
    if (text.substr(at, kFullWidthComma.size()) == kFullWidthComma) return kFullWidthComma.size();
    return 0;
}

bool NodeCountInRange(int n) {
    return n >= 1 && n <= kMaxGraphNodes;
}
bool NodeInRange(int node, int n) {
    return node >= 0 && node < n;
}

std::string FormatG(double value) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%g", value);
    return buffer;
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

std::size_t ReadGraphMatrixText(std::string_view text, int n, GraphMatrix& matrix) {
    if (!NodeCountInRange(n)) return 0;
    matrix.n = n;
    const std::size_t capacity = static_cast<std::size_t>(n) * static_cast<std::size_t>(n);
    std::size_t stored = 0;
    std::size_t i = 0;
    std::string piece;
    while (i < text.size() && stored < capacity) {
        if (const std::size_t skip = SeparatorLength(text, i); skip != 0) {
            i += skip;
            continue;
        }
        std::size_t end = i;
        while (end < text.size() && SeparatorLength(text, end) == 0)
            ++end;
        piece.assign(text.substr(i, end - i));
        const int row = static_cast<int>(stored / static_cast<std::size_t>(n));
        const int column = static_cast<int>(stored % static_cast<std::size_t>(n));
        matrix.at(row, column) = std::atof(piece.c_str());
        ++stored;
        i = end;
    }
    return stored;
}

std::string FormatGraphMatrixText(const GraphMatrix& matrix) {
    std::string text;
    for (int i = 0; i < matrix.n; ++i) {
        for (int j = 0; j < matrix.n; ++j) {
            text += FormatG(matrix.at(i, j));
            text += j + 1 < matrix.n ? "," : ",\r\n";
        }
    }
    if (text.size() >= 3) text.resize(text.size() - 3);
    return text;
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
