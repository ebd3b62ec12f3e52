#pragma once
#include <QRect>
#include <string>
#include <vector>

#include "ChartRoutes.h"
#include "Graph.h"

// A container's own flow (Mermaid's `direction` inside a subgraph) on a layout of the whole
// chart: Graphviz has one rank direction for a graph, so a cluster that runs otherwise is laid out
// again on its own and put back in its place.
namespace flowchart {

// For each cluster whose direction differs from the chart's and that holds no cluster: its own
// nodes laid out in its direction (LayOutByFlow), with the margins and title room the layout gave
// it; the cluster takes the new extent, at least as wide as its title. Along the chart's flow it
// keeps its near edge: growing, space is put in beyond its far one (PutSpace); shrinking, the
// room left closes up where nothing else stands in it (TakeSpace). Across the flow it stays
// centred where it was: growing, half the space goes in at its near edge (moving what stands in
// line with it), half beyond its far one. Nothing comes to overlap it. Only clusters that run
// their own way (RunsItsOwnWay) are laid out again. Graphviz's reason when it fails, else empty.
std::string FollowClusterDirections(const graph::Graph& g, std::vector<QRect>& nodes, std::vector<QRect>& clusters);

// Whether FollowClusterDirections lays the cluster out again in its own direction: one that holds
// no cluster, with a direction other than the chart's, none of whose nodes links outside it.
bool RunsItsOwnWay(const graph::Graph& g, size_t cluster);

// What a chart's containers need after Graphviz's layout of the whole chart, so that they read
// back as the graph's clusters: each its own direction (FollowClusterDirections), then siblings
// kept apart (SpreadSiblings). Drawing a chart from text and Auto Layout both end their layout
// with it. Graphviz's reason when it fails, else empty.
std::string KeepClusters(const graph::Graph& g, std::vector<QRect>& nodes, std::vector<QRect>& clusters);

// A chain's link inside a cluster that runs its own way leaves and enters along that cluster's
// direction, not the chart's: the hints ChainSides gave it for the chart's direction are turned.
// A link to such a cluster enters its container by the side facing back along the chart's
// direction, one from it leaves by the side facing along it, where nothing else is asked.
void TurnChainSides(const graph::Graph& g, std::vector<SideHint>& hints);

}  // namespace flowchart
