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
// wholly below, above, right or left of the tail; of equals the first of these), top to
// bottom when none do. A white
// fill, every new shape's, counts as no fill.
graph::Graph GraphOfItems(std::span<const semantics::Item> items);

inline graph::Graph GraphOfFigures(std::span<const TCustomKDTool* const> figures) {
  return GraphOfItems(ItemsOfFigures(figures));
}

}  // namespace flowchart
