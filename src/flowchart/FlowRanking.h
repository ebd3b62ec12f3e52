#pragma once
#include <vector>

#include "Graph.h"

// The order a chart is read in, whatever order its shapes were drawn or declared in: start marks
// and shapes nothing leads to first, then each step after the one it follows. Graphviz ranks and
// orders what it is given in the order given, so a chart is handed over in this order, with the
// links that return to an earlier step turned round: loops are broken where the flow closes them.
namespace flowchart {

struct FlowOrder {
  std::vector<int> nodes;  // the graph's nodes in flow order
  std::vector<int> edges;  // its edges in flow order: each node's links as the walk leaves it
  std::vector<bool> back;  // per edge in the graph's order: it returns to a step on the way to it
};

// A depth-first walk in flow order: from the start marks in the graph's order, then from the
// shapes without an incoming link, then from whatever no walk reached (a loop with no way in);
// each node's links are followed in the graph's order. A link to a step still on the walk's way
// is a back link; a loop on one shape is none.
FlowOrder OrderByFlow(const graph::Graph& g);

// The graph as Graphviz is to see it: nodes and edges in flow order, back links reversed. Node i
// of the result is node order.nodes[i] of g.
graph::Graph FlowRanked(const graph::Graph& g, const FlowOrder& order);

}  // namespace flowchart
