#include "ReadBack.h"

#include <unordered_map>

#include "DiagramGraph.h"
#include "ItemGrid.h"

namespace flowchart {

std::vector<size_t> EdgesNotReadBack(std::span<const semantics::Item> items, const std::vector<ExpectedEdge>& edges) {
  const semantics::ItemGrid grid(items);
  const graph::Graph g = semantics::FindGraph(items, grid.AsQuery());
  std::unordered_map<uint64_t, const graph::Edge*> byFirstSegment;
  for (const graph::Edge& e : g.edges)
    if (!e.figures.empty()) byFirstSegment.emplace(e.figures.front(), &e);
  // One arrow with a head at each end runs either way round.
  std::unordered_map<uint64_t, bool> bothHeads;
  for (const semantics::Item& i : items)
    if (byFirstSegment.contains(i.id)) bothHeads.emplace(i.id, i.kind == semantics::ItemKind::Arrow && i.heads == apBoth);
  std::vector<size_t> missing;
  for (size_t i = 0; i < edges.size(); ++i) {
    const ExpectedEdge& want = edges[i];
    const auto it = want.segments.empty() ? byFirstSegment.end() : byFirstSegment.find(want.segments.front());
    bool found = it != byFirstSegment.end();
    if (found) {
      const graph::Edge& e = *it->second;
      const auto figure = [&](int node, int cluster) {
        return cluster >= 0 ? g.clusters[static_cast<size_t>(cluster)].figure : g.nodes[static_cast<size_t>(node)].figure;
      };
      const uint64_t from = figure(e.from, e.fromCluster), to = figure(e.to, e.toCluster);
      const bool ends = (from == want.from && to == want.to) ||
                        ((!want.directed || bothHeads[e.figures.front()]) && from == want.to && to == want.from);
      const size_t labelled = want.label.empty() ? 0 : 1;
      const bool segments = e.figures.size() == want.segments.size() + labelled &&
                            std::equal(want.segments.begin(), want.segments.end(), e.figures.begin());
      found = ends && segments && e.directed == want.directed && e.label == want.label;
    }
    if (!found) missing.push_back(i);
  }
  return missing;
}

}  // namespace flowchart
