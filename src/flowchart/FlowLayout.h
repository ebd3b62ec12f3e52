#pragma once
#include <vector>

#include "ChartRoutes.h"
#include "FlowRanking.h"
#include "Graph.h"
#include "Layout.h"

// Graphviz's layout of a chart ranked by its flow, with its spines straightened: what drawing a
// chart from text and Auto Layout both lay out with.
namespace flowchart {

struct FlowLayout {
  graph::LayoutResult layout;  // nodes in the graph's own order; no edge routes
  FlowOrder order;
  std::vector<int> chainNext;  // per node: the next node of its chain, -1 for none
  std::string continuing;      // the label of the branch that goes on at decisions (lower case)
};

// Lays the graph out in the direction (OrderByFlow, FlowRanked, Graphviz, AlignSpines). The
// boxes keep the origin as their least corner bound.
FlowLayout LayOutByFlow(const graph::Graph& g, graph::Direction direction, const graph::LayoutOptions& options = {});

// Per edge of the graph: a chain's link leaves by the side facing along the direction and enters
// by the side facing back; at decisions, the other labelled branches all leave by the one side
// across that the first of them (in flow order) leans to, so that "No" is on the same side at
// every decision; the others go as the router finds best.
std::vector<SideHint> ChainSides(const graph::Graph& g, const FlowLayout& laid, graph::Direction direction);

// Shapes drawn from text at the sizes their kinds share (SharedSizes): the largest the texts
// need. Only the sizes in `computed` change.
void ShareSizes(graph::Graph& g, const std::vector<bool>& computed);

}  // namespace flowchart
