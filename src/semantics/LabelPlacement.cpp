#include "LabelPlacement.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <unordered_set>

#include "ConnectorGeometry.h"
#include "ConnectorLabel.h"

namespace semantics {

QRect ConnectorLabelBox(const Connector& connector, QSize size) {
  const Item& middle = MiddleSegment(connector);
  const connectors::Ends e = connectors::EndsOf(middle.box, middle.direction);
  const QPointF p = LabelPoint(connector);
  const int x = static_cast<int>(std::floor(p.x())), y = static_cast<int>(std::floor(p.y()));
  const int w = std::max(size.width(), 1), h = std::max(size.height(), 1);
  const bool upright = std::abs(e.end.y() - e.start.y()) > std::abs(e.end.x() - e.start.x());
  if (upright) return QRect(x + kLabelGap, y - h / 2, w, h);
  return QRect(x - w / 2, y - kLabelGap - h, w, h);
}

namespace {

double Apart(QPointF a, QPointF b) { return std::hypot(a.x() - b.x(), a.y() - b.y()); }

// The route's vertices in order: its start (the first segment's end away from the second; a
// connector made of its segments alone carries no ends), then the far end of each segment.
std::vector<QPointF> Vertices(const Connector& c) {
  QPointF start(c.start);
  if (c.segments.size() >= 2) {
    const connectors::Ends first = connectors::EndsOf(c.segments[0]->box, c.segments[0]->direction);
    const connectors::Ends second = connectors::EndsOf(c.segments[1]->box, c.segments[1]->direction);
    const auto near = [&](QPointF p) { return std::min(Apart(p, QPointF(second.start)), Apart(p, QPointF(second.end))); };
    start = near(QPointF(first.start)) >= near(QPointF(first.end)) ? QPointF(first.start) : QPointF(first.end);
  }
  std::vector<QPointF> v{start};
  for (const Item* s : c.segments) {
    const connectors::Ends e = connectors::EndsOf(s->box, s->direction);
    const QPointF a(e.start), b(e.end), last = v.back();
    const double da = std::hypot(a.x() - last.x(), a.y() - last.y()), db = std::hypot(b.x() - last.x(), b.y() - last.y());
    v.push_back(da <= db ? b : a);
  }
  return v;
}

// The point `along` pixels from `from` toward `to`, no farther than `to`.
QPointF Along(QPointF from, QPointF to, double along) {
  const QPointF d = to - from;
  const double length = std::hypot(d.x(), d.y());
  if (length <= 0) return from;
  return from + d * (std::min(along, length) / length);
}

// The segment the follower follows, as its index in route order, and the vertex it counts from.
std::pair<size_t, size_t> Followed(size_t count, const LabelFollower& f) {
  const size_t k = std::min(static_cast<size_t>(f.segment), count - 1);
  const size_t index = f.fromEnd ? count - 1 - k : k;
  return {index, f.fromEnd ? index + 1 : index};
}

// The follower's anchor on the connector for a label whose nearest segment is not the middle one.
void Anchor(const Connector& c, const QRect& label, LabelFollower& f) {
  const size_t n = c.segments.size();
  const Item* middle = &MiddleSegment(c);
  size_t nearest = 0;
  double best = std::numeric_limits<double>::infinity();
  for (size_t i = 0; i < n; ++i) {
    const connectors::Ends e = connectors::EndsOf(c.segments[i]->box, c.segments[i]->direction);
    const double d = SegmentToBox(QPointF(e.start), QPointF(e.end), label);
    if (d < best || (d == best && c.segments[i] == middle)) best = d, nearest = i;
  }
  if (c.segments[nearest] == middle) return;
  f.fromEnd = 2 * nearest + 1 > n;
  f.segment = static_cast<int>(f.fromEnd ? n - 1 - nearest : nearest);
  const std::vector<QPointF> v = Vertices(c);
  const QPointF from = v[f.fromEnd ? nearest + 1 : nearest], to = v[f.fromEnd ? nearest : nearest + 1];
  const QPointF d = to - from, centre = QRectF(label).center();
  const double length2 = QPointF::dotProduct(d, d);
  f.along = length2 > 0 ? std::clamp(QPointF::dotProduct(centre - from, d) / std::sqrt(length2), 0.0, std::sqrt(length2)) : 0;
  f.point = Along(from, to, f.along);
}

}  // namespace

std::vector<LabelFollower> LabelsFollowing(std::span<const Item* const> moving, const ItemQuery& query) {
  std::unordered_set<uint64_t> movingIds;
  for (const Item* m : moving) movingIds.insert(m->id);
  std::vector<LabelFollower> out;
  ForEachConnectorNear(moving, query, [&](const Connector& c) {
    const bool selfMoving = std::any_of(c.segments.begin(), c.segments.end(),
                                        [&](const Item* member) { return movingIds.count(member->id) != 0; });
    const bool attached = (c.startShape && movingIds.count(c.startShape->id)) ||
                          (c.endShape && movingIds.count(c.endShape->id));
    if (selfMoving || !attached) return;
    const Item* label = ConnectorLabel(c, query);
    if (!label || movingIds.count(label->id)) return;
    LabelFollower f{label->id, {}, LabelPoint(c), ConnectorLabelBox(c, label->box.size()) == label->box};
    if (!f.placed) Anchor(c, label->box, f);
    for (const Item* member : c.segments) f.segments.push_back(member->id);
    out.push_back(std::move(f));
  });
  return out;
}

QRect FollowConnectorLabel(const QRect& start, const LabelFollower& follower, const Connector& now) {
  if (follower.placed) return ConnectorLabelBox(now, start.size());
  QPointF point = LabelPoint(now);
  if (follower.segment >= 0 && !now.segments.empty()) {
    const std::vector<QPointF> v = Vertices(now);
    const auto [index, from] = Followed(now.segments.size(), follower);
    point = Along(v[from], v[from == index ? index + 1 : index], follower.along);
  }
  const QPointF d = point - follower.point;
  return start.translated(static_cast<int>(std::nearbyint(d.x())), static_cast<int>(std::nearbyint(d.y())));
}

}  // namespace semantics
