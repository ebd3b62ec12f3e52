#include "ItemGrid.h"

#include <algorithm>

namespace semantics {

namespace {

// Beyond this many cells an item is cheaper to test on every query than to list everywhere.
constexpr int64_t kMaxCells = 256;

struct Extent {
  int64_t l, t, r, b;
};

// Widths and heights may be negative in a hostile file: the box spans both ways.
Extent ExtentOf(const QRect& box) {
  const int64_t x0 = box.x(), x1 = x0 + int64_t(box.width());
  const int64_t y0 = box.y(), y1 = y0 + int64_t(box.height());
  return {std::min(x0, x1), std::min(y0, y1), std::max(x0, x1), std::max(y0, y1)};
}

int64_t FloorDiv(int64_t a, int64_t b) { return a >= 0 ? a / b : -((-a + b - 1) / b); }

}  // namespace

ItemGrid::ItemGrid(std::span<const Item> items, int cellSize) : items_(items), cell_(std::max(cellSize, 1)) {
  cells_.reserve(items.size() * 2);
  for (size_t i = 0; i < items.size(); ++i) {
    const Extent e = ExtentOf(items[i].box);
    const Span s = CellsOf(e.l, e.t, e.r, e.b);
    if ((s.x1 - s.x0 + 1) * (s.y1 - s.y0 + 1) > kMaxCells) {
      oversized_.push_back(static_cast<uint32_t>(i));
      continue;
    }
    for (int64_t cy = s.y0; cy <= s.y1; ++cy)
      for (int64_t cx = s.x0; cx <= s.x1; ++cx) cells_[Key(cx, cy)].push_back(static_cast<uint32_t>(i));
  }
}

ItemGrid::Span ItemGrid::CellsOf(int64_t l, int64_t t, int64_t r, int64_t b) const {
  return {FloorDiv(l, cell_), FloorDiv(t, cell_), FloorDiv(r, cell_), FloorDiv(b, cell_)};
}

uint64_t ItemGrid::Key(int64_t cx, int64_t cy) {
  return (static_cast<uint64_t>(cx) << 32) ^ (static_cast<uint64_t>(cy) & 0xFFFFFFFFu);
}

void ItemGrid::Query(const QRect& area, std::vector<const Item*>& out) const {
  const Extent a = ExtentOf(area);
  thread_local std::vector<uint32_t> found;
  found.clear();
  auto offer = [&](uint32_t i) {
    const Extent e = ExtentOf(items_[i].box);
    if (e.l <= a.r && a.l <= e.r && e.t <= a.b && a.t <= e.b) found.push_back(i);
  };
  const Span s = CellsOf(a.l, a.t, a.r, a.b);
  if ((s.x1 - s.x0 + 1) * (s.y1 - s.y0 + 1) > int64_t(cells_.size())) {
    // A query wider than the diagram's occupied cells: read every listed item instead.
    for (uint32_t i = 0; i < items_.size(); ++i) offer(i);
  } else {
    for (int64_t cy = s.y0; cy <= s.y1; ++cy)
      for (int64_t cx = s.x0; cx <= s.x1; ++cx)
        if (auto it = cells_.find(Key(cx, cy)); it != cells_.end())
          for (uint32_t i : it->second) offer(i);
    for (uint32_t i : oversized_) offer(i);
  }
  std::sort(found.begin(), found.end());
  found.erase(std::unique(found.begin(), found.end()), found.end());
  for (uint32_t i : found) out.push_back(&items_[i]);
}

ItemQuery ItemGrid::AsQuery() const {
  return [this](const QRect& area, std::vector<const Item*>& out) { Query(area, out); };
}

}  // namespace semantics
