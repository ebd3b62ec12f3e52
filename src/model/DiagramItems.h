#pragma once
#include <cstdint>
#include <unordered_map>
#include <vector>

#include "Item.h"

class Diagram;
class TCustomKDTool;

// A diagram's figures as the meaning module sees them (semantics::Item), described when first
// asked for and kept, at stable addresses, for as long as this view lives: make one per question
// (a press, a command) and let it go, since it does not follow later changes.
class DiagramItems {
 public:
  explicit DiagramItems(const Diagram& diagram);

  // Describes the figures a box meets (the diagram's index).
  semantics::ItemQuery Query();
  // The item of a figure of the diagram.
  const semantics::Item& Of(const TCustomKDTool* figure);
  // The figure an item stands for, or none.
  TCustomKDTool* FigureOf(const semantics::Item& item) const;
  // Every figure, bottom first.
  std::vector<semantics::Item> All() const;

 private:
  const Diagram& diagram_;
  std::unordered_map<uint64_t, semantics::Item> items_;
};

// One figure as an item: its identity in its diagram (FigureId), class, box, course, heads, place
// in the stacking order, caption, pen and brush.
semantics::Item DescribeItem(const TCustomKDTool& figure, int stacking);
