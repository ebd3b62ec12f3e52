#pragma once
#include <QPoint>
#include <QRect>
#include <string>
#include <vector>

#include "Graph.h"

// Auto Layout of a chart with pools of lanes: every pool with its lanes in order and each step in
// its lane, containers inside a lane kept whole with their members, and the steps outside every
// pool laid out below the pools, never over them.
namespace flowchart {

// Between sibling containers (pools, containers in one lane, the pools and what lies outside
// them): more than a lane's slack, so that no two read as lanes of one pool.
constexpr int kSiblingGap = 40;

struct PoolChart {
  bool rows = true;
  std::vector<int> lanes;    // clusters of the graph, in the pool's order
  std::vector<int> headers;  // per lane, its title's room inside its top edge
  std::vector<int> titleWidths;  // per lane, its title's room from its left edge (none: no room)
  QPoint origin;             // where the pool begins now
};

struct PoolsPlacement {
  std::vector<QRect> nodes;     // per node of the graph
  std::vector<QRect> clusters;  // per cluster of the graph; empty for a cluster laid out nowhere
  std::vector<std::string> warnings;
  std::string error;
  bool ok() const { return error.empty(); }
};

// The pools keep the place of the topmost (leftmost) one and follow it downward, kSiblingGap
// apart. Within a lane, a container (a cluster right inside it) is laid out by Graphviz around its
// members first and then placed as one step, ranked from its members' links. Ranks come from the
// flow of the whole chart, containers taken as steps. Steps and containers outside every pool are
// laid out by Graphviz in the direction, kSiblingGap below the pools. A pool whose lanes lie in a
// container (one in no pool) is laid out in it as one step of that container's, ranked from its
// steps' links; the container grows to hold it.
PoolsPlacement PlacePools(const graph::Graph& g, const std::vector<PoolChart>& pools, graph::Direction direction);

}  // namespace flowchart
