#pragma once
#include <QPoint>
#include <QRect>
#include <string>
#include <vector>

#include "FlowRanking.h"
#include "Graph.h"

// Straight spines in a laid-out chart: a chain of steps, each the way on from the one before and
// the way in to the one after, shares one axis across the chart's direction, so that its
// connectors run straight without jogs. Graphviz places the nodes of a rank for the fewest
// crossings and balanced lengths, which leaves a chain's steps a few pixels off one another.
namespace flowchart {

// The way on from each node: its only forward link's head; of several, the one whose label reads
// `continuing` (as at every decision of the chart, see ContinuingLabel), else a head whose box
// spans the node's centre line before one that does not; of two that do, the nearer along the
// flow (the further is a skip, reached round it); else the head most in line with it. A node's chain link is the way on that is also the way in of its head: of the
// nodes whose way on it is, one that is the way on of another before one that is not, then the
// one most in line (the first in flow order of equals). -1: none.
std::vector<int> ChainNext(const graph::Graph& g, const FlowOrder& order, const std::vector<QRect>& boxes,
                           graph::Direction direction, const std::string& continuing = {});

// The label of the branch that continues the flow at the chart's decisions: of the labels on the
// links out of decisions that have another labelled link, "yes" or "true" where one reads so,
// else the one on the first such link in flow order; compared without letter case. Empty when
// no decision has two labelled links.
std::string ContinuingLabel(const graph::Graph& g, const FlowOrder& order);

// Moves the nodes of each chain across the direction onto one axis: the one most of its nodes
// already share, else the first node's centre. A node moves where the box it sweeps, out by the
// clearance, meets no other node; where it would, the nodes of its rank beyond it on that side
// move along as far (none of them on a chain lined up before, none meeting another node on the
// way). A node that cannot move stays and the rest of its chain still may. The caller places the
// whole again (a node may now start left of the others).
void AlignSpines(const graph::Graph& g, const FlowOrder& order, std::vector<QRect>& boxes, graph::Direction direction,
                 int clearance, const std::string& continuing = {});

// The branches off the flow at decisions (labelled, not `continuing`) on one side: a branch whose
// head leans the other way than the first one's (in flow order) has its head moved across the
// decision's axis, as far on the other side, where that place is free by the clearance and the
// head is no chain's. The caller places the whole again.
void MirrorBranches(const graph::Graph& g, const FlowOrder& order, std::vector<QRect>& boxes, graph::Direction direction,
                    int clearance, const std::string& continuing);

}  // namespace flowchart
