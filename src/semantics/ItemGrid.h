#pragma once
#include <QRect>
#include <cstdint>
#include <span>
#include <unordered_map>
#include <vector>

#include "Item.h"

namespace semantics {

// A spatial index over a fixed set of items, for callers that hold no index of their own
// (kdltool, importers, tests): square cells, each listing the items whose box meets it. Boxes
// include their right and bottom edges, so a line's end on Left + Width is found at its box.
// An item spanning very many cells is kept in a list of its own that every query reads.
class ItemGrid {
 public:
  explicit ItemGrid(std::span<const Item> items, int cellSize = 64);

  // Appends each item whose box meets the area (both with their edges), once, in item order.
  void Query(const QRect& area, std::vector<const Item*>& out) const;
  // The query for the semantic functions; the grid must outlive it.
  ItemQuery AsQuery() const;

 private:
  struct Span {
    int64_t x0, y0, x1, y1;  // closed, in cells
  };
  Span CellsOf(int64_t l, int64_t t, int64_t r, int64_t b) const;
  static uint64_t Key(int64_t cx, int64_t cy);

  std::span<const Item> items_;
  int cell_;
  std::unordered_map<uint64_t, std::vector<uint32_t>> cells_;
  std::vector<uint32_t> oversized_;
};

}  // namespace semantics
