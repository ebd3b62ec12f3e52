#pragma once
#include <QPoint>
#include <QRect>
#include <cstdint>
#include <vector>

#include "Control.h"

// A grid over the bounds of controls, so that "which controls contain this point" or "meet this
// area" costs a few lookups instead of a walk over every control. Each control keeps the range of
// cells it is filed under (TCustomControl::IndexCells), so that no table of controls is needed;
// the cells hold the controls with a copy of their bounds, so that a query reads no control.
class ControlIndex {
 public:
  // Controls whose bounds contain p (Left <= x < Left + Width, same for y).
  void Containing(QPoint p, std::vector<TCustomControl*>& out) const;
  // Controls whose bounds contain any of the points, each once (each cell is looked up once).
  void ContainingAny(const QPoint* points, int count, std::vector<TCustomControl*>& out) const;
  // Controls whose bounds meet the rectangle (both taken as Left <= x < Left + Width), each once.
  // Controls without area meet nothing.
  void Intersecting(const QRect& area, std::vector<TCustomControl*>& out) const;

  // The control's bounds are read from it: Insert and Update after they changed.
  void Insert(TCustomControl* control);
  void Update(TCustomControl* control);
  void Remove(TCustomControl* control);
  void Clear();
  size_t Count() const { return count_; }

  using Cells = TIndexCells;
  // 256-pixel cells: a figure lies in one or two of them, so that moving it costs few lookups.
  static constexpr int kCellShift = 8;
  static constexpr int kMaxCells = 256;   // larger controls are checked on every query
  static constexpr Cells kNone{1, 1, 0, 0};
  static constexpr Cells kLarge{2, 2, 0, 0};
  static Cells CellsOf(const QRect& bounds);

 private:
  static uint32_t Key(int cx, int cy) { return (uint32_t{static_cast<uint16_t>(cx)} << 16) | static_cast<uint16_t>(cy); }
  void File(TCustomControl* control, Cells cells);
  void Unfile(TCustomControl* control, Cells cells);

  // The cells in use, in one table with open addressing: a cell is found with one probe or two,
  // where a node-based map costs several cache misses (a drag step of a large group asks for
  // cells hundreds of thousands of times). A cell once used keeps its slot, empty or not.
  struct Slot {
    TCustomControl* control;
    QRect bounds;
  };
  struct Cell {
    uint32_t key = 0;
    bool used = false;
    std::vector<Slot> items;
  };
  const std::vector<Slot>* Find(uint32_t key) const;
  std::vector<Slot>& Get(uint32_t key);
  void Grow();
  std::vector<Cell> table_;  // a power of two in size
  size_t used_ = 0;
  std::vector<Slot> large_;
  size_t count_ = 0;
  // Reused by rectangle queries, which come by the thousand when a large group starts to move.
  mutable std::vector<TCustomControl*> found_;
};
