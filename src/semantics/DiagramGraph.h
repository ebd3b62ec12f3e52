#pragma once
#include <span>

#include "Graph.h"
#include "Item.h"

namespace semantics {

// The flowchart a diagram draws. Nodes are its shapes, in item order, with their text (ShapeText),
// the figure class as the node's shape, the box's size, and the brush's colour when it is solid.
// Edges are the connectors (ConnectorOf) whose two ends attach to shapes, in the order of their
// first segment among the items: from the end without a head to the end with it (a line, or a
// two-headed arrow from its course's start, runs from its start), with its label
// (ConnectorLabel), dashed for a dashed or dotted pen, thick for a pen 4 pixels wide or more (the
// arrow's pen in an elbow route), and the ids of its segments in route order and then of its
// label. Labels that are neither a shape's text nor a connector's stay out, as do connectors with
// a loose end. Containers (FindContainers) are no nodes but clusters, in item order, with their
// frames' ids, their member shapes as nodes and their titles (the topmost label on the frame that
// begins within kTitleBand of its top); a connector's end on a container rather than on a shape
// inside it is the cluster's end (the edge's node is then the first within it; an empty
// container's connectors stay out).
// The query answers with pointers into `items`; each item's id is unique.
graph::Graph FindGraph(std::span<const Item> items, const ItemQuery& query);

// The node a shape is drawn as, for a closed figure's kind.
graph::Shape NodeShapeOf(ItemKind kind);

}  // namespace semantics
