#include "SelectionUnit.h"

#include <algorithm>
#include <unordered_set>

#include "Connector.h"
#include "ConnectorLabel.h"
#include "Outline.h"
#include "ShapeText.h"

namespace semantics {

namespace {

// Figures gathered once each, handed back bottom first.
class Gathered {
 public:
  void Add(const Item* item) {
    if (item && ids_.insert(item->id).second) items_.push_back(item);
  }
  bool Has(uint64_t id) const { return ids_.count(id) != 0; }
  std::vector<const Item*> Sorted() {
    std::sort(items_.begin(), items_.end(), [](const Item* a, const Item* b) { return a->stacking < b->stacking; });
    return std::move(items_);
  }

 private:
  std::unordered_set<uint64_t> ids_;
  std::vector<const Item*> items_;
};

// Adds each connector with an end on a shape among the heads (both ends when bothEnds), with its
// segments and its label.
void AddConnectors(std::span<const Item* const> heads, const ItemQuery& query, bool bothEnds, Gathered& out) {
  std::unordered_set<uint64_t> shapes;
  for (const Item* h : heads)
    if (IsShape(h->kind)) shapes.insert(h->id);
  const auto in = [&](const Item* shape) { return shape && shapes.count(shape->id); };
  ForEachConnectorNear(heads, query, [&](const Connector& c) {
    const bool takes = bothEnds ? in(c.startShape) && in(c.endShape) : in(c.startShape) || in(c.endShape);
    if (!takes) return;
    for (const Item* member : c.segments) out.Add(member);
    out.Add(ConnectorLabel(c, query));
  });
}

std::vector<const Item*> WithUnits(std::span<const Item* const> heads, const ItemQuery& query, bool bothEnds) {
  Gathered out;
  for (const Item* h : heads)
    for (const Item* member : UnitOf(*h, query)) out.Add(member);
  AddConnectors(heads, query, bothEnds, out);
  return out.Sorted();
}

}  // namespace

std::vector<const Item*> UnitOf(const Item& head, const ItemQuery& query) {
  std::vector<const Item*> unit{&head};
  if (IsShape(head.kind)) {
    if (const Item* text = ShapeText(head, query)) unit.push_back(text);
  } else if (IsSegment(head.kind)) {
    if (const std::optional<Connector> c = ConnectorOf(head, query))
      if (const Item* label = ConnectorLabel(*c, query)) unit.push_back(label);
  }
  return unit;
}

const Item& HeadOf(const Item& figure, const ItemQuery& query) {
  if (figure.kind == ItemKind::Label)
    if (const Item* shape = ShapeOfText(figure, query)) return *shape;
  return figure;
}

std::vector<const Item*> HeadsOf(std::span<const Item* const> figures, const ItemQuery& query) {
  Gathered out;
  for (const Item* f : figures) out.Add(&HeadOf(*f, query));
  return out.Sorted();
}

std::vector<const Item*> WithoutPartConnectors(std::span<const Item* const> figures, const ItemQuery& query) {
  std::unordered_set<uint64_t> given, dropped, kept;
  for (const Item* f : figures) given.insert(f->id);
  std::vector<const Item*> out;
  out.reserve(figures.size());
  for (const Item* f : figures) {
    if (IsSegment(f->kind) && !kept.count(f->id) && !dropped.count(f->id)) {
      // Each connector is worked out once, from the first of its segments met.
      if (const std::optional<Connector> c = ConnectorOf(*f, query)) {
        const bool whole = std::all_of(c->segments.begin(), c->segments.end(),
                                       [&](const Item* s) { return given.count(s->id) != 0; });
        for (const Item* s : c->segments) (whole ? kept : dropped).insert(s->id);
      }
    }
    if (!dropped.count(f->id)) out.push_back(f);
  }
  return out;
}

std::vector<const Item*> CarriedWith(std::span<const Item* const> heads, const ItemQuery& query) {
  return WithUnits(heads, query, true);
}

std::vector<const Item*> RemovedWith(std::span<const Item* const> heads, const ItemQuery& query) {
  return WithUnits(heads, query, false);
}

}  // namespace semantics
