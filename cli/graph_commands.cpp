// graph shortest, graph critical and graph mst: the adjacency matrix comes
// from standard input.
#include <CLI/CLI.hpp>

#include <memory>
#include <string>

#include "cli_support.h"
#include "graph/graph_tools.h"

namespace zentova::cli {
namespace {

struct GraphArguments {
    std::string nodes;
    std::string from;
    std::string to;
};

void AddShortest(CLI::App& graph, Context& context) {
    auto args = std::make_shared<GraphArguments>();
    CLI::App* sub = graph.add_subcommand("shortest", "最短路径长与路径");
    sub->add_option("N", args->nodes, "结点数")->required();
    sub->add_option("FROM", args->from, "起点")->required();
    sub->add_option("TO", args->to, "终点")->required();
    sub->callback([args, &context] {
        const int n = ParseInt(args->nodes, "N");
        const int from = ParseInt(args->from, "FROM");
        const int to = ParseInt(args->to, "TO");
        GraphAlgorithms algorithms;
        Emit(context, ComputeShortestPath(algorithms, n, ReadAll(context.in), from, to).outcome);
    });
}

void AddCritical(CLI::App& graph, Context& context) {
    auto args = std::make_shared<GraphArguments>();
    CLI::App* sub = graph.add_subcommand("critical", "从源点到某点的关键路径长（-1 表示不存在）");
    sub->add_option("N", args->nodes, "结点数")->required();
    sub->add_option("TO", args->to, "终点")->required();
    sub->callback([args, &context] {
        const int n = ParseInt(args->nodes, "N");
        const int to = ParseInt(args->to, "TO");
        GraphAlgorithms algorithms;
        Emit(context, ComputeCriticalPath(algorithms, n, ReadAll(context.in), to).outcome);
    });
}

void AddSpanningTree(CLI::App& graph, Context& context) {
    auto args = std::make_shared<GraphArguments>();
    CLI::App* sub = graph.add_subcommand("mst", "最小生成树（邻接矩阵形式）");
    sub->add_option("N", args->nodes, "结点数")->required();
    sub->callback([args, &context] {
        const int n = ParseInt(args->nodes, "N");
        GraphAlgorithms algorithms;
        Emit(context, ComputeSpanningTree(algorithms, n, ReadAll(context.in)).outcome);
    });
}

}  // namespace

void AddGraphCommands(CLI::App& app, Context& context) {
    CLI::App* graph = app.add_subcommand("graph", "图论：邻接矩阵从标准输入读入");
    graph->require_subcommand(1);
    AddShortest(*graph, context);
    AddCritical(*graph, context);
    AddSpanningTree(*graph, context);
}

}  // namespace zentova::cli
