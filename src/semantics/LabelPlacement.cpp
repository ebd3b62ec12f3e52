#include "LabelPlacement.h"

#include <algorithm>
#include <cmath>
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
    for (const Item* member : c.segments) f.segments.push_back(member->id);
    out.push_back(std::move(f));
  });
  return out;
}

QRect FollowConnectorLabel(const QRect& start, const LabelFollower& follower, const Connector& now) {
  if (follower.placed) return ConnectorLabelBox(now, start.size());
  const QPointF d = LabelPoint(now) - follower.point;
  return start.translated(static_cast<int>(std::nearbyint(d.x())), static_cast<int>(std::nearbyint(d.y())));
}

}  // namespace semantics
