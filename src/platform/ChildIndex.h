#pragma once
#include <QHash>
#include <QPoint>
#include <QRect>
#include <unordered_map>
#include <vector>

class QObject;
class QWidget;

// A grid over the bounds of a parent's children, so that "which children contain this point"
// costs a few lookups instead of a walk over every child. A parent that keeps one is found with
// ChildIndex::Of(parent); callers fall back to walking the children when it has none.
class ChildIndex {
 public:
  virtual ~ChildIndex() = default;

  // Children whose bounds contain p (Left <= x < Left + Width, same for y), in the order they
  // were first indexed.
  void ChildrenContaining(QPoint p, std::vector<QWidget*>& out) const;
  // Children whose bounds meet the rectangle (both taken as Left <= x < Left + Width), each once,
  // in the order they were first indexed. Children without area meet nothing.
  void ChildrenIntersecting(const QRect& area, std::vector<QWidget*>& out) const;

  void Insert(QWidget* child, const QRect& bounds);
  void Update(QWidget* child, const QRect& bounds);
  void Remove(const QObject* child);
  size_t Count() const { return entries_.size(); }

  static ChildIndex* Of(QWidget* parent);

 private:
  struct Entry {
    QRect bounds;
    QRect cells;  // inclusive cell range, or empty when kept in the large list
    uint64_t sequence;
  };
  struct Slot {
    QWidget* widget;
    QRect bounds;
    uint64_t sequence;
  };
  static constexpr int kCellShift = 6;  // 64-pixel cells
  static constexpr int kMaxCells = 256;  // larger children are checked on every query
  static int64_t Key(int cx, int cy) { return (int64_t{cx} << 32) ^ static_cast<uint32_t>(cy); }
  void AddCells(QWidget* child, Entry& entry);
  void RemoveCells(const QObject* child, const Entry& entry);

  QHash<const QObject*, Entry> entries_;
  std::unordered_map<int64_t, std::vector<Slot>> cells_;
  std::vector<Slot> large_;
  uint64_t nextSequence_ = 0;
  // Reused by rectangle queries, which come by the thousand when a large group starts to move.
  mutable std::vector<std::pair<uint64_t, QWidget*>> found_;
};
