#include "ControlIndex.h"

#include <algorithm>

namespace {
size_t Spread(uint32_t key) {
  uint64_t h = key * 0x9E3779B97F4A7C15ull;
  return static_cast<size_t>(h ^ (h >> 29));
}

bool Meets(const QRect& b, int64_t ax0, int64_t ay0, int64_t ax1, int64_t ay1) {
  return b.width() > 0 && b.height() > 0 && b.left() < ax1 && ax0 < int64_t{b.left()} + b.width() && b.top() < ay1 &&
         ay0 < int64_t{b.top()} + b.height();
}

bool Holds(const QRect& b, QPoint p) {
  return p.x() >= b.left() && int64_t{p.x()} < int64_t{b.left()} + b.width() && p.y() >= b.top() &&
         int64_t{p.y()} < int64_t{b.top()} + b.height();
}
}  // namespace

const std::vector<ControlIndex::Slot>* ControlIndex::Find(uint32_t key) const {
  if (table_.empty()) return nullptr;
  const size_t mask = table_.size() - 1;
  for (size_t i = Spread(key) & mask;; i = (i + 1) & mask) {
    const Cell& c = table_[i];
    if (!c.used) return nullptr;
    if (c.key == key) return &c.items;
  }
}

std::vector<ControlIndex::Slot>& ControlIndex::Get(uint32_t key) {
  if ((used_ + 1) * 4 > table_.size() * 3) Grow();
  const size_t mask = table_.size() - 1;
  for (size_t i = Spread(key) & mask;; i = (i + 1) & mask) {
    Cell& c = table_[i];
    if (c.used && c.key == key) return c.items;
    if (!c.used) {
      c.used = true;
      c.key = key;
      ++used_;
      return c.items;
    }
  }
}

void ControlIndex::Grow() {
  std::vector<Cell> old;
  old.swap(table_);
  table_.resize(old.empty() ? 1024 : old.size() * 2);
  used_ = 0;
  for (Cell& c : old) {
    // Empty cells are dropped when the table grows.
    if (c.used && !c.items.empty()) Get(c.key) = std::move(c.items);
  }
}

ControlIndex::Cells ControlIndex::CellsOf(const QRect& b) {
  if (b.width() <= 0 || b.height() <= 0) return kNone;
  const int x0 = b.left() >> kCellShift, y0 = b.top() >> kCellShift;
  const int x1 = static_cast<int>((int64_t{b.left()} + b.width() - 1) >> kCellShift);
  const int y1 = static_cast<int>((int64_t{b.top()} + b.height() - 1) >> kCellShift);
  if (int64_t{x1 - x0 + 1} * (y1 - y0 + 1) > kMaxCells || x0 < INT16_MIN || y0 < INT16_MIN || x1 > INT16_MAX ||
      y1 > INT16_MAX)
    return kLarge;
  return Cells{static_cast<int16_t>(x0), static_cast<int16_t>(y0), static_cast<int16_t>(x1), static_cast<int16_t>(y1)};
}

void ControlIndex::File(TCustomControl* control, Cells c) {
  control->SetIndexCells(c);
  const Slot slot{control, control->BoundsRect()};
  if (c == kLarge) {
    large_.push_back(slot);
    return;
  }
  for (int cy = c.y0; cy <= c.y1; ++cy)
    for (int cx = c.x0; cx <= c.x1; ++cx) Get(Key(cx, cy)).push_back(slot);
}

void ControlIndex::Unfile(TCustomControl* control, Cells c) {
  auto erase = [control](std::vector<Slot>& v) {
    auto it = std::find_if(v.begin(), v.end(), [control](const Slot& s) { return s.control == control; });
    if (it != v.end()) {
      *it = v.back();
      v.pop_back();
    }
  };
  if (c == kLarge) {
    erase(large_);
    return;
  }
  for (int cy = c.y0; cy <= c.y1; ++cy)
    for (int cx = c.x0; cx <= c.x1; ++cx)
      if (auto* cell = const_cast<std::vector<Slot>*>(Find(Key(cx, cy)))) erase(*cell);
}

void ControlIndex::Insert(TCustomControl* control) {
  File(control, CellsOf(control->BoundsRect()));
  ++count_;
}

