#pragma once
#include <QPoint>
#include <QRect>
#include <vector>

#include "Graph.h"

// A cross-functional chart laid out in its pool of lanes: the steps ranked by the flow of the
// whole chart, each step kept in its lane, the lanes in their order, touching, of one length.
namespace flowchart {

struct LaneSpacing {
  int node = 36;   // between steps of one rank in one lane, across the flow
  int rank = 54;   // between ranks, along the flow
  int inset = 16;  // between a lane's edges and its steps
};

struct LanePlacement {
  std::vector<QRect> nodes;  // per node of the graph; a node in no lane keeps an empty box
  std::vector<QRect> lanes;  // per lane, in the pool's order
};

// Ranks along the flow: each step one after the latest step that leads to it, links back against
// the flow (OrderByFlow's back links) left out; steps nothing leads to have rank 0.
std::vector<int> FlowRanks(const graph::Graph& g);

// Lays out the steps of the lanes. `laneOf` gives each node's lane (-1: none); `headers` each
// lane's title room inside its top edge. Rows (lanes as bands one below the other) run the flow
// left to right, columns (lanes side by side) top to bottom. A rank is one column (row) of the
// whole pool, as wide (tall) as its largest step; steps of one rank in one lane stack across the
// flow in flow order. Each lane is as deep across the flow as its steps need (at least its
// title), all lanes as long as the longest; the pool starts at `origin`. `titleWidths` gives the
// room each lane's title takes from its left edge (none: no room): rows are at least that long,
// columns at least that wide, so that every title stays within its lane.
LanePlacement PlaceInLanes(const graph::Graph& g, const std::vector<int>& laneOf, const std::vector<int>& headers, bool rows,
                           QPoint origin, const LaneSpacing& spacing = {}, const std::vector<int>& titleWidths = {});

}  // namespace flowchart
