#include "ConnectorLabel.h"

#include <algorithm>
#include <cmath>
#include <unordered_set>

#include "ConnectorGeometry.h"
#include "ShapeText.h"

namespace semantics {

namespace {

double Length(const Item& s) {
  const connectors::Ends e = connectors::EndsOf(s.box, s.direction);
  return std::hypot(double(e.end.x() - e.start.x()), double(e.end.y() - e.start.y()));
}

constexpr int kPad = static_cast<int>(kLabelReach) + 1;

// The connector nearest the label among those within reach, by its label point.
std::optional<Connector> NearestConnector(const Item& label, const ItemQuery& query) {
  std::vector<const Item*> near;
  query(label.box.adjusted(-kPad, -kPad, kPad, kPad), near);
  std::unordered_set<uint64_t> seen;
  std::optional<Connector> best;
  double bestD = 0;
  for (const Item* s : near) {
    if (!IsSegment(s->kind) || seen.count(s->id)) continue;
    std::optional<Connector> c = ConnectorOf(*s, query);
    if (!c) {
      seen.insert(s->id);
      continue;
    }
    for (const Item* member : c->segments) seen.insert(member->id);
    const double d = DistanceToBox(LabelPoint(*c), label.box);
    if (d <= kLabelReach && NearerConnector(d, MiddleSegment(*c), bestD, best ? &MiddleSegment(*best) : nullptr)) {
      bestD = d;
      best = std::move(c);
    }
  }
  return best;
}

}  // namespace

const Item& MiddleSegment(const Connector& connector) {
  const auto& s = connector.segments;
  const size_t n = s.size();
  if (n % 2 == 1) return *s[n / 2];
  return Length(*s[n / 2]) > Length(*s[n / 2 - 1]) ? *s[n / 2] : *s[n / 2 - 1];
}

QPointF LabelPoint(const Connector& connector) {
  const Item& m = MiddleSegment(connector);
  const connectors::Ends e = connectors::EndsOf(m.box, m.direction);
  return (QPointF(e.start) + QPointF(e.end)) / 2;
}

double DistanceToBox(QPointF p, const QRect& box) {
  const double x0 = box.x(), x1 = x0 + box.width(), y0 = box.y(), y1 = y0 + box.height();
  const double l = std::min(x0, x1), r = std::max(x0, x1), t = std::min(y0, y1), b = std::max(y0, y1);
  const double dx = std::max({l - p.x(), 0.0, p.x() - r});
  const double dy = std::max({t - p.y(), 0.0, p.y() - b});
  return std::hypot(dx, dy);
}

const Item* ConnectorLabel(const Connector& connector, const ItemQuery& query) {
  const QPointF m = LabelPoint(connector);
  const QPoint c = m.toPoint();
  std::vector<const Item*> near;
  query(QRect(c.x() - kPad, c.y() - kPad, 2 * kPad, 2 * kPad), near);
  struct Candidate {
    const Item* label;
    double d;
  };
  std::vector<Candidate> candidates;
  for (const Item* f : near) {
    if (f->kind != ItemKind::Label) continue;
    const double d = DistanceToBox(m, f->box);
    if (d <= kLabelReach) candidates.push_back({f, d});
  }
  std::sort(candidates.begin(), candidates.end(), [](const Candidate& a, const Candidate& b) {
    return a.d != b.d ? a.d < b.d : a.label->stacking > b.label->stacking;
  });
  const uint64_t self = MiddleSegment(connector).id;
  for (const Candidate& k : candidates) {
    if (ShapeOfText(*k.label, query)) continue;
    const std::optional<Connector> nearest = NearestConnector(*k.label, query);
    if (nearest && MiddleSegment(*nearest).id == self) return k.label;
  }
  return nullptr;
}

std::optional<Connector> ConnectorOfLabel(const Item& label, const ItemQuery& query) {
  if (label.kind != ItemKind::Label || ShapeOfText(label, query)) return std::nullopt;
  std::optional<Connector> nearest = NearestConnector(label, query);
  if (!nearest) return std::nullopt;
  const Item* own = ConnectorLabel(*nearest, query);
  if (!own || own->id != label.id) return std::nullopt;
  return nearest;
}

}  // namespace semantics
