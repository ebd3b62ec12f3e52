#pragma once
#include <QPoint>
#include <QRect>
#include <cstdint>
#include <unordered_map>
#include <vector>

class TCustomControl;

// A grid over the bounds of controls, so that "which controls contain this point" or "meet this
// area" costs a few lookups instead of a walk over every control.
class ControlIndex {
 public:
  // Controls whose bounds contain p (Left <= x < Left + Width, same for y), in the order they
  // were first indexed.
  void Containing(QPoint p, std::vector<TCustomControl*>& out) const;
  // Controls whose bounds meet the rectangle (both taken as Left <= x < Left + Width), each once,
  // in the order they were first indexed. Controls without area meet nothing.
  void Intersecting(const QRect& area, std::vector<TCustomControl*>& out) const;

  void Insert(TCustomControl* control, const QRect& bounds);
  void Update(TCustomControl* control, const QRect& bounds);
  void Remove(const TCustomControl* control);
  void Clear();
  size_t Count() const { return entries_.size(); }

 private:
  struct Entry {
    QRect bounds;
    QRect cells;  // inclusive cell range, or empty when kept in the large list
    uint64_t sequence;
  };
  struct Slot {
    TCustomControl* control;
    QRect bounds;
    uint64_t sequence;
  };
  static constexpr int kCellShift = 6;  // 64-pixel cells
  static constexpr int kMaxCells = 256;  // larger controls are checked on every query
  static int64_t Key(int cx, int cy) { return (int64_t{cx} << 32) ^ static_cast<uint32_t>(cy); }
  void AddCells(TCustomControl* control, Entry& entry);
  void RemoveCells(const TCustomControl* control, const Entry& entry);

  std::unordered_map<const TCustomControl*, Entry> entries_;
  std::unordered_map<int64_t, std::vector<Slot>> cells_;
  std::vector<Slot> large_;
  uint64_t nextSequence_ = 0;
  // Reused by rectangle queries, which come by the thousand when a large group starts to move.
  mutable std::vector<std::pair<uint64_t, TCustomControl*>> found_;
};
