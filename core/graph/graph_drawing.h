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
#include <utility>
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
// never laid out, and the result of one that runs is thrown away. `Job` is
// what a request asks for, `Result` what its layout gives.
template <class Job, class Result>
class GraphLayoutWorker {
  public:
    using Layout = std::function<Result(const Job& job)>;

    // `makeLayout` is called once, on the worker, before the first layout.
    explicit GraphLayoutWorker(std::function<Layout()> makeLayout)
        : thread_([this, make = std::move(makeLayout)]() mutable { Run(std::move(make)); }) {}

    // Waits for the layout that runs, if any; a waiting one is dropped.
    ~GraphLayoutWorker() {
        {
            const std::lock_guard<std::mutex> lock(mutex_);
            ending_ = true;
        }
        wake_.notify_one();
        thread_.join();
    }
    GraphLayoutWorker(const GraphLayoutWorker&) = delete;
    GraphLayoutWorker& operator=(const GraphLayoutWorker&) = delete;

    // Asks for `job` to be laid out and returns its ticket. Every earlier
    // request is dropped: only the newest is ever answered.
    std::uint64_t Request(Job job) {
        std::uint64_t ticket = 0;
        {
            const std::lock_guard<std::mutex> lock(mutex_);
            ticket = ++newest_;
            waiting_ = std::move(job);
            result_.reset();
        }
        wake_.notify_one();
        return ticket;
    }

    // The result for `ticket` once it is ready, taken out; nothing while it
    // is waiting or running, or when it was dropped.
    std::optional<Result> Take(std::uint64_t ticket) {
        const std::lock_guard<std::mutex> lock(mutex_);
        if (ticket == 0 || ticket != newest_ || !result_) return std::nullopt;
        return std::exchange(result_, std::nullopt);
    }

    // Drops `ticket` if it is still the newest request.
    void Drop(std::uint64_t ticket) {
        const std::lock_guard<std::mutex> lock(mutex_);
        if (ticket != newest_) return;
        // A new ticket that nobody holds: the layout that runs finds itself
        // superseded and its result goes.
        ++newest_;
        waiting_.reset();
        result_.reset();
    }

  private:
    void Run(std::function<Layout()> makeLayout) {
        Layout layout;
        std::unique_lock<std::mutex> lock(mutex_);
        for (;;) {
            wake_.wait(lock, [this] { return ending_ || waiting_.has_value(); });
            if (ending_) break;
            const std::uint64_t ticket = newest_;
            const Job job = std::move(*waiting_);
            waiting_.reset();
            lock.unlock();
            std::optional<Result> laidOut;
            try {
                if (!layout) layout = makeLayout();
                laidOut = layout(job);
            } catch (...) {
                // An exception may not leave the thread; the drawing shows as
                // one that could not be laid out.
                laidOut = Result();
            }
            lock.lock();
            if (ticket == newest_) result_ = std::move(laidOut);
        }
        lock.unlock();
        // The layout's own resources go on the thread that used them.
        layout = nullptr;
    }

    std::mutex mutex_;
    std::condition_variable wake_;
    std::uint64_t newest_ = 0;      // the ticket of the latest request
    std::optional<Job> waiting_;    // the newest request, not yet laid out
    std::optional<Result> result_;  // the newest request's result
    bool ending_ = false;
    std::thread thread_;  // last: it starts once everything above exists
};

}  // namespace zentova
