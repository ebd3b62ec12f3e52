#include "FlowLayout.h"

#include <algorithm>
#include <map>

#include "Spines.h"

namespace flowchart {

FlowLayout LayOutByFlow(const graph::Graph& g, graph::Direction direction, const graph::LayoutOptions& options) {
  FlowLayout laid;
  laid.order = OrderByFlow(g);
  const graph::Graph ranked = FlowRanked(g, laid.order);
  graph::LayoutResult result = graph::Layout(ranked, direction, options);
  if (!result.ok() || result.nodes.size() != g.nodes.size()) {
    laid.layout = std::move(result);
    return laid;
  }
  std::vector<QRect> boxes(g.nodes.size());
  for (size_t i = 0; i < laid.order.nodes.size(); ++i) boxes[static_cast<size_t>(laid.order.nodes[i])] = result.nodes[i];
  const std::string continuing = ContinuingLabel(g, laid.order);
  AlignSpines(g, laid.order, boxes, direction, options.origin, options.nodeSpacing / 2, continuing);
  laid.chainNext = ChainNext(g, laid.order, boxes, direction, continuing);
  result.nodes = std::move(boxes);
  result.edges.clear();  // Graphviz's curves went around the nodes where they were
  laid.layout = std::move(result);
  return laid;
}

std::vector<SideHint> ChainSides(const graph::Graph& g, const FlowLayout& laid, graph::Direction direction) {
  std::vector<SideHint> hints(g.edges.size());
  const connectors::Side forward = ForwardSide(direction);
  std::vector<bool> taken(g.nodes.size(), false);
  for (size_t k = 0; k < g.edges.size(); ++k) {
    const graph::Edge& e = g.edges[k];
    if (e.from < 0 || static_cast<size_t>(e.from) >= laid.chainNext.size() || laid.order.back[k]) continue;
    if (laid.chainNext[static_cast<size_t>(e.from)] != e.to || taken[static_cast<size_t>(e.from)]) continue;
    taken[static_cast<size_t>(e.from)] = true;  // two links between the pair: the first is the chain's
    hints[k] = {forward, connectors::Opposite(forward)};
  }
  return hints;
}

void ShareSizes(graph::Graph& g, const std::vector<bool>& computed) {
  auto group = [](graph::Shape s) { return s == graph::Shape::End ? graph::Shape::Start : s; };
  std::map<graph::Shape, int> largest;
  for (size_t i = 0; i < g.nodes.size(); ++i) {
    if (!computed[i]) continue;
    const graph::Node& n = g.nodes[i];
    const bool mark = group(n.shape) == graph::Shape::Start;
    int& l = largest[group(n.shape)];
    l = std::max(l, mark ? std::min(n.width, n.height) : n.height);  // a mark's circle fits its box's short side
  }
  for (size_t i = 0; i < g.nodes.size(); ++i) {
    if (!computed[i]) continue;
    graph::Node& n = g.nodes[i];
    const int l = largest[group(n.shape)];
    if (group(n.shape) == graph::Shape::Start) n.width = n.height = l;
    else n.height = l;
  }
}

}  // namespace flowchart
