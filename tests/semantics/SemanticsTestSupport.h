#pragma once
#include <QPoint>
#include <QRect>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "Item.h"
#include "ItemGrid.h"

// Hand-made diagrams for the rule tables: items built from the points a user would draw, with
// ids equal to their place in the list plus one, and their stacking equal to the id unless set.
namespace semtest {

using semantics::Item;
using semantics::ItemKind;

inline Item Shape(ItemKind kind, QRect box) {
  Item i;
  i.kind = kind;
  i.box = box;
  return i;
}
inline Item Text(QRect box, std::string caption) {
  Item i = Shape(ItemKind::Label, box);
  i.caption = std::move(caption);
  return i;
}
// A horizontal or vertical segment from a to b, with the thickness the editor draws it with.
inline Item Segment(ItemKind kind, QPoint a, QPoint b, TArrowPosition heads = apRight) {
  const int half = kind == ItemKind::Arrow ? 15 : 2;
  Item s;
  s.kind = kind;
  s.heads = heads;
  const QPoint lo(std::min(a.x(), b.x()), std::min(a.y(), b.y()));
  if (a.y() == b.y()) {
    s.box = QRect(lo.x(), a.y() - half, std::abs(b.x() - a.x()), 2 * half);
    s.direction = adTopToTop;
  } else {
    s.box = QRect(a.x() - half, lo.y(), 2 * half, std::abs(b.y() - a.y()));
    s.direction = adLeftToLeft;
  }
  return s;
}
inline Item Line(QPoint a, QPoint b) { return Segment(ItemKind::Line, a, b); }
inline Item Arrow(QPoint a, QPoint b, TArrowPosition heads = apRight) { return Segment(ItemKind::Arrow, a, b, heads); }

// The items, numbered, with an index over them.
struct Scene {
  explicit Scene(std::vector<Item> list) : items(std::move(list)) {
    for (size_t i = 0; i < items.size(); ++i) {
      items[i].id = i + 1;
      if (items[i].stacking == 0) items[i].stacking = static_cast<int>(i + 1);
    }
    grid = std::make_unique<semantics::ItemGrid>(items);
    query = grid->AsQuery();
  }
  const Item& operator[](uint64_t id) const { return items[id - 1]; }
  std::vector<Item> items;
  std::unique_ptr<semantics::ItemGrid> grid;
  semantics::ItemQuery query;
};

inline uint64_t IdOf(const Item* item) { return item ? item->id : 0; }

}  // namespace semtest

inline void PrintTo(const QPoint& p, std::ostream* os) { *os << "(" << p.x() << ", " << p.y() << ")"; }
