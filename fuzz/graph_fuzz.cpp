// Adjacency matrix texts and the three graph tools. The tools keep their work
// in one object across computations, as the page does; each answer must equal
// that of a fresh object, so no state leaks from one run into the next.
#include <fuzzer/FuzzedDataProvider.h>

#include <string>

#include "fuzz_check.h"
#include "graph/graph_algorithms.h"
#include "graph/graph_tools.h"

using namespace zentova;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    const int n = input.ConsumeIntegralInRange(-1, 51);
    const int from = input.ConsumeIntegralInRange(-1, 51);
    const int to = input.ConsumeIntegralInRange(-1, 51);
    const std::string text = input.ConsumeRemainingBytesAsString();

    static GraphAlgorithms kept;
    GraphAlgorithms fresh;
    const ShortestPathReport a = ComputeShortestPath(kept, n, text, from, to);
    const ShortestPathReport b = ComputeShortestPath(fresh, n, text, from, to);
    fuzz::Check(a.outcome.kind == b.outcome.kind && a.outcome.text == b.outcome.text &&
                    fuzz::SameBits(a.length, b.length) && a.pathText == b.pathText,
                "a shortest path does not depend on earlier runs", text);

    GraphAlgorithms fresh2;
    const CriticalPathReport c = ComputeCriticalPath(kept, n, text, to);
    const CriticalPathReport d = ComputeCriticalPath(fresh2, n, text, to);
    fuzz::Check(c.outcome.text == d.outcome.text && fuzz::SameBits(c.length, d.length),
                "a critical path does not depend on earlier runs", text);

    GraphAlgorithms fresh3;
    const SpanningTreeReport e = ComputeSpanningTree(kept, n, text);
    const SpanningTreeReport f = ComputeSpanningTree(fresh3, n, text);
    fuzz::Check(e.outcome.text == f.outcome.text && e.treeText == f.treeText,
                "a spanning tree does not depend on earlier runs", text);
    return 0;
}
