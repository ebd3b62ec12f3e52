#include "ConnectorLabel.h"

#include <algorithm>
#include <cmath>
#include <limits>
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
  LabelNearness bestD;
  for (const Item* s : near) {
    if (!IsSegment(s->kind) || seen.count(s->id)) continue;
    std::optional<Connector> c = ConnectorOf(*s, query);
    if (!c) {
      seen.insert(s->id);
      continue;
    }
    for (const Item* member : c->segments) seen.insert(member->id);
    const std::optional<LabelNearness> d = NearnessOf(*c, label.box);
    if (d && NearerConnector(*d, MiddleSegment(*c), bestD, best ? &MiddleSegment(*best) : nullptr)) {
      bestD = *d;
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

double SegmentToBox(QPointF a, QPointF b, const QRect& box) {
  const double l = std::min(box.left(), box.left() + box.width()), r = std::max(box.left(), box.left() + box.width());
  const double t = std::min(box.top(), box.top() + box.height()), bo = std::max(box.top(), box.top() + box.height());
  auto inside = [&](QPointF p) { return p.x() >= l && p.x() <= r && p.y() >= t && p.y() <= bo; };
  if (inside(a) || inside(b)) return 0;
  const QPointF corners[] = {{l, t}, {r, t}, {r, bo}, {l, bo}};
  // Crossing an edge of the box: the segment's ends on either side of the edge's line and the
  // edge's ends on either side of the segment's.
  auto cross = [](QPointF o, QPointF p, QPointF q) { return (p.x() - o.x()) * (q.y() - o.y()) - (p.y() - o.y()) * (q.x() - o.x()); };
  for (int i = 0; i < 4; ++i) {
    const QPointF c = corners[i], d = corners[(i + 1) % 4];
    const bool spansMeet = std::max(a.x(), b.x()) >= std::min(c.x(), d.x()) && std::min(a.x(), b.x()) <= std::max(c.x(), d.x()) &&
                           std::max(a.y(), b.y()) >= std::min(c.y(), d.y()) && std::min(a.y(), b.y()) <= std::max(c.y(), d.y());
    if (spansMeet && cross(a, b, c) * cross(a, b, d) <= 0 && cross(c, d, a) * cross(c, d, b) <= 0) return 0;
  }
  auto toSegment = [&](QPointF p) {
    const QPointF d = b - a;
    const double len2 = QPointF::dotProduct(d, d);
    const double u = len2 > 0 ? std::clamp(QPointF::dotProduct(p - a, d) / len2, 0.0, 1.0) : 0;
    const QPointF q = a + d * u;
    return std::hypot(p.x() - q.x(), p.y() - q.y());
  };
  double best = std::min(DistanceToBox(a, box), DistanceToBox(b, box));
  for (const QPointF& c : corners) best = std::min(best, toSegment(c));
  return best;
}

double DistanceToConnector(const Connector& connector, const QRect& box) {
  double best = std::numeric_limits<double>::infinity();
  for (const Item* s : connector.segments) {
    const connectors::Ends e = connectors::EndsOf(s->box, s->direction);
    best = std::min(best, SegmentToBox(QPointF(e.start), QPointF(e.end), box));
  }
  return best;
}

std::optional<LabelNearness> NearnessOf(const Connector& connector, const QRect& box) {
  const double middle = DistanceToBox(LabelPoint(connector), box);
  if (middle <= kLabelReach) return LabelNearness{0, middle};
  const double any = DistanceToConnector(connector, box);
  if (any <= kLabelReach) return LabelNearness{1, any};
  return std::nullopt;
}

const Item* ConnectorLabel(const Connector& connector, const ItemQuery& query) {
  // Near each segment, not in the box of the whole route: a route around a chart holds the chart.
  std::vector<const Item*> near;
  for (const Item* s : connector.segments) query(s->box.normalized().adjusted(-kPad, -kPad, kPad + 1, kPad + 1), near);
  std::sort(near.begin(), near.end());
  near.erase(std::unique(near.begin(), near.end()), near.end());
  struct Candidate {
    const Item* label;
    LabelNearness d;
  };
  std::vector<Candidate> candidates;
  for (const Item* f : near) {
    if (f->kind != ItemKind::Label) continue;
    if (const std::optional<LabelNearness> d = NearnessOf(connector, f->box)) candidates.push_back({f, *d});
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
