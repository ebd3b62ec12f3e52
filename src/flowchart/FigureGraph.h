#pragma once
#include <span>
#include <vector>

#include "Graph.h"
#include "Item.h"

class TCustomKDTool;

// The flowchart figures draw, for callers that hold figures without a diagram (export, kdltool).
namespace flowchart {

// The figures as items, bottom first: each one's id is its place + 1.
std::vector<semantics::Item> ItemsOfFigures(std::span<const TCustomKDTool* const> figures);

// The graph of the items (FindGraph), in the direction most of its directed edges run (the head
// wholly below, above, right or left of the tail, an end on a container taken at the point its
// connector meets it; of equals the first of these), top to
// bottom when none do. A white fill, every new shape's, counts as no fill; an edge's width is its
// arrow's pen where that is not its style's (NormaliseWidth); one arrow with two heads is an
// edge with heads at both ends.
graph::Graph GraphOfItems(std::span<const semantics::Item> items);

// GraphOfItems of the figures, with what only figures hold: each node's id (its shape's Index,
// where a text format's reading put it; empty for a shape drawn here), outline colour (none for
// black), width (0 for 2) and dashes, each cluster's id (its frame's Index), each edge's id (its first segment's Index) and colour (its
// arrow's pen, none for black), and bold and italic of the texts' fonts.
graph::Graph GraphOfFigures(std::span<const TCustomKDTool* const> figures);

}  // namespace flowchart
