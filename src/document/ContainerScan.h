#pragma once
#include <cstdint>
#include <unordered_map>
#include <vector>

#include "Containers.h"
#include "Item.h"
#include "ItemGrid.h"

class Diagram;
class TCustomKDTool;

// A diagram's figures as items, with their containers and pools, found once for one question (a
// command, the end of a drag): it does not follow later changes.
class ContainerScan {
 public:
  explicit ContainerScan(const Diagram& diagram);

  const std::vector<semantics::Item>& Items() const { return items_; }
  semantics::ItemQuery Query() const { return grid_.AsQuery(); }
  const semantics::Item* Find(uint64_t id) const;
  // Containers (those of the meaning module, and titled rectangles that hold nothing yet) and
  // pools, found on first use.
  const std::vector<semantics::Container>& Containers();
  const std::vector<semantics::Pool>& Pools();
  // The pool the frame is a lane of (its place among the lanes in `index`), or none.
  const semantics::Pool* PoolOf(uint64_t frame, size_t& index);
  // The title of the rectangle: its text when it begins within the title band, or none.
  const semantics::Item* TitleOf(const semantics::Item& frame) const;
  // The shapes the rectangle encloses (nested containers and their members too), in item order.
  std::vector<const semantics::Item*> Enclosed(const semantics::Item& frame) const;
  // What goes with the rectangle when it moves: the shapes it encloses with their texts, the
  // connectors between them (and the rectangle) with their labels, and its title; not itself.
  std::vector<const semantics::Item*> Contents(const semantics::Item& frame) const;

 private:
  std::vector<semantics::Item> items_;
  semantics::ItemGrid grid_;
  std::unordered_map<uint64_t, size_t> byId_;
  std::vector<semantics::Container> containers_;
  std::vector<semantics::Pool> pools_;
  bool found_ = false;
};
