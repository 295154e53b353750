// What a drawing of the typed graph shows: its nodes and edges, whether the
// edges have a direction, and which of them the last answer went along.
#pragma once

#include <condition_variable>
#include <cstdint>
#include <functional>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <thread>
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

// Lays out drawings one at a time on a thread of its own, so that a layout of
// seconds never holds up the window. The layout and whatever it keeps (a
// library context that only one thread may use) are made, used and destroyed
// on that thread alone. A layout cannot be interrupted once it runs, so a
// request that is no longer wanted is dropped instead: one still waiting is
// never laid out, and the result of one that runs is thrown away.
class GraphLayoutWorker {
  public:
    // Text in, laid-out text out; empty when it cannot be laid out.
    using Layout = std::function<std::string(const std::string& text)>;

    // `makeLayout` is called once, on the worker, before the first layout.
    explicit GraphLayoutWorker(std::function<Layout()> makeLayout);
    // Waits for the layout that runs, if any; a waiting one is dropped.
    ~GraphLayoutWorker();
    GraphLayoutWorker(const GraphLayoutWorker&) = delete;
    GraphLayoutWorker& operator=(const GraphLayoutWorker&) = delete;

    // Asks for `text` to be laid out and returns its ticket. Every earlier
    // request is dropped: only the newest is ever answered.
    std::uint64_t Request(std::string text);

    // The result for `ticket` once it is ready, taken out; nothing while it is
    // waiting or running, or when it was dropped.
    std::optional<std::string> Take(std::uint64_t ticket);

    // Drops `ticket` if it is still the newest request.
    void Drop(std::uint64_t ticket);

  private:
    void Run(std::function<Layout()> makeLayout);

    std::mutex mutex_;
    std::condition_variable wake_;
    std::uint64_t newest_ = 0;   // the ticket of the latest request
    std::uint64_t waiting_ = 0;  // a request not yet laid out, or 0
    std::string waitingText_;
    std::uint64_t done_ = 0;  // the ticket whose result is kept, or 0
    std::string result_;
    bool ending_ = false;
    std::thread thread_;  // last: it starts once everything above exists
};

}  // namespace zentova
