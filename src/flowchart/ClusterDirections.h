#pragma once
#include <QRect>
#include <string>
#include <vector>

#include "Graph.h"

// A container's own flow (Mermaid's `direction` inside a subgraph) on a layout of the whole
// chart: Graphviz has one rank direction for a graph, so a cluster that runs otherwise is laid out
// again on its own and put back in its place.
namespace flowchart {

// For each cluster whose direction differs from the chart's and that holds no cluster: its own
// nodes laid out in its direction (LayOutByFlow), kept at the cluster's top-left with the margins
// and title room the layout gave it; the cluster takes the new extent, at least as wide as its
// title. Where it grew, space is put in beyond its old edges (PutSpace), so nothing comes to
// overlap it. Nested clusters keep the chart's direction. Graphviz's reason when it fails, else
// empty.
std::string FollowClusterDirections(const graph::Graph& g, std::vector<QRect>& nodes, std::vector<QRect>& clusters);

}  // namespace flowchart
