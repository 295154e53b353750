// The graph page's rules that are not about widgets: reading the matrix text,
// the order of the checks, the message texts and the result texts.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "common/number_text.h"
#include "common/outcome.h"
#include "graph/graph_algorithms.h"
#include "graph/graph_messages.h"

namespace zentova {

// The message for a node number outside 0 to n-1 (msg::NodeNumberOutside).
std::string NodeNumberRangeMessage(int n);

// Reads the adjacency matrix text by the rules of every matrix text (see
// linalg/matrix_text.h). Number k goes to row k / n, column k mod n of
// `matrix`; numbers after the n·n-th are ignored. Sets matrix.n to n and
// returns the count stored. A count n outside 1..50 stores nothing. A token
// that is not a number ends the reading and lands in `notNumber` when given.
std::size_t ReadGraphMatrixText(std::string_view text, int n, GraphMatrix& matrix,
                                std::optional<NotNumberToken>* notNumber = nullptr);

// The n by n block as "%g," per entry, the last of each row "%g,\r\n", and the
// last three characters cut: the same form as the input.
std::string FormatGraphMatrixText(const GraphMatrix& matrix);

// Each command ends in an Outcome: a refusal (message box, nothing changes) or
// a value whose text is what the command line prints. The fields beside it are
// what the page writes into its boxes; they hold their defaults on refusal.
struct ShortestPathReport {
    Outcome outcome;
    double length = 0;
    std::string pathText;  // the path, or the reason why there is none
};
ShortestPathReport ComputeShortestPath(GraphAlgorithms& graph, int n, std::string_view matrixText,
                                       int from, int to);

struct CriticalPathReport {
    Outcome outcome;
    double length = 0;
};
CriticalPathReport ComputeCriticalPath(GraphAlgorithms& graph, int n, std::string_view matrixText,
                                       int to);

// A disconnected graph is a failure: the text says so and the tree text stays
// empty, since a tree of one component would pass for a spanning tree.
struct SpanningTreeReport {
    Outcome outcome;
    std::string treeText;
};
SpanningTreeReport ComputeSpanningTree(GraphAlgorithms& graph, int n, std::string_view matrixText);

}  // namespace zentova
