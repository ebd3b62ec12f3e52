#include "ObstacleIndex.h"

#include <algorithm>

namespace routing {

ObstacleIndex::ObstacleIndex(int cellSize) : cell_(std::max(cellSize, 8)) {}

ObstacleIndex::Cells ObstacleIndex::CellsOf(const QRect& box) const {
  auto cell = [this](int64_t v) { return v >= 0 ? v / cell_ : -((-v + cell_ - 1) / cell_); };
  const int64_t l = box.x(), t = box.y(), r = l + box.width(), b = t + box.height();
  return {cell(std::min(l, r)), cell(std::min(t, b)), cell(std::max(l, r)), cell(std::max(t, b))};
}

uint64_t ObstacleIndex::Key(int64_t cx, int64_t cy) {
  return (static_cast<uint64_t>(cx) << 32) ^ static_cast<uint32_t>(cy);
}

int ObstacleIndex::Add(const Obstacle& obstacle) {
  const int id = size();
  obstacles_.push_back(obstacle);
  seen_.push_back(0);
  Insert(id);
  return id;
}

void ObstacleIndex::Move(int id, const QRect& box) {
  Erase(id);
  obstacles_[static_cast<size_t>(id)].box = box;
  Insert(id);
}

void ObstacleIndex::Insert(int id) {
  const QRect& box = obstacles_[static_cast<size_t>(id)].box;
  if (box.width() <= 0 || box.height() <= 0) return;
  extent_ = extent_.isNull() ? box : extent_.united(box);
  const Cells c = CellsOf(box);
  for (int64_t cy = c.y0; cy <= c.y1; ++cy)
    for (int64_t cx = c.x0; cx <= c.x1; ++cx) cells_[Key(cx, cy)].push_back(id);
}

void ObstacleIndex::Erase(int id) {
  const QRect& box = obstacles_[static_cast<size_t>(id)].box;
  if (box.width() <= 0 || box.height() <= 0) return;
  const Cells c = CellsOf(box);
  for (int64_t cy = c.y0; cy <= c.y1; ++cy)
    for (int64_t cx = c.x0; cx <= c.x1; ++cx) {
      const auto it = cells_.find(Key(cx, cy));
      if (it == cells_.end()) continue;
      std::vector<int>& v = it->second;
      v.erase(std::remove(v.begin(), v.end(), id), v.end());
    }
}

void ObstacleIndex::Query(const QRect& area, std::vector<int>& out) const {
  if (++round_ == 0) {
    std::fill(seen_.begin(), seen_.end(), 0);
    round_ = 1;
  }
  const int64_t al = std::min<int64_t>(area.x(), int64_t{area.x()} + area.width());
  const int64_t ar = std::max<int64_t>(area.x(), int64_t{area.x()} + area.width());
  const int64_t at = std::min<int64_t>(area.y(), int64_t{area.y()} + area.height());
  const int64_t ab = std::max<int64_t>(area.y(), int64_t{area.y()} + area.height());
  const Cells c = CellsOf(area);
  for (int64_t cy = c.y0; cy <= c.y1; ++cy)
    for (int64_t cx = c.x0; cx <= c.x1; ++cx) {
      const auto it = cells_.find(Key(cx, cy));
      if (it == cells_.end()) continue;
      for (int id : it->second) {
        if (seen_[static_cast<size_t>(id)] == round_) continue;
        const QRect& b = obstacles_[static_cast<size_t>(id)].box;
        const int64_t l = b.x(), t = b.y(), r = l + b.width(), bo = t + b.height();
        if (r < al || l > ar || bo < at || t > ab) continue;
        seen_[static_cast<size_t>(id)] = round_;
        out.push_back(id);
      }
    }
}

}  // namespace routing
