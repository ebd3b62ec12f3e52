#include "ClusterDirections.h"

#include <algorithm>

#include "ClusterGaps.h"
#include "FlowLayout.h"

namespace flowchart {

bool RunsItsOwnWay(const graph::Graph& g, size_t k) {
  const graph::Cluster& cluster = g.clusters[k];
  if (!cluster.direction || *cluster.direction == g.direction || cluster.nodes.size() < 2) return false;
  if (std::any_of(g.clusters.begin(), g.clusters.end(), [&](const graph::Cluster& c) { return c.parent == static_cast<int>(k); }))
    return false;
  // As in Mermaid: a subgraph one of whose nodes links outside it follows the chart's direction
  // (links to the subgraph itself do not count).
  std::vector<bool> in(g.nodes.size(), false);
  for (int n : cluster.nodes) in[static_cast<size_t>(n)] = true;
  const auto inside = [&](int node, int linkedCluster) { return linkedCluster < 0 && node >= 0 && in[static_cast<size_t>(node)]; };
  return std::none_of(g.edges.begin(), g.edges.end(),
                      [&](const graph::Edge& e) { return inside(e.from, e.fromCluster) != inside(e.to, e.toCluster); });
}

std::string FollowClusterDirections(const graph::Graph& g, std::vector<QRect>& nodes, std::vector<QRect>& clusters) {
  for (size_t k = 0; k < g.clusters.size() && k < clusters.size(); ++k) {
    const graph::Cluster& cluster = g.clusters[k];
    if (!RunsItsOwnWay(g, k)) continue;
    // Its nodes and the links among them, in its own direction.
    graph::Graph part;
    part.direction = *cluster.direction;
    std::vector<int> at(g.nodes.size(), -1);
    QRect before;
    for (int n : cluster.nodes) {
      at[static_cast<size_t>(n)] = static_cast<int>(part.nodes.size());
      part.nodes.push_back(g.nodes[static_cast<size_t>(n)]);
      before |= nodes[static_cast<size_t>(n)];
    }
    for (const graph::Edge& e : g.edges) {
      if (e.from < 0 || e.to < 0 || at[static_cast<size_t>(e.from)] < 0 || at[static_cast<size_t>(e.to)] < 0) continue;
      graph::Edge laid = e;
      laid.from = at[static_cast<size_t>(e.from)];
      laid.to = at[static_cast<size_t>(e.to)];
      laid.fromCluster = laid.toCluster = -1;
      part.edges.push_back(std::move(laid));
    }
    const graph::LayoutResult laid = LayOutByFlow(part, part.direction).layout;
    if (!laid.ok()) return laid.error;
    QRect after;
    for (const QRect& r : laid.nodes) after |= r;
    const QRect old = clusters[k];
    const QPoint lead = before.topLeft() - old.topLeft();
    const QPoint trail = old.bottomRight() - before.bottomRight();
    const QSize size(std::max(lead.x() + after.width() + trail.x(), cluster.titleWidth), lead.y() + after.height() + trail.y());
    const bool flowsDown = g.direction == graph::Direction::TopToBottom || g.direction == graph::Direction::BottomToTop;
    QPoint corner = old.topLeft();
    for (const bool vertical : {false, true}) {
      const int was = vertical ? old.height() : old.width(), now = vertical ? size.height() : size.width();
      const int lo = vertical ? old.top() : old.left(), hi = vertical ? old.bottom() : old.right();
      int& edge = vertical ? corner.ry() : corner.rx();
      if (vertical == flowsDown) {
        // Along the chart's flow it keeps its near edge; what lies beyond makes room as it grows.
        if (now > was) PutSpace(vertical, hi + 1, now - was, nodes, clusters);
      } else if (now > was) {
        // Across the flow it stays centred on its old place, with the steps and links in line with
        // it before and after: half the room goes in at its near edge, moving those with it, the
        // rest beyond its far one.
        const int half = (now - was) / 2;
        PutSpace(vertical, lo, half, nodes, clusters);
        PutSpace(vertical, hi + 1 + half, now - was - half, nodes, clusters);
      } else {
        edge = lo + (was - now) / 2;
      }
    }
    clusters[k] = QRect(corner, size);
    const QPoint shift = corner + lead - after.topLeft();
    for (size_t j = 0; j < cluster.nodes.size(); ++j) nodes[static_cast<size_t>(cluster.nodes[j])] = laid.nodes[j].translated(shift);
    // The room it no longer fills along the flow closes up where nothing else stands in it, so
    // that its links onward keep their length.
    const int far = flowsDown ? old.bottom() : old.right(), end = flowsDown ? clusters[k].bottom() : clusters[k].right();
    if (end < far) {
      std::vector<bool> around(clusters.size(), false);
      for (int p = cluster.parent; p >= 0 && static_cast<size_t>(p) < around.size(); p = g.clusters[static_cast<size_t>(p)].parent)
        around[static_cast<size_t>(p)] = true;
      TakeSpace(flowsDown, end + 1, far + 1, around, nodes, clusters);
    }
  }
  return {};
}

std::string KeepClusters(const graph::Graph& g, std::vector<QRect>& nodes, std::vector<QRect>& clusters) {
  if (std::string failed = FollowClusterDirections(g, nodes, clusters); !failed.empty()) return failed;
  SpreadSiblings(g, nodes, clusters);
  return {};
}

void TurnChainSides(const graph::Graph& g, std::vector<SideHint>& hints) {
  const connectors::Side forward = ForwardSide(g.direction), back = connectors::Opposite(forward);
  const std::vector<int> clusterOf = graph::ClusterOfNodes(g);
  const auto own = [&](int c) { return c >= 0 && static_cast<size_t>(c) < g.clusters.size() && RunsItsOwnWay(g, static_cast<size_t>(c)); };
  for (size_t k = 0; k < g.edges.size() && k < hints.size(); ++k) {
    const graph::Edge& e = g.edges[k];
    // A link to (from) such a cluster enters (leaves) its container along the chart's flow, not
    // beside it, where the container has grown across the flow.
    if (own(e.toCluster) && !hints[k].to) hints[k].to = back;
    if (own(e.fromCluster) && !hints[k].from) hints[k].from = forward;
    if (e.from < 0 || e.to < 0 || e.fromCluster >= 0 || e.toCluster >= 0) continue;
    const int c = clusterOf[static_cast<size_t>(e.from)];
    if (c < 0 || c != clusterOf[static_cast<size_t>(e.to)] || !RunsItsOwnWay(g, static_cast<size_t>(c))) continue;
    SideHint& h = hints[k];
    if (h.from != forward || h.to != back) continue;
    const connectors::Side own = ForwardSide(*g.clusters[static_cast<size_t>(c)].direction);
    h = {own, connectors::Opposite(own)};
  }
}

}  // namespace flowchart
