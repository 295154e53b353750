#include "graph/graph_algorithms.h"

namespace zentova {
namespace {

using NodeFlags = std::array<bool, kMaxGraphNodes>;
using Distances = std::array<double, kMaxGraphNodes>;

bool ValidNode(int node, int n) {
    return node >= 0 && node < n;
}

// Paths of the shortest-path search: one node list per node. A node's path is
// its predecessor's path plus itself, and the predecessor was settled earlier,
// so no path is longer than the settled list (at most n nodes).
struct NodePaths {
    std::array<std::array<std::uint8_t, kMaxGraphNodes>, kMaxGraphNodes> nodes{};
    std::array<int, kMaxGraphNodes> count{};

    void SetSingle(int v, int s) {
        nodes[static_cast<std::size_t>(v)][0] = static_cast<std::uint8_t>(s);
        count[static_cast<std::size_t>(v)] = 1;
    }
    // v's path := p's path followed by v. p may be v itself.
    void Extend(int v, int p) {
        const auto vi = static_cast<std::size_t>(v);
        const auto pi = static_cast<std::size_t>(p);
        const int length = count[pi];
        if (length >= kMaxGraphNodes) return;  // cannot happen; never write past the row
        std::array<std::uint8_t, kMaxGraphNodes> copy = nodes[pi];
        copy[static_cast<std::size_t>(length)] = static_cast<std::uint8_t>(v);
        nodes[vi] = copy;
        count[vi] = length + 1;
    }
};

}  // namespace

bool GraphAlgorithms::LoadGraph(const GraphMatrix& matrix) {
    pathCount_ = 0;
    if (matrix.n < 1 || matrix.n > kMaxGraphNodes) {
        work_ = GraphMatrix{};
        return false;
    }
    work_ = matrix;
    return true;
}

double GraphAlgorithms::ShortestPath(int from, int to) {
    const int n = work_.n;
    if (!ValidNode(from, n) || !ValidNode(to, n)) return kGraphNoPath;
    const int s = from;

    Distances dist{};
    NodePaths paths;
    for (int v = 0; v < n; ++v) {
        const double w = work_.at(s, v);
        dist[static_cast<std::size_t>(v)] = (w == 0 && v != s) ? kGraphNoEdge : w;
        paths.SetSingle(v, s);
    }
    for (int i = 0; i < n; ++i) {
        for (int j = 0; j < n; ++j) {
            if (i != j && work_.at(i, j) == 0) work_.at(i, j) = kGraphNoEdge;
        }
    }

    NodeFlags done{};
    done[static_cast<std::size_t>(s)] = true;
    std::array<int, kMaxGraphNodes + 1> settled{};
    int settledCount = 0;
    settled[static_cast<std::size_t>(settledCount++)] = s;
    // The first relaxation from s with distance 1e9 changes nothing: dist
    // already holds the direct edges.
    int u = s;
    double d = kGraphNoEdge;

    for (int iteration = 0; iteration < n; ++iteration) {
        for (int v = 0; v < n; ++v) {
            const auto vi = static_cast<std::size_t>(v);
            if (done[vi]) continue;
            const double candidate = d + work_.at(u, v);
            if (candidate < dist[vi]) dist[vi] = candidate;
        }

        int selected = -1;
        for (int v = 0; v < n; ++v) {
            const auto vi = static_cast<std::size_t>(v);
            if (done[vi] || !(dist[vi] < kGraphSelectBound)) continue;
            if (selected < 0 || dist[vi] < dist[static_cast<std::size_t>(selected)]) selected = v;
        }
        if (selected < 0) return kGraphNoPath;
        u = selected;
        const auto ui = static_cast<std::size_t>(u);
        d = dist[ui];
        if (settledCount > kMaxGraphNodes) return kGraphNoPath;  // cannot happen
        settled[static_cast<std::size_t>(settledCount++)] = u;

        // The predecessor is the earliest settled node that achieves u's
        // distance; u itself (last in the list) gives the path s, u.
        for (int k = 0; k < settledCount; ++k) {
            const int p = settled[static_cast<std::size_t>(k)];
            if (dist[static_cast<std::size_t>(p)] + work_.at(p, u) == dist[ui]) {
                paths.Extend(u, p);
                break;
            }
        }

        if (u == to && dist[ui] < kGraphNoEdge) {
            const int count = paths.count[ui];
            for (int k = 0; k < count; ++k) {
                path_[static_cast<std::size_t>(k)] = paths.nodes[ui][static_cast<std::size_t>(k)];
            }
            pathCount_ = count;
            return dist[ui];
        }
        done[ui] = true;
    }
    return kGraphNoPath;
}

std::string GraphAlgorithms::FormatPath() const {
    std::string text;
    for (int k = 0; k < pathCount_; ++k) {
        text += std::to_string(path_[static_cast<std::size_t>(k)]);
        if (k + 1 < pathCount_) text += "→";
    }
    return text;
}

double GraphAlgorithms::CriticalPath(int to, std::vector<int>* route) const {
    if (route != nullptr) route->clear();
    const int n = work_.n;
    if (!ValidNode(to, n)) return kGraphNoPath;

    int source = -1;
    int sources = 0;
    for (int i = 0; i < n; ++i) {
        double sum = 0;
        for (int r = 0; r < n; ++r)
            sum += work_.at(r, i);
        if (sum == 0) {
            source = i;
            ++sources;
        }
    }
    if (sources != 1) return kGraphNoPath;

    NodeFlags done{};
    done[static_cast<std::size_t>(source)] = true;
    Distances dist{};
    // The node each longest distance came through; -1 for none.
    std::array<int, kMaxGraphNodes> via{};
    via.fill(-1);
    for (int v = 0; v < n; ++v)
        dist[static_cast<std::size_t>(v)] = work_.at(source, v);

    const auto target = static_cast<std::size_t>(to);
    while (!done[target]) {
        bool progress = false;
        for (int v = 0; v < n; ++v) {
            const auto vi = static_cast<std::size_t>(v);
            if (done[vi]) continue;
            bool ready = true;
            for (int u = 0; u < n && ready; ++u) {
                if (u != v && work_.at(u, v) != 0 && !done[static_cast<std::size_t>(u)]) {
                    ready = false;
                }
            }
            if (!ready) continue;
            double longest = 0;
            for (int u = 0; u < n; ++u) {
                if (u == v || work_.at(u, v) == 0) continue;
                const double through = dist[static_cast<std::size_t>(u)] + work_.at(u, v);
                if (through > longest) {
                    longest = through;
                    via[vi] = u;
                }
            }
            dist[vi] = longest;
            done[vi] = true;
            progress = true;
        }
        // A pass that completes nothing leaves the rest behind a cycle.
        if (!progress) return kGraphNoPath;
    }
    if (route != nullptr) {
        // At most n steps back, so a stray link can never loop.
        for (int v = to; v >= 0 && static_cast<int>(route->size()) < n;
             v = via[static_cast<std::size_t>(v)])
            route->insert(route->begin(), v);
        if (route->front() != source) route->clear();
    }
    return dist[target];
}

SpanningTreeStatus GraphAlgorithms::MinimumSpanningTree(GraphMatrix& tree) const {
    const int n = work_.n;
    tree.n = n;
    for (int i = 0; i < n; ++i) {
        for (int j = 0; j < n; ++j)
            tree.at(i, j) = 0;
    }
    if (n < 1) return SpanningTreeStatus::Complete;

    NodeFlags inTree{};
    inTree[0] = true;
    for (int added = 1; added < n; ++added) {
        double best = kGraphNoEdge;
        int bestI = -1;
        int bestJ = -1;
        for (int i = 0; i < n; ++i) {
            if (!inTree[static_cast<std::size_t>(i)]) continue;
            for (int j = 0; j < n; ++j) {
                if (inTree[static_cast<std::size_t>(j)]) continue;
                const double w = work_.at(i, j);
                if (w != 0 && w < best) {
                    best = w;
                    bestI = i;
                    bestJ = j;
                }
            }
        }
        if (bestJ < 0) return SpanningTreeStatus::Disconnected;
        inTree[static_cast<std::size_t>(bestJ)] = true;
        tree.at(bestI, bestJ) = best;
        tree.at(bestJ, bestI) = best;
    }
    return SpanningTreeStatus::Complete;
}

}  // namespace zentova
