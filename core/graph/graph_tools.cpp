#include "graph/graph_tools.h"

#include <initializer_list>
#include <optional>

#include "common/number_text.h"
#include "linalg/matrix_text.h"

namespace zentova {
namespace {

bool NodeCountInRange(int n) {
    return n >= 1 && n <= kMaxGraphNodes;
}
bool NodeInRange(int node, int n) {
    return node >= 0 && node < n;
}

// Reads the text into `matrix`. Empty when it holds n·n numbers; else the
// refusal of a token that is not a number, or `shortMessage`.
std::string WholeMatrixProblem(std::string_view text, int n, GraphMatrix& matrix,
                               std::string_view shortMessage) {
    const std::size_t needed = static_cast<std::size_t>(n) * static_cast<std::size_t>(n);
    std::optional<NotNumberToken> notNumber;
    const std::size_t stored = ReadGraphMatrixText(text, n, matrix, &notNumber);
    if (notNumber) {
        const auto width = static_cast<std::size_t>(n);
        return msg::AdjacencyTokenNotNumber(notNumber->index + 1, notNumber->index / width + 1,
                                            notNumber->index % width + 1,
                                            ShownToken(notNumber->token));
    }
    if (stored < needed) return std::string(shortMessage);
    return {};
}

// What differs between the tools' checks: when the input counts as missing,
// and the wording of their two refusals.
struct InputRules {
    bool missing;
    std::string_view missingMessage;
    std::string_view shortMatrixMessage;
};

// The checks every tool makes, in this order, before its algorithm may run:
// input present, node count in range, every named node in range, a full
// matrix. Loads the graph and returns nothing when all pass.
std::optional<Outcome> CheckAndLoad(GraphAlgorithms& graph, int n, std::string_view text,
                                    std::initializer_list<int> nodes, const InputRules& rules) {
    if (rules.missing) return Outcome::Refused(rules.missingMessage);
    if (!NodeCountInRange(n)) return Outcome::Refused(msg::kNodeCountRange);
    for (const int node : nodes) {
        if (!NodeInRange(node, n)) return Outcome::Refused(NodeNumberRangeMessage(n));
    }
    GraphMatrix matrix;
    if (const std::string problem = WholeMatrixProblem(text, n, matrix, rules.shortMatrixMessage);
        !problem.empty()) {
        return Outcome::Refused(problem);
    }
    graph.LoadGraph(matrix);
    return std::nullopt;
}

}  // namespace

std::string NodeNumberRangeMessage(int n) {
    return msg::NodeNumberOutside(n - 1);
}

// The graph matrix is a matrix text like any other; only its row length of
// kMaxGraphNodes differs from the packed rows of the shared reader.
std::size_t ReadGraphMatrixText(std::string_view text, int n, GraphMatrix& matrix,
                                std::optional<NotNumberToken>* notNumber) {
    if (notNumber != nullptr) notNumber->reset();
    if (!NodeCountInRange(n)) return 0;
    matrix.n = n;
    Matrix values(n, n);
    const std::size_t stored =
        ReadMatrixText(text, values.values().size(), values.values(), notNumber);
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
    const bool missing = n == 0 || matrixText.empty();
    if (auto refusal =
            CheckAndLoad(graph, n, matrixText, {from, to},
                         {missing, msg::kEnterMatrixAndNodeCount, msg::kAdjacencyCountWrong})) {
        report.outcome = *refusal;
        return report;
    }
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
    if (auto refusal = CheckAndLoad(graph, n, matrixText, {to},
                                    {n == 0, msg::kEnterNodeCount, msg::kAdjacencyMatrixWrong})) {
        report.outcome = *refusal;
        return report;
    }
    report.length = graph.CriticalPath(to);
    report.outcome = Outcome::Value(FormatDouble(report.length));
    return report;
}

SpanningTreeReport ComputeSpanningTree(GraphAlgorithms& graph, int n, std::string_view matrixText) {
    SpanningTreeReport report;
    if (auto refusal = CheckAndLoad(graph, n, matrixText, {},
                                    {n == 0, msg::kEnterNodeCount, msg::kAdjacencyMatrixWrong})) {
        report.outcome = *refusal;
        return report;
    }
    GraphMatrix tree;
    if (graph.MinimumSpanningTree(tree) == SpanningTreeStatus::Disconnected) {
        report.outcome = Outcome::Failure(msg::kGraphDisconnected);
        return report;
    }
    report.treeText = FormatGraphMatrixText(tree);
    report.outcome = Outcome::Value(report.treeText);
    return report;
}

}  // namespace zentova
