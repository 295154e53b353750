// Shortest path, critical path and minimum spanning tree over a weighted
// graph of at most 50 nodes typed as an adjacency matrix.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace zentova {

inline constexpr int kMaxGraphNodes = 50;
// Stands for a missing edge and for an unreachable node.
inline constexpr double kGraphNoEdge = 1e9;
// Nodes at this distance or more are never selected by the shortest path.
inline constexpr double kGraphSelectBound = 1e10;
// What the two path searches answer when there is no path.
inline constexpr double kGraphNoPath = -1;

// A node count and a 50 by 50 array of weights with a row length of 50 whatever
// the count; only the n by n upper-left block is used. Entry (i, j) is the
// weight of the edge from i to j; exactly 0 off the diagonal means no edge.
struct GraphMatrix {
    int n = 0;
    std::array<double, kMaxGraphNodes * kMaxGraphNodes> weights{};

    static constexpr std::size_t Index(int row, int column) {
        return static_cast<std::size_t>(row) * kMaxGraphNodes + static_cast<std::size_t>(column);
    }
    double& at(int row, int column) { return weights[Index(row, column)]; }
    double at(int row, int column) const { return weights[Index(row, column)]; }
};

enum class SpanningTreeStatus {
    Complete,
    // No edge joins the tree grown from node 0 to the remaining nodes; the
    // output holds the tree of node 0's component.
    Disconnected,
};

// The working copy the three computations share, with the path found by the
// last successful shortest-path search. A page owns one; nothing is global.
class GraphAlgorithms {
  public:
    // Copies the graph and forgets the stored path. A node count outside 1..50
    // is not loaded (false): the computations then find nothing to do.
    bool LoadGraph(const GraphMatrix& matrix);

    // Dijkstra's search with fixed tie rules: the length of a shortest path
    // from `from` to `to`, or kGraphNoPath (always when from equals to). Turns
    // every absent edge of the working copy into kGraphNoEdge.
    double ShortestPath(int from, int to);

    // True when the last search since the load found a path; its length alone
    // cannot say so, because a path may have the length -1.
    bool HasPath() const { return pathCount_ > 0; }
    std::span<const std::uint8_t> StoredPath() const {
        return std::span<const std::uint8_t>(path_.data(), static_cast<std::size_t>(pathCount_));
    }
    // The stored path as "0→2→3"; empty when there is none.
    std::string FormatPath() const;

    // The longest path from the network's single source to `to`, or
    // kGraphNoPath when there is no single source or `to` lies after a cycle.
    // `route`, when given, receives the nodes of that path from the source to
    // `to` (empty when there is none).
    double CriticalPath(int to, std::vector<int>* route = nullptr) const;

    // Prim's method grown from node 0. Writes the tree's weights in both
    // directions into the n by n block of `tree` (0 elsewhere) and sets its n.
    SpanningTreeStatus MinimumSpanningTree(GraphMatrix& tree) const;

    int nodeCount() const { return work_.n; }

  private:
    GraphMatrix work_;
    std::array<std::uint8_t, kMaxGraphNodes> path_{};
    int pathCount_ = 0;
};

}  // namespace zentova
