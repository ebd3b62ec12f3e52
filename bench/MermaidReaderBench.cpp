// The Mermaid reader alone on large charts: chains of 10,000 and 100,000 nodes, and a chart of
// 10,000 nodes in about 1 MB of the forms people write (every shape, labelled links, styles).
// Its cost per node stays flat: nothing it does walks the text again for each statement.
#include <benchmark/benchmark.h>

#include <string>

#include "Mermaid.h"

namespace {

// n0[Node 0] --> n1[Node 1] --> ...: one statement per line.
std::string Chain(int nodes) {
  std::string text = "flowchart TD\n";
  for (int i = 0; i + 1 < nodes; ++i)
    text += "    n" + std::to_string(i) + "[Node number " + std::to_string(i) + "] --> n" + std::to_string(i + 1) + "\n";
  return text;
}

// About 100 bytes a node: each of the six shapes with a quoted text, links with and without
// texts, dotted and thick ones, a class and a style every so often.
std::string Written(int nodes) {
  static const char* open[] = {"[", "(", "{", "((", "[[", "(["};
  static const char* close[] = {"]", ")", "}", "))", "]]", "])"};
  std::string text = "flowchart LR\n    classDef hot fill:#f96,stroke:#333,stroke-width:2px\n";
  for (int i = 0; i < nodes; ++i) {
    const std::string id = "step" + std::to_string(i);
    text += "    " + id + open[i % 6] + "\"Step " + std::to_string(i) + ": check the order, the stock and the delivery date\"" + close[i % 6];
    if (i > 0) {
      const char* links[] = {" --> ", " -->|yes| ", " -.-> ", " == ok ==> "};
      text += links[i % 4] + std::string("step") + std::to_string(i - 1);
    }
    if (i % 50 == 0) text += ":::hot";
    text += "\n";
    if (i % 100 == 7) text += "    style " + id + " fill:#bbf,stroke:#f66\n";
  }
  return text;
}

void Read(benchmark::State& state, const std::string& text, size_t nodes) {
  for (auto _ : state) {
    const graph::ParseResult r = graph::ReadMermaid(text);
    if (!r.ok() || r.graph->nodes.size() != nodes) {
      state.SkipWithError("the chart did not read with all its nodes");
      return;
    }
    benchmark::DoNotOptimize(r.graph->edges.data());
  }
  state.counters["figures"] = static_cast<double>(nodes);  // the nodes, as flat_n budgets count them
  state.counters["MB"] = static_cast<double>(text.size()) / 1e6;
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(text.size()));
}

void BM_MermaidRead(benchmark::State& state) {
  const int nodes = static_cast<int>(state.range(0));
  Read(state, Chain(nodes), static_cast<size_t>(nodes));
}
BENCHMARK(BM_MermaidRead)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

void BM_MermaidRead1MB(benchmark::State& state) { Read(state, Written(10000), 10000); }
BENCHMARK(BM_MermaidRead1MB)->Unit(benchmark::kMillisecond);

}  // namespace
