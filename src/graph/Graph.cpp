#include "Graph.h"

namespace graph {

void NormaliseWidth(Edge& edge) {
  if (edge.width <= 0) {
    edge.width = 0;
    return;
  }
  if (edge.style == LineStyle::Solid && edge.width >= kThickWidth) edge.style = LineStyle::Thick;
  if (edge.style == LineStyle::Thick && edge.width < kThickWidth) edge.width = 0;
  const int own = edge.style == LineStyle::Thick ? kThickWidth : 2;
  if (edge.width == own) edge.width = 0;
}

std::vector<int> ClusterOfNodes(const Graph& graph) {
  std::vector<int> of(graph.nodes.size(), -1);
  for (size_t c = 0; c < graph.clusters.size(); ++c)
    for (int n : graph.clusters[c].nodes)
      if (n >= 0 && static_cast<size_t>(n) < of.size()) of[n] = static_cast<int>(c);
  return of;
}

int NodeWithin(const Graph& graph, int cluster) {
  if (cluster < 0 || static_cast<size_t>(cluster) >= graph.clusters.size()) return -1;
  if (!graph.clusters[cluster].nodes.empty()) return graph.clusters[cluster].nodes.front();
  // Clusters within come after their parent, which also bounds the walk in a malformed graph.
  for (size_t c = static_cast<size_t>(cluster) + 1; c < graph.clusters.size(); ++c)
    if (graph.clusters[c].parent == cluster)
      if (const int n = NodeWithin(graph, static_cast<int>(c)); n >= 0) return n;
  return -1;
}

bool ClusterWithin(const Graph& graph, int inner, int outer) {
  // Parents come first, so a walk up ends; the bound guards a malformed graph.
  for (size_t steps = 0; inner >= 0 && steps <= graph.clusters.size(); ++steps) {
    if (inner == outer) return true;
    if (static_cast<size_t>(inner) >= graph.clusters.size()) return false;
    inner = graph.clusters[inner].parent;
  }
  return false;
}

}  // namespace graph
