#pragma once
#include <QRect>
#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <vector>

#include "ConnectorPlanner.h"
#include "FigurePlan.h"
#include "Graph.h"
#include "Item.h"

// Automatic layout of a diagram's flowchart, worked out on its items: what moves where, which
// connector figures go and which come instead. Nothing is changed here.
namespace flowchart {

struct LayoutRequest {
  graph::Direction direction = graph::Direction::TopToBottom;
  ConnectorForm form = ConnectorForm::Elbow;
  // The selected figures: with two or more of the graph's shapes among them, only those are laid
  // out (with the connectors among them); otherwise the whole graph.
  std::vector<uint64_t> selected;
  // The pen of a connector drawn anew, from the ids of its old segments (the arrow's pen when
  // none is given, in black).
  std::function<ConnectorPen(const std::vector<uint64_t>& segments)> penOf;
};

struct FigureMove {
  uint64_t id = 0;
  QRect box;
  bool operator==(const FigureMove&) const = default;
};

struct LayoutPlan {
  std::vector<FigureMove> moves;    // shapes, their texts and the connectors' labels
  std::vector<uint64_t> removed;    // the segments of the connectors drawn anew
  std::vector<FigurePlan> added;    // their new segments, to go on top in this order
  size_t nodes = 0, edges = 0;      // what was laid out
  std::vector<std::string> warnings;
  std::string error;                // why nothing can be laid out (Graphviz's reason, or none)
  bool ok() const { return error.empty(); }
};

// Where a laid-out chart starts when it would reach above or left of the canvas.
constexpr int kLayoutMargin = 20;

// Lays out the graph FindGraph finds in the items (each id unique, stacking as the diagram's):
// Graphviz's hierarchical layout in the direction, ranked by the chart's flow whatever order the
// shapes were drawn in, its chains on one axis (LayOutByFlow), each shape keeping its size, the
// whole keeping its top-left corner. Each shape's text moves with it. Connectors among the
// laid-out shapes, and those from them to shapes that stay, are drawn anew in the form, keeping
// their pen: elbow ones routed together around every shape and text (RouteChartConnectors),
// with their labels moved beside the new middle, off the lines. Everything else stays where it is. Where what the chart
// draws (a loop above a shape, say) would reach a negative place, the chart moves down or right
// as a whole until all of it starts at the margin there.
// Laid out whole, a diagram keeps its containers: each is drawn around its members with room for
// its title (Graphviz's clusters), its title moving with it. With pools of lanes (FindPools), every
// pool keeps its lanes in order, touching, one length, each step in its lane, the steps ranked by
// the whole chart's flow (PlacePools: rows run left to right, columns top to bottom, whatever the
// direction), a container inside a lane whole with its members, every lane at least as long as its
// title; the pools follow each other downward, and the steps outside them are laid out below; a
// pool inside a container is laid out in it, the container growing to hold it. A selection is
// laid out without its containers.
LayoutPlan PlanLayout(std::span<const semantics::Item> items, const LayoutRequest& request);

}  // namespace flowchart
