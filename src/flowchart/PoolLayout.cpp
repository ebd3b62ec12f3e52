#include "PoolLayout.h"

#include <algorithm>
#include <map>
#include <numeric>
#include <optional>

#include "ClusterGaps.h"
#include "FlowLayout.h"
#include "LaneLayout.h"

namespace flowchart {

namespace {

// The part of a graph made of some of its nodes and clusters, renumbered, with the links among
// those nodes; `node` and `cluster` map the part's back to the whole's.
struct Part {
  graph::Graph g;
  std::vector<int> node, cluster;
};

Part PartOf(const graph::Graph& whole, const std::vector<bool>& nodeIn, const std::vector<bool>& clusterIn, graph::Direction direction) {
  Part part;
  part.g.direction = direction;
  std::vector<int> nodeAt(whole.nodes.size(), -1), clusterAt(whole.clusters.size(), -1);
  for (size_t n = 0; n < whole.nodes.size(); ++n)
    if (nodeIn[n]) {
      nodeAt[n] = static_cast<int>(part.g.nodes.size());
      part.g.nodes.push_back(whole.nodes[n]);
      part.node.push_back(static_cast<int>(n));
    }
  // Parents come before the clusters within them, as the whole's do.
  for (size_t k = 0; k < whole.clusters.size(); ++k)
    if (clusterIn[k]) {
      clusterAt[k] = static_cast<int>(part.g.clusters.size());
      graph::Cluster c = whole.clusters[k];
      c.parent = c.parent >= 0 ? clusterAt[static_cast<size_t>(c.parent)] : -1;
      c.nodes.clear();
      for (int n : whole.clusters[k].nodes)
        if (nodeAt[static_cast<size_t>(n)] >= 0) c.nodes.push_back(nodeAt[static_cast<size_t>(n)]);
      part.g.clusters.push_back(std::move(c));
      part.cluster.push_back(static_cast<int>(k));
    }
  for (const graph::Edge& e : whole.edges) {
    if (e.from < 0 || e.to < 0 || nodeAt[static_cast<size_t>(e.from)] < 0 || nodeAt[static_cast<size_t>(e.to)] < 0) continue;
    graph::Edge laid = e;
    laid.from = nodeAt[static_cast<size_t>(e.from)];
    laid.to = nodeAt[static_cast<size_t>(e.to)];
    laid.fromCluster = laid.toCluster = -1;
    part.g.edges.push_back(std::move(laid));
  }
  return part;
}

QRect Unite(const std::vector<QRect>& boxes) {
  QRect all;
  for (const QRect& b : boxes) all |= b;
  return all;
}

}  // namespace

PoolsPlacement PlacePools(const graph::Graph& g, const std::vector<PoolChart>& pools, graph::Direction direction) {
  PoolsPlacement out;
  const size_t N = g.nodes.size(), K = g.clusters.size();
  out.nodes.resize(N);
  out.clusters.resize(K);
  const std::vector<int> clusterOf = graph::ClusterOfNodes(g);

  // Each cluster's pool and lane, and the container right inside a lane it lies in (its block).
  std::vector<int> poolOfCluster(K, -1), laneOfCluster(K, -1), blockOf(K, -1);
  for (size_t p = 0; p < pools.size(); ++p)
    for (size_t l = 0; l < pools[p].lanes.size(); ++l)
      for (size_t k = 0; k < K; ++k)
        if (graph::ClusterWithin(g, static_cast<int>(k), pools[p].lanes[l])) {
          poolOfCluster[k] = static_cast<int>(p);
          laneOfCluster[k] = static_cast<int>(l);
          if (static_cast<int>(k) != pools[p].lanes[l]) {
            int b = static_cast<int>(k);
            while (g.clusters[static_cast<size_t>(b)].parent != pools[p].lanes[l]) b = g.clusters[static_cast<size_t>(b)].parent;
            blockOf[k] = b;
          }
        }

  // The steps the lanes place: a node of a lane itself, or a block standing for its members.
  std::vector<int> unitOfNode(N, -1);
  graph::Graph units;
  units.direction = direction;
  std::vector<int> unitPool, unitLane, unitBlock;
  std::map<int, int> unitOfBlock;
  for (size_t n = 0; n < N; ++n) {
    const int k = clusterOf[n];
    const int b = k >= 0 ? blockOf[static_cast<size_t>(k)] : -1;
    if (b >= 0 && unitOfBlock.count(b)) {
      unitOfNode[n] = unitOfBlock[b];
      continue;
    }
    unitOfNode[n] = static_cast<int>(units.nodes.size());
    units.nodes.push_back(g.nodes[n]);
    unitPool.push_back(k >= 0 ? poolOfCluster[static_cast<size_t>(k)] : -1);
    unitLane.push_back(k >= 0 ? laneOfCluster[static_cast<size_t>(k)] : -1);
    unitBlock.push_back(b);
    if (b >= 0) unitOfBlock[b] = unitOfNode[n];
  }
  for (const graph::Edge& e : g.edges) {
    if (e.from < 0 || e.to < 0) continue;
    graph::Edge u = e;
    u.from = unitOfNode[static_cast<size_t>(e.from)];
    u.to = unitOfNode[static_cast<size_t>(e.to)];
    if (u.from == u.to) continue;
    units.edges.push_back(std::move(u));
  }

  // Each block laid out around its members, then sized as one step.
  struct Block {
    Part part;
    graph::LayoutResult layout;
    QRect box;
  };
  std::map<int, Block> blocks;
  for (const auto& [b, unit] : unitOfBlock) {
    const bool rows = pools[static_cast<size_t>(poolOfCluster[static_cast<size_t>(b)])].rows;
    std::vector<bool> nodeIn(N, false), clusterIn(K, false);
    for (size_t n = 0; n < N; ++n) nodeIn[n] = clusterOf[n] >= 0 && graph::ClusterWithin(g, clusterOf[n], b);
    for (size_t k = 0; k < K; ++k) clusterIn[k] = graph::ClusterWithin(g, static_cast<int>(k), b);
    Block block;
    block.part = PartOf(g, nodeIn, clusterIn, rows ? graph::Direction::LeftToRight : graph::Direction::TopToBottom);
    block.layout = LayOutByFlow(block.part.g, block.part.g.direction).layout;
    if (!block.layout.ok()) {
      out.error = block.layout.error;
      return out;
    }
    out.warnings.insert(out.warnings.end(), block.layout.warnings.begin(), block.layout.warnings.end());
    SpreadSiblings(block.part.g, block.layout.nodes, block.layout.clusters);
    block.box = block.layout.clusters.front();  // the block itself comes first among its clusters
    graph::Node& node = units.nodes[static_cast<size_t>(unit)];
    node.width = block.box.width();
    node.height = block.box.height();
    blocks.emplace(b, std::move(block));
  }

  // A pool whose lanes lie in a container outside every pool is laid out inside that container,
  // as one step of the rest; the others are the pools that follow each other.
  std::vector<int> holder(pools.size(), -1);
  for (size_t p = 0; p < pools.size(); ++p) {
    if (pools[p].lanes.empty()) continue;
    const int h = g.clusters[static_cast<size_t>(pools[p].lanes.front())].parent;
    if (h >= 0 && poolOfCluster[static_cast<size_t>(h)] < 0) holder[p] = h;
  }

  // The pools, the first where it is, each next one below the last; those in containers at the
  // origin for now.
  std::vector<size_t> order(pools.size());
  std::iota(order.begin(), order.end(), size_t{0});
  std::sort(order.begin(), order.end(), [&](size_t a, size_t b) {
    const QPoint pa = pools[a].origin, pb = pools[b].origin;
    return pa.y() != pb.y() ? pa.y() < pb.y() : pa.x() < pb.x();
  });
  std::vector<QRect> unitBoxes(units.nodes.size());
  std::vector<QRect> poolBox(pools.size());
  QRect poolsBox;
  std::optional<QPoint> heldAt;  // where the first pool in a container begins now
  for (size_t p : order) {
    const PoolChart& pool = pools[p];
    std::vector<int> laneOf(units.nodes.size(), -1);
    for (size_t u = 0; u < units.nodes.size(); ++u)
      if (unitPool[u] == static_cast<int>(p)) laneOf[u] = unitLane[u];
    const bool held = holder[p] >= 0;
    if (held && !heldAt) heldAt = pool.origin;
    const QPoint origin = held ? QPoint(0, 0) : poolsBox.isNull() ? pool.origin : QPoint(poolsBox.left(), poolsBox.bottom() + 1 + kSiblingGap);
    const LanePlacement placed = PlaceInLanes(units, laneOf, pool.headers, pool.rows, origin, LaneSpacing{}, pool.titleWidths);
    for (size_t u = 0; u < units.nodes.size(); ++u)
      if (laneOf[u] >= 0) unitBoxes[u] = placed.nodes[u];
    for (size_t l = 0; l < pool.lanes.size(); ++l) out.clusters[static_cast<size_t>(pool.lanes[l])] = placed.lanes[l];
    poolBox[p] = Unite(placed.lanes);
    if (!held) poolsBox |= poolBox[p];
  }

  // What lies outside the pools, laid out on its own below them, each pool in a container as one
  // step of its container's.
  std::vector<bool> nodeOut(N), clusterOut(K);
  bool any = std::any_of(holder.begin(), holder.end(), [](int h) { return h >= 0; });
  for (size_t n = 0; n < N; ++n) any |= nodeOut[n] = clusterOf[n] < 0 || poolOfCluster[static_cast<size_t>(clusterOf[n])] < 0;
  for (size_t k = 0; k < K; ++k) clusterOut[k] = poolOfCluster[k] < 0;
  if (any) {
    Part rest = PartOf(g, nodeOut, clusterOut, direction);
    std::vector<int> restNode(N, -1), restCluster(K, -1), poolStep(pools.size(), -1);
    for (size_t j = 0; j < rest.node.size(); ++j) restNode[static_cast<size_t>(rest.node[j])] = static_cast<int>(j);
    for (size_t j = 0; j < rest.cluster.size(); ++j) restCluster[static_cast<size_t>(rest.cluster[j])] = static_cast<int>(j);
    for (size_t p = 0; p < pools.size(); ++p) {
      if (holder[p] < 0) continue;
      poolStep[p] = static_cast<int>(rest.g.nodes.size());
      graph::Node step;
      step.width = poolBox[p].width();
      step.height = poolBox[p].height();
      rest.g.nodes.push_back(step);
      rest.g.clusters[static_cast<size_t>(restCluster[static_cast<size_t>(holder[p])])].nodes.push_back(poolStep[p]);
    }
    // Links to and from the steps of such a pool rank it as one step.
    const auto stepOf = [&](int n) {
      if (n < 0) return -1;
      if (restNode[static_cast<size_t>(n)] >= 0) return restNode[static_cast<size_t>(n)];
      const int k = clusterOf[static_cast<size_t>(n)];
      const int p = k >= 0 ? poolOfCluster[static_cast<size_t>(k)] : -1;
      return p >= 0 ? poolStep[static_cast<size_t>(p)] : -1;
    };
    for (const graph::Edge& e : g.edges) {
      const int a = stepOf(e.from), b = stepOf(e.to);
      if (a < 0 || b < 0 || a == b || (restNode[static_cast<size_t>(e.from)] >= 0 && restNode[static_cast<size_t>(e.to)] >= 0)) continue;
      graph::Edge linked = e;
      linked.from = a;
      linked.to = b;
      linked.fromCluster = linked.toCluster = -1;
      rest.g.edges.push_back(std::move(linked));
    }
    graph::LayoutResult laid = LayOutByFlow(rest.g, direction).layout;
    if (!laid.ok()) {
      out.error = laid.error;
      return out;
    }
    out.warnings.insert(out.warnings.end(), laid.warnings.begin(), laid.warnings.end());
    SpreadSiblings(rest.g, laid.nodes, laid.clusters);
    const QRect restBox = Unite(laid.nodes) | Unite(laid.clusters);
    const QPoint at = !poolsBox.isNull() ? QPoint(poolsBox.left(), poolsBox.bottom() + 1 + kSiblingGap) : heldAt.value_or(QPoint());
    const QPoint shift = at - restBox.topLeft();
    for (size_t j = 0; j < rest.node.size(); ++j) out.nodes[static_cast<size_t>(rest.node[j])] = laid.nodes[j].translated(shift);
    for (size_t j = 0; j < rest.cluster.size(); ++j) out.clusters[static_cast<size_t>(rest.cluster[j])] = laid.clusters[j].translated(shift);
    // Each pool in a container where its step went.
    for (size_t p = 0; p < pools.size(); ++p) {
      if (poolStep[p] < 0) continue;
      const QPoint move = laid.nodes[static_cast<size_t>(poolStep[p])].translated(shift).topLeft() - poolBox[p].topLeft();
      for (size_t u = 0; u < units.nodes.size(); ++u)
        if (unitPool[u] == static_cast<int>(p)) unitBoxes[u].translate(move);
      for (int lane : pools[p].lanes) out.clusters[static_cast<size_t>(lane)].translate(move);
    }
  }

  for (size_t n = 0; n < N; ++n) {
    const size_t u = static_cast<size_t>(unitOfNode[n]);
    if (unitBlock[u] < 0 && unitPool[u] >= 0) out.nodes[n] = unitBoxes[u];
  }
  for (const auto& [b, block] : blocks) {
    const QPoint shift = unitBoxes[static_cast<size_t>(unitOfBlock.at(b))].topLeft() - block.box.topLeft();
    for (size_t j = 0; j < block.part.node.size(); ++j) out.nodes[static_cast<size_t>(block.part.node[j])] = block.layout.nodes[j].translated(shift);
    for (size_t j = 0; j < block.part.cluster.size(); ++j)
      out.clusters[static_cast<size_t>(block.part.cluster[j])] = block.layout.clusters[j].translated(shift);
  }
  return out;
}

}  // namespace flowchart