void ControlIndex::Update(TCustomControl* control) {
  const QRect bounds = control->BoundsRect();
  const Cells now = CellsOf(bounds);
  const Cells before = control->IndexCells();
  if (now != before || now == kNone) {
    Unfile(control, before);
    File(control, now);
    return;
  }
  // Within the same cells: only the copies of the bounds change.
  auto update = [control, &bounds](std::vector<Slot>& v) {
    for (Slot& s : v)
      if (s.control == control) {
        s.bounds = bounds;
        return;
      }
  };
  if (now == kLarge) {
    update(large_);
    return;
  }
  for (int cy = now.y0; cy <= now.y1; ++cy)
    for (int cx = now.x0; cx <= now.x1; ++cx)
      if (auto* cell = const_cast<std::vector<Slot>*>(Find(Key(cx, cy)))) update(*cell);
}

void ControlIndex::Remove(TCustomControl* control) {
  Unfile(control, control->IndexCells());
  control->SetIndexCells(kNone);
  if (count_ > 0) --count_;
}

void ControlIndex::Clear() {
  table_.clear();
  used_ = 0;
  large_.clear();
  count_ = 0;
}

void ControlIndex::Containing(QPoint p, std::vector<TCustomControl*>& out) const {
  if (const auto* cell = Find(Key(p.x() >> kCellShift, p.y() >> kCellShift)))
    for (const Slot& s : *cell)
      if (Holds(s.bounds, p)) out.push_back(s.control);
  for (const Slot& s : large_)
    if (Holds(s.bounds, p)) out.push_back(s.control);
}

void ControlIndex::ContainingAny(const QPoint* points, int count, std::vector<TCustomControl*>& out) const {
  const size_t first = out.size();
  auto keyOf = [](QPoint p) { return Key(p.x() >> kCellShift, p.y() >> kCellShift); };
  for (int i = 0; i < count; ++i) {
    const uint32_t key = keyOf(points[i]);
    bool looked = false;
    for (int k = 0; k < i; ++k) looked = looked || keyOf(points[k]) == key;
    if (looked) continue;
    if (const auto* cell = Find(key))
      for (const Slot& s : *cell)
        for (int j = i; j < count; ++j)
          if (keyOf(points[j]) == key && Holds(s.bounds, points[j])) {
            out.push_back(s.control);
            break;
          }
  }
  for (const Slot& s : large_)
    for (int j = 0; j < count; ++j)
      if (Holds(s.bounds, points[j])) {
        out.push_back(s.control);
        break;
      }
  if (out.size() - first > 1) {
    std::sort(out.begin() + static_cast<ptrdiff_t>(first), out.end());
    out.erase(std::unique(out.begin() + static_cast<ptrdiff_t>(first), out.end()), out.end());
  }
}

void ControlIndex::Intersecting(const QRect& area, std::vector<TCustomControl*>& out) const {
  if (area.width() <= 0 || area.height() <= 0) return;
  const int64_t ax0 = area.left(), ay0 = area.top();
  const int64_t ax1 = ax0 + area.width(), ay1 = ay0 + area.height();
  std::vector<TCustomControl*>& found = found_;
  found.clear();
  auto consider = [&](const Slot& s) {
    if (Meets(s.bounds, ax0, ay0, ax1, ay1)) found.push_back(s.control);
  };
  const int64_t x0 = ax0 >> kCellShift, y0 = ay0 >> kCellShift;
  const int64_t x1 = (ax1 - 1) >> kCellShift, y1 = (ay1 - 1) >> kCellShift;
  const bool walkAll = (x1 - x0 + 1) * (y1 - y0 + 1) > static_cast<int64_t>(used_);
  if (walkAll) {
    // An area larger than the cells in use: walk those instead.
    for (const Cell& cell : table_)
      for (const Slot& s : cell.items) consider(s);
  } else {
    for (int64_t cy = y0; cy <= y1; ++cy)
      for (int64_t cx = x0; cx <= x1; ++cx)
        if (const auto* cell = Find(Key(static_cast<int>(cx), static_cast<int>(cy))))
          for (const Slot& s : *cell) consider(s);
  }
  for (const Slot& s : large_) consider(s);
  // A control filed under several cells is met once per cell.
  if (walkAll || x1 > x0 || y1 > y0) {
    std::sort(found.begin(), found.end());
    found.erase(std::unique(found.begin(), found.end()), found.end());
  }
  out.insert(out.end(), found.begin(), found.end());
}
