// The graph layer alone: Graphviz's layout of generated flowcharts of 100 and 1,000 nodes (about one
// and a half edges per node, every tenth labelled), and reading a 50-node Mermaid chart.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <string>

#include "Graph.h"
#include "Layout.h"
#include "Mermaid.h"

namespace {

// A chart in ranks of ten with 1.5 edges per node: every node above the last rank leads to one
// of the next rank, the other edges from random nodes two or three ranks on, so crossings and
// edges across ranks occur. Deterministic.
graph::Graph Chart(int nodes) {
  graph::Graph g;
  uint32_t seed = 12345;
  auto next = [&seed] { return seed = seed * 1103515245u + 12345u, (seed >> 16) & 0x7FFF; };
  for (int i = 0; i < nodes; ++i) {
    graph::Node n;
    n.id = "n" + std::to_string(i);
    n.text = "Step " + std::to_string(i);
    n.shape = i % 7 == 3 ? graph::Shape::Decision : graph::Shape::Process;
    n.width = 100 + static_cast<int>(next() % 40);
    n.height = 40 + static_cast<int>(next() % 30);
    g.nodes.push_back(n);
  }
  const int ranks = (nodes + 9) / 10;
  auto add = [&](int from, int rank) {
    graph::Edge e;
    e.from = from;
    e.to = std::min(nodes - 1, std::min(rank, ranks - 1) * 10 + static_cast<int>(next() % 10));
    if (g.edges.size() % 10 == 0) e.label = "yes";
    g.edges.push_back(e);
  };
  const int above = std::max(1, nodes - 10);  // the nodes above the last rank
  for (int i = 0; i < above; ++i) add(i, i / 10 + 1);
  while (static_cast<int>(g.edges.size()) < nodes * 3 / 2) {
    const int from = static_cast<int>(next() % static_cast<uint32_t>(above));
    add(from, from / 10 + 2 + static_cast<int>(next() % 2));
  }
  return g;
}

void BM_GraphLayout(benchmark::State& state) {
  const graph::Graph g = Chart(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    const graph::LayoutResult r = graph::Layout(g, graph::Direction::TopToBottom);
    if (!r.ok() || r.nodes.size() != g.nodes.size()) {
      state.SkipWithError("the layout failed");
      return;
    }
    benchmark::DoNotOptimize(r.nodes.data());
  }
  state.counters["nodes"] = static_cast<double>(g.nodes.size());
  state.counters["edges"] = static_cast<double>(g.edges.size());
}
BENCHMARK(BM_GraphLayout)->Arg(100)->Arg(1000)->Unit(benchmark::kMillisecond);

// A 50-node chart in the forms people write: shapes, chains, labels, styles and classes.
std::string MermaidChart() {
  std::string text = "flowchart TD\n    %% generated\n";
  for (int i = 0; i < 50; ++i) {
    const std::string id = "N" + std::to_string(i);
    const char* open[] = {"[", "(", "{", "((", "[[", "(["};
    const char* close[] = {"]", ")", "}", "))", "]]", "])"};
    text += "    " + id + open[i % 6] + "\"Step " + std::to_string(i) + " (of 50)\"" + close[i % 6];
    if (i > 0) text += " --> N" + std::to_string(i - 1 - (i * 7) % std::min(i, 5));
    text += "\n";
    if (i % 5 == 0 && i + 2 < 50) text += "    " + id + " -->|yes| N" + std::to_string(i + 2) + " -. no .-> N" + std::to_string(i + 1) + "\n";
  }
  text += "    classDef hot fill:#f96,stroke:#333,stroke-width:2px\n    class N1,N2,N3 hot\n    style N4 fill:#bbf\n";
  return text;
}

void BM_MermaidParse(benchmark::State& state) {
  const std::string text = MermaidChart();
  for (auto _ : state) {
    const graph::ParseResult r = graph::ReadMermaid(text);
    if (!r.ok() || r.graph->nodes.size() != 50) {
      state.SkipWithError("the chart did not read as 50 nodes");
      return;
    }
    benchmark::DoNotOptimize(r.graph->edges.data());
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(text.size()));
}
BENCHMARK(BM_MermaidParse)->Unit(benchmark::kMillisecond);

}  // namespace
