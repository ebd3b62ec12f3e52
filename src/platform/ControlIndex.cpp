#include "ControlIndex.h"

#include <algorithm>

void ControlIndex::AddCells(TCustomControl* child, Entry& entry) {
  const QRect& b = entry.bounds;
  if (b.width() <= 0 || b.height() <= 0) {
    entry.cells = QRect();
    return;
  }
  int x0 = b.left() >> kCellShift, y0 = b.top() >> kCellShift;
  int x1 = (b.left() + b.width() - 1) >> kCellShift, y1 = (b.top() + b.height() - 1) >> kCellShift;
  const Slot slot{child, b, entry.sequence};
  if (int64_t{x1 - x0 + 1} * (y1 - y0 + 1) > kMaxCells) {
    entry.cells = QRect();
    large_.push_back(slot);
    return;
  }
  entry.cells = QRect(QPoint(x0, y0), QPoint(x1, y1));
  for (int cy = y0; cy <= y1; ++cy)
    for (int cx = x0; cx <= x1; ++cx) cells_[Key(cx, cy)].push_back(slot);
}

void ControlIndex::RemoveCells(const TCustomControl* child, const Entry& entry) {
  auto erase = [child](std::vector<Slot>& v) {
    auto it = std::find_if(v.begin(), v.end(),
                           [child](const Slot& s) { return s.control == child; });
    if (it != v.end()) {
      *it = v.back();
      v.pop_back();
    }
  };
  if (entry.bounds.width() <= 0 || entry.bounds.height() <= 0) return;
  if (entry.cells.isNull()) {
    erase(large_);
    return;
  }
  for (int cy = entry.cells.top(); cy <= entry.cells.bottom(); ++cy) {
    for (int cx = entry.cells.left(); cx <= entry.cells.right(); ++cx) {
      auto it = cells_.find(Key(cx, cy));
      if (it == cells_.end()) continue;
      erase(it->second);
      if (it->second.empty()) cells_.erase(it);
    }
  }
}

void ControlIndex::Insert(TCustomControl* child, const QRect& bounds) {
  if (entries_.count(child)) {
    Update(child, bounds);
    return;
  }
  Entry e{bounds, QRect(), nextSequence_++};
  AddCells(child, e);
  entries_.emplace(child, e);
}

void ControlIndex::Update(TCustomControl* child, const QRect& bounds) {
  auto it = entries_.find(child);
  if (it == entries_.end()) {
    Insert(child, bounds);
    return;
  }
  Entry& e = it->second;
  if (e.bounds == bounds) return;
  RemoveCells(child, e);
  e.bounds = bounds;
  AddCells(child, e);
}

void ControlIndex::Remove(const TCustomControl* child) {
  auto it = entries_.find(child);
  if (it == entries_.end()) return;
  RemoveCells(child, it->second);
  entries_.erase(it);
}

void ControlIndex::Clear() {
  entries_.clear();
  cells_.clear();
  large_.clear();
}

void ControlIndex::Containing(QPoint p, std::vector<TCustomControl*>& out) const {
  std::vector<std::pair<uint64_t, TCustomControl*>> found;
  auto consider = [&](const Slot& s) {
    const QRect& b = s.bounds;
    if (p.x() >= b.left() && p.x() < b.left() + b.width() && p.y() >= b.top() &&
        p.y() < b.top() + b.height())
      found.emplace_back(s.sequence, s.control);
  };
  auto it = cells_.find(Key(p.x() >> kCellShift, p.y() >> kCellShift));
  if (it != cells_.end())
    for (const Slot& s : it->second) consider(s);
  for (const Slot& s : large_) consider(s);
  if (found.size() > 1) std::sort(found.begin(), found.end());
  for (auto& [seq, c] : found) out.push_back(c);
}

void ControlIndex::Intersecting(const QRect& area, std::vector<TCustomControl*>& out) const {
  if (area.width() <= 0 || area.height() <= 0) return;
  const int64_t ax0 = area.left(), ay0 = area.top();
  const int64_t ax1 = ax0 + area.width(), ay1 = ay0 + area.height();
  std::vector<std::pair<uint64_t, TCustomControl*>>& found = found_;
  found.clear();
  auto consider = [&](const Slot& s) {
    const QRect& b = s.bounds;
    if (b.left() < ax1 && ax0 < int64_t{b.left()} + b.width() && b.top() < ay1 &&
        ay0 < int64_t{b.top()} + b.height())
      found.emplace_back(s.sequence, s.control);
  };
  const int x0 = area.left() >> kCellShift, y0 = area.top() >> kCellShift;
  const int x1 = static_cast<int>((ax1 - 1) >> kCellShift), y1 = static_cast<int>((ay1 - 1) >> kCellShift);
  if (int64_t{x1 - x0 + 1} * (y1 - y0 + 1) > static_cast<int64_t>(cells_.size())) {
    // An area larger than the occupied cells: walk those instead.
    for (const auto& [key, cell] : cells_)
      for (const Slot& s : cell) consider(s);
  } else {
    for (int cy = y0; cy <= y1; ++cy) {
      for (int cx = x0; cx <= x1; ++cx) {
        auto it = cells_.find(Key(cx, cy));
        if (it == cells_.end()) continue;
        for (const Slot& s : it->second) consider(s);
      }
    }
  }
  for (const Slot& s : large_) consider(s);
  // A child spanning several cells is met once per cell.
  std::sort(found.begin(), found.end());
  found.erase(std::unique(found.begin(), found.end()), found.end());
  for (auto& [seq, c] : found) out.push_back(c);
}
