#include "graph/graph_algorithms.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <random>
#include <vector>

#include "support/table.h"

namespace zentova {
namespace {

struct Edge {
    int from;
    int to;
    double weight;
};

GraphMatrix Directed(int n, std::initializer_list<Edge> edges) {
    GraphMatrix m;
    m.n = n;
    for (const Edge& e : edges)
        m.at(e.from, e.to) = e.weight;
    return m;
}

GraphMatrix Undirected(int n, std::initializer_list<Edge> edges) {
    GraphMatrix m;
    m.n = n;
    for (const Edge& e : edges) {
        m.at(e.from, e.to) = e.weight;
        m.at(e.to, e.from) = e.weight;
    }
    return m;
}

const GraphMatrix kTriangle = Undirected(3, {{0, 1, 1}, {0, 2, 4}, {1, 2, 2}});

struct ShortestRow {
    const char* name;
    GraphMatrix graph;
    int from;
    int to;
    double length;
    std::vector<int> path;  // empty: no path
};

class ShortestPathRows : public ::testing::TestWithParam<ShortestRow> {};

TEST_P(ShortestPathRows, LengthAndPath) {
    const ShortestRow& row = GetParam();
    GraphAlgorithms graph;
    ASSERT_TRUE(graph.LoadGraph(row.graph));
    EXPECT_EQ(graph.ShortestPath(row.from, row.to), row.length);
    const std::vector<int> path(graph.StoredPath().begin(), graph.StoredPath().end());
    EXPECT_EQ(path, row.path);
    EXPECT_EQ(graph.HasPath(), !row.path.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Rules, ShortestPathRows,
    ::testing::Values(
        ShortestRow{"Triangle", kTriangle, 0, 2, 3, {0, 1, 2}},
        ShortestRow{"TriangleBackwards", kTriangle, 2, 0, 3, {2, 1, 0}},
        ShortestRow{"SameNode", kTriangle, 1, 1, -1, {}},
        ShortestRow{"NoEdgeTowardsTarget", Directed(3, {{0, 1, 1}, {2, 0, 1}}), 0, 2, -1, {}},
        ShortestRow{"EdgesAreDirected", Directed(2, {{0, 1, 5}}), 1, 0, -1, {}},
        ShortestRow{"TieGoesToTheDirectEdge",
                    Directed(3, {{0, 1, 2}, {0, 2, 1}, {2, 1, 1}}),
                    0,
                    1,
                    2,
                    {0, 1}},
        ShortestRow{"LongChainBeatsDirectEdge",
                    Directed(4, {{0, 1, 1}, {1, 2, 1}, {2, 3, 1}, {0, 3, 10}}),
                    0,
                    3,
                    3,
                    {0, 1, 2, 3}},
        ShortestRow{"BillionIsNoEdge", Directed(2, {{0, 1, 1e9}}), 0, 1, -1, {}},
        ShortestRow{"SelectableButTooFar", Directed(2, {{0, 1, 5e9}}), 0, 1, -1, {}},
        ShortestRow{"ReachedThroughANodeBeyondTheBillion",
                    Directed(3, {{0, 1, 5e9}, {0, 2, 2e9}, {2, 1, -1.5e9}}),
                    0,
                    1,
                    5e8,
                    {0, 2, 1}},
        ShortestRow{"NegativeLengthIsStillAPath", Directed(2, {{0, 1, -1}}), 0, 1, -1, {0, 1}},
        ShortestRow{"SingleNode", Directed(1, {}), 0, 0, -1, {}},
        ShortestRow{"NodeOutsideTheGraph", kTriangle, 0, 3, -1, {}},
        ShortestRow{"NegativeNode", kTriangle, -1, 0, -1, {}}),
    testing::RowName());

TEST(ShortestPath, FormatsThePathWithArrows) {
    GraphAlgorithms graph;
    graph.LoadGraph(Directed(4, {{0, 2, 1}, {2, 3, 1}}));
    EXPECT_EQ(graph.FormatPath(), "");
    EXPECT_EQ(graph.ShortestPath(0, 3), 2);
    EXPECT_EQ(graph.FormatPath(), "0→2→3");
}

TEST(ShortestPath, LoadForgetsTheStoredPath) {
    GraphAlgorithms graph;
    graph.LoadGraph(kTriangle);
    ASSERT_EQ(graph.ShortestPath(0, 2), 3);
    graph.LoadGraph(kTriangle);
    EXPECT_FALSE(graph.HasPath());
    EXPECT_EQ(graph.ShortestPath(0, 0), -1);
    EXPECT_EQ(graph.FormatPath(), "");
}

TEST(LoadGraph, RefusesNodeCountsOutsideOneToFifty) {
    GraphAlgorithms graph;
    GraphMatrix big = kTriangle;
    big.n = 51;
    EXPECT_FALSE(graph.LoadGraph(big));
    EXPECT_EQ(graph.ShortestPath(0, 2), -1);
    EXPECT_EQ(graph.CriticalPath(0), -1);
    big.n = -3;
    EXPECT_FALSE(graph.LoadGraph(big));
    GraphMatrix tree;
    EXPECT_EQ(graph.MinimumSpanningTree(tree), SpanningTreeStatus::Complete);
    EXPECT_EQ(tree.n, 0);
}

// Weights of a random graph: integers, so that sums are exact.
GraphMatrix RandomGraph(std::mt19937& rng, int n, int percent, bool symmetric) {
    GraphMatrix m;
    m.n = n;
    std::uniform_int_distribution<int> chance(0, 99);
    std::uniform_int_distribution<int> weight(1, 20);
    for (int i = 0; i < n; ++i) {
        for (int j = symmetric ? i + 1 : 0; j < n; ++j) {
            if (i == j || chance(rng) >= percent) continue;
            m.at(i, j) = weight(rng);
            if (symmetric) m.at(j, i) = m.at(i, j);
        }
    }
    return m;
}

TEST(ShortestPath, RandomGraphsMatchFloydWarshall) {
    std::mt19937 rng(5);
    for (int round = 0; round < 400; ++round) {
        const int n = 1 + round % 14;
        const GraphMatrix m = RandomGraph(rng, n, 25, false);
        std::vector<double> best(static_cast<std::size_t>(n * n), 1e300);
        auto at = [&](int i, int j) -> double& {
            return best[static_cast<std::size_t>(i * n + j)];
        };
        for (int i = 0; i < n; ++i) {
            for (int j = 0; j < n; ++j) {
                if (m.at(i, j) != 0) at(i, j) = m.at(i, j);
            }
        }
        for (int k = 0; k < n; ++k) {
            for (int i = 0; i < n; ++i) {
                for (int j = 0; j < n; ++j)
                    at(i, j) = std::min(at(i, j), at(i, k) + at(k, j));
            }
        }
        for (int s = 0; s < n; ++s) {
            for (int t = 0; t < n; ++t) {
                GraphAlgorithms graph;
                graph.LoadGraph(m);
                const double length = graph.ShortestPath(s, t);
                if (s == t || at(s, t) >= 1e300) {
                    ASSERT_EQ(length, -1) << round << ": " << s << "→" << t;
                    continue;
                }
                ASSERT_EQ(length, at(s, t)) << round << ": " << s << "→" << t;
                const auto path = graph.StoredPath();
                ASSERT_GE(path.size(), 2u);
                EXPECT_EQ(path.front(), s);
                EXPECT_EQ(path.back(), t);
                double sum = 0;
                for (std::size_t k = 0; k + 1 < path.size(); ++k) {
                    ASSERT_NE(m.at(path[k], path[k + 1]), 0) << "no such edge";
                    sum += m.at(path[k], path[k + 1]);
                }
                EXPECT_EQ(sum, length);
            }
        }
    }
}

struct CriticalRow {
    const char* name;
    GraphMatrix graph;
    int to;
    double length;
};

class CriticalPathRows : public ::testing::TestWithParam<CriticalRow> {};

TEST_P(CriticalPathRows, Length) {
    const CriticalRow& row = GetParam();
    GraphAlgorithms graph;
    ASSERT_TRUE(graph.LoadGraph(row.graph));
    EXPECT_EQ(graph.CriticalPath(row.to), row.length);
}

const GraphMatrix kActivities = Directed(4, {{0, 1, 3}, {0, 2, 2}, {1, 3, 4}, {2, 3, 6}});

INSTANTIATE_TEST_SUITE_P(
    Rules, CriticalPathRows,
    ::testing::Values(
        CriticalRow{"LongestToTheSink", kActivities, 3, 8},
        CriticalRow{"ToTheSourceItself", kActivities, 0, 0},
        CriticalRow{"ToAMiddleNode", kActivities, 2, 2},
        CriticalRow{"TwoSources", Directed(3, {{0, 2, 1}, {1, 2, 1}}), 2, -1},
        CriticalRow{"NoSource", Directed(2, {{0, 1, 1}, {1, 0, 1}}), 1, -1},
        CriticalRow{"AfterACycle", Directed(4, {{0, 1, 1}, {1, 2, 1}, {2, 1, 1}, {2, 3, 1}}), 3,
                    -1},
        CriticalRow{"BeforeACycleIsReached",
                    Directed(4, {{0, 1, 5}, {1, 2, 1}, {2, 3, 1}, {3, 2, 1}}), 1, 5},
        CriticalRow{"SingleNode", Directed(1, {}), 0, 0},
        CriticalRow{"SelfLoopIsNotASource", Directed(2, {{0, 1, 2}, {1, 1, 7}}), 1, 2},
        CriticalRow{"NegativeWeightsFloorAtZero", Directed(3, {{0, 1, -4}, {1, 2, 1}}), 2, 1},
        CriticalRow{"NodeOutsideTheGraph", kActivities, 4, -1}),
    testing::RowName());

TEST(CriticalPath, RandomNetworksMatchLongestPaths) {
    std::mt19937 rng(11);
    std::uniform_int_distribution<int> weight(1, 30);
    for (int round = 0; round < 300; ++round) {
        const int n = 1 + round % 20;
        // A random order of the nodes; edges only go forward in it, and every
        // node but the first gets at least one edge, so the first is the only
        // source.
        std::vector<int> order(static_cast<std::size_t>(n));
        std::iota(order.begin(), order.end(), 0);
        std::shuffle(order.begin(), order.end(), rng);
        GraphMatrix m;
        m.n = n;
        for (int b = 1; b < n; ++b) {
            const int forced = std::uniform_int_distribution<int>(0, b - 1)(rng);
            for (int a = 0; a < b; ++a) {
                if (a == forced || std::uniform_int_distribution<int>(0, 3)(rng) == 0) {
                    m.at(order[static_cast<std::size_t>(a)], order[static_cast<std::size_t>(b)]) =
                        weight(rng);
                }
            }
        }
        std::vector<double> longest(static_cast<std::size_t>(n), 0);
        for (int b = 0; b < n; ++b) {
            const int v = order[static_cast<std::size_t>(b)];
            for (int a = 0; a < b; ++a) {
                const int u = order[static_cast<std::size_t>(a)];
                if (m.at(u, v) != 0) {
                    longest[static_cast<std::size_t>(v)] =
                        std::max(longest[static_cast<std::size_t>(v)],
                                 longest[static_cast<std::size_t>(u)] + m.at(u, v));
                }
            }
        }
        GraphAlgorithms graph;
        graph.LoadGraph(m);
        for (int t = 0; t < n; ++t) {
            ASSERT_EQ(graph.CriticalPath(t), longest[static_cast<std::size_t>(t)])
                << "round " << round << " to " << t;
        }
    }
}

std::vector<Edge> TreeEdges(const GraphMatrix& tree) {
    std::vector<Edge> edges;
    for (int i = 0; i < tree.n; ++i) {
        for (int j = i + 1; j < tree.n; ++j) {
            EXPECT_EQ(tree.at(i, j), tree.at(j, i));
            if (tree.at(i, j) != 0) edges.push_back({i, j, tree.at(i, j)});
        }
    }
    return edges;
}

bool operator==(const Edge& a, const Edge& b) {
    return a.from == b.from && a.to == b.to && a.weight == b.weight;
}

struct TreeRow {
    const char* name;
    GraphMatrix graph;
    SpanningTreeStatus status;
    std::vector<Edge> edges;  // with from < to
};

class SpanningTreeRows : public ::testing::TestWithParam<TreeRow> {};

TEST_P(SpanningTreeRows, Edges) {
    const TreeRow& row = GetParam();
    GraphAlgorithms graph;
    ASSERT_TRUE(graph.LoadGraph(row.graph));
    GraphMatrix tree;
    tree.weights.fill(99);  // everything in the block must be overwritten
    EXPECT_EQ(graph.MinimumSpanningTree(tree), row.status);
    EXPECT_EQ(tree.n, row.graph.n);
    EXPECT_EQ(TreeEdges(tree), row.edges);
    for (int i = 0; i < tree.n; ++i)
        EXPECT_EQ(tree.at(i, i), 0);
}

constexpr auto kComplete = SpanningTreeStatus::Complete;
constexpr auto kDisconnected = SpanningTreeStatus::Disconnected;

INSTANTIATE_TEST_SUITE_P(
    Rules, SpanningTreeRows,
    ::testing::Values(TreeRow{"Triangle", kTriangle, kComplete, {{0, 1, 1}, {1, 2, 2}}},
                      TreeRow{"TiesGoToTheLowerTreeEndThenTheLowerOtherEnd",
                              Undirected(4, {{0, 1, 1}, {0, 2, 1}, {1, 3, 1}, {2, 3, 1}}),
                              kComplete,
                              {{0, 1, 1}, {0, 2, 1}, {1, 3, 1}}},
                      TreeRow{"TieBetweenTreeEnds",
                              Undirected(3, {{0, 1, 1}, {1, 2, 3}, {0, 2, 3}}),
                              kComplete,
                              {{0, 1, 1}, {0, 2, 3}}},
                      TreeRow{"NegativeWeightsPreferred",
                              Undirected(3, {{0, 1, 1}, {1, 2, -5}, {0, 2, 2}}),
                              kComplete,
                              {{0, 1, 1}, {1, 2, -5}}},
                      TreeRow{
                          "BillionNeverChosen", Undirected(2, {{0, 1, 1e9}}), kDisconnected, {}},
                      TreeRow{"DisconnectedKeepsNodeZerosComponent",
                              Undirected(4, {{0, 1, 2}, {2, 3, 1}}),
                              kDisconnected,
                              {{0, 1, 2}}},
                      TreeRow{"SingleNode", Directed(1, {}), kComplete, {}}),
    testing::RowName());

TEST(SpanningTree, RandomGraphsHaveTheWeightOfKruskalsTree) {
    std::mt19937 rng(17);
    for (int round = 0; round < 300; ++round) {
        const int n = 1 + round % 30;
        const GraphMatrix m = RandomGraph(rng, n, 30, true);
        // Kruskal's total weight with a union-find, and whether it connects.
        std::vector<Edge> edges;
        for (int i = 0; i < n; ++i) {
            for (int j = i + 1; j < n; ++j) {
                if (m.at(i, j) != 0) edges.push_back({i, j, m.at(i, j)});
            }
        }
        std::stable_sort(edges.begin(), edges.end(),
                         [](const Edge& a, const Edge& b) { return a.weight < b.weight; });
        std::vector<int> parent(static_cast<std::size_t>(n));
        std::iota(parent.begin(), parent.end(), 0);
        auto find = [&](int x) {
            while (parent[static_cast<std::size_t>(x)] != x)
                x = parent[static_cast<std::size_t>(x)];
            return x;
        };
        double total = 0;
        int joined = 0;
        for (const Edge& e : edges) {
            const int a = find(e.from);
            const int b = find(e.to);
            if (a == b) continue;
            parent[static_cast<std::size_t>(a)] = b;
            total += e.weight;
            ++joined;
        }
        GraphAlgorithms graph;
        graph.LoadGraph(m);
        GraphMatrix tree;
        const SpanningTreeStatus status = graph.MinimumSpanningTree(tree);
        ASSERT_EQ(status == kComplete, joined == n - 1) << "round " << round;
        if (status != kComplete) continue;
        const std::vector<Edge> chosen = TreeEdges(tree);
        ASSERT_EQ(static_cast<int>(chosen.size()), n - 1);
        double sum = 0;
        for (const Edge& e : chosen) {
            EXPECT_EQ(e.weight, m.at(e.from, e.to));
            sum += e.weight;
        }
        EXPECT_EQ(sum, total) << "round " << round;
    }
}

}  // namespace
}  // namespace zentova
