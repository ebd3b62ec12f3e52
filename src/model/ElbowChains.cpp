#include "ElbowChains.h"

#include <algorithm>
#include <cstdlib>
#include <unordered_map>

#include "ConnectorGeometry.h"
#include "Connector.h"
#include "Outline.h"

namespace connectors {

std::optional<Figure> OwnerNear(QPoint p, const FigureQuery& query, FigureId self) {
  const double reach = kAttachReach;
  const int r = kAttachReach + 1;
  std::vector<Figure> near;
  query(QRect(p.x() - r, p.y() - r, 2 * r + 1, 2 * r + 1), near);
  std::optional<Figure> best;
  bool bestDeep = false;
  for (const Figure& f : near) {
    if (f.id == self || !IsClosed(f.kind) || !IsAttached(f.kind, f.box, p, reach)) continue;
    const bool deep = Contains(f.kind, f.box, p) && DistanceToOutline(f.kind, f.box, p) > reach;
    if (!best || (!deep && bestDeep) || (deep == bestDeep && f.stacking > best->stacking)) {
      best = f;
      bestDeep = deep;
    }
  }
  return best;
}

Side NearestSide(const Figure& shape, QPoint p) {
  Side nearest = Side::Top;
  int64_t best = -1;
  for (Side side : kSides) {
    const QPoint d = AttachPoint(shape.kind, shape.box, side).point - p;
    const int64_t distance = int64_t{d.x()} * d.x() + int64_t{d.y()} * d.y();
    if (best < 0 || distance < best) {
      best = distance;
      nearest = side;
    }
  }
  return nearest;
}

namespace {

semantics::ItemKind ItemKindOf(FigureKind kind) {
  using semantics::ItemKind;
  switch (kind) {
    case FigureKind::Circle: return ItemKind::Start;
    case FigureKind::Ellipse: return ItemKind::Ellipse;
    case FigureKind::RoundedBox: return ItemKind::Process;
    case FigureKind::Diamond: return ItemKind::Decision;
    case FigureKind::Label: return ItemKind::Label;
    case FigureKind::Line: return ItemKind::Line;
    case FigureKind::Arrow: return ItemKind::Arrow;
    case FigureKind::Box: break;
  }
  return ItemKind::Rectangle;
}

// The figures a query finds, as the meaning module's items, kept at stable addresses while the
// connector is worked out.
class ItemsOfFigures {
 public:
  explicit ItemsOfFigures(const FigureQuery& query) : query_(query) {}
  const semantics::Item& Of(const Figure& f) {
    auto [it, fresh] = entries_.try_emplace(Key(f.id));
    if (fresh) {
      it->second.figure = f;
      semantics::Item& item = it->second.item;
      item.id = Key(f.id);
      item.kind = ItemKindOf(f.kind);
      item.box = f.box;
      item.direction = f.direction;
      item.heads = f.heads;
      item.stacking = f.stacking;
    }
    return it->second.item;
  }
  const Figure& FigureOf(const semantics::Item& item) const { return entries_.at(item.id).figure; }
  semantics::ItemQuery Query() {
    return [this](const QRect& area, std::vector<const semantics::Item*>& out) {
      found_.clear();
      query_(area, found_);
      for (const Figure& f : found_) out.push_back(&Of(f));
    };
  }

 private:
  static uint64_t Key(FigureId id) { return static_cast<uint64_t>(reinterpret_cast<uintptr_t>(id)); }
  struct Entry {
    Figure figure;
    semantics::Item item;
  };
  const FigureQuery& query_;
  std::unordered_map<uint64_t, Entry> entries_;
  std::vector<Figure> found_;
};

}  // namespace

std::optional<ElbowChain> TraceChain(const Figure& first, QPoint attached, const FigureQuery& query) {
  if (!IsConnector(first.kind)) return std::nullopt;
  const Ends ends = EndsOf(first);
  if (!JointsMeet(ends.start, attached) && !JointsMeet(ends.end, attached)) return std::nullopt;
  ItemsOfFigures items(query);
  const std::optional<semantics::Connector> c = semantics::ConnectorOf(items.Of(first), items.Query());
  if (!c || c->segments.size() < 2 || static_cast<int>(c->segments.size()) > kMaxChain) return std::nullopt;
  if (!c->headAtEnd || c->headAtStart || !c->startShape || !c->endShape || c->startShape->id == c->endShape->id)
    return std::nullopt;
  ElbowChain chain;
  for (const semantics::Item* s : c->segments) chain.segments.push_back(items.FigureOf(*s));
  chain.source = items.FigureOf(*c->startShape);
  chain.target = items.FigureOf(*c->endShape);
  return chain;
}

}  // namespace connectors
