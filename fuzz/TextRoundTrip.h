#pragma once
#include <cstdlib>
#include <cstdio>
#include <string>

#include "Graph.h"
#include "ParseResult.h"

// What the text readers' fuzz targets check of every graph they read: its edges name its nodes,
// and what it writes reads back, without a word, as the same graph.
namespace fuzzcheck {

[[noreturn]] inline void Fail(const char* what, const std::string& text) {
  std::fprintf(stderr, "%s\n--- written ---\n%s\n", what, text.c_str());
  std::abort();
}

inline void ExpectWellFormed(const graph::Graph& g) {
  if (g.nodes.empty()) Fail("a graph without nodes was read", "");
  for (const graph::Edge& e : g.edges)
    if (e.from < 0 || e.to < 0 || e.from >= static_cast<int>(g.nodes.size()) || e.to >= static_cast<int>(g.nodes.size()))
      Fail("an edge names no node", "");
}

// The graph as the format carries it through: ids of nodes, links and clusters are the writer's
// (made where none reads back).
inline graph::Graph Comparable(graph::Graph g, bool sizes) {
  for (graph::Node& n : g.nodes) {
    n.id.clear();
    if (!sizes) n.width = n.height = 0;
  }
  for (graph::Edge& e : g.edges) e.id.clear();
  for (graph::Cluster& c : g.clusters) c.id.clear();
  return g;
}

// Reading what was written from `first` gives `first` again.
template <typename Write, typename Read>
void ExpectRoundTrip(const graph::Graph& first, Write write, Read read, bool sizes) {
  const std::string text = write(first);
  const graph::ParseResult again = read(text);
  if (!again.ok()) Fail(("what was written does not read: " + graph::Describe(*again.error)).c_str(), text);
  if (!again.warnings.empty()) Fail(("what was written reads with a warning: " + graph::Describe(again.warnings[0])).c_str(), text);
  if (!(Comparable(*again.graph, sizes) == Comparable(first, sizes))) Fail("what was written reads as another graph", text);
  for (size_t i = 0; i < first.edges.size(); ++i)
    if (!again.graph->edges[i].id.empty() && again.graph->edges[i].id != first.edges[i].id) Fail("a link's id changed", text);
}

}  // namespace fuzzcheck
