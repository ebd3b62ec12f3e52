#include "SelfLoop.h"

#include <vector>

namespace routing {

std::pair<Side, Side> LoopSides(Corner corner) {
  switch (corner) {
    case Corner::TopRight: return {Side::Right, Side::Top};
    case Corner::BottomRight: return {Side::Bottom, Side::Right};
    case Corner::BottomLeft: return {Side::Left, Side::Bottom};
    case Corner::TopLeft: break;
  }
  return {Side::Top, Side::Left};
}

namespace {

// The box the loop at the corner takes beside the shape: a quarter of each side out to `size`
// past it.
QRect LoopArea(const QRect& box, Corner corner, int size) {
  const int l = box.x(), t = box.y(), r = l + box.width(), b = t + box.height();
  const int qx = box.width() / 2, qy = box.height() / 2;
  switch (corner) {
    case Corner::TopRight: return QRect(r - qx, t - size, qx + size, qy + size);
    case Corner::BottomRight: return QRect(r - qx, b - qy, qx + size, qy + size);
    case Corner::BottomLeft: return QRect(l - size, b - qy, qx + size, qy + size);
    case Corner::TopLeft: break;
  }
  return QRect(l - size, t - size, qx + size, qy + size);
}

}  // namespace

Corner LoopCorner(const QRect& box, int owner, const ObstacleIndex& obstacles, int size) {
  const Corner order[] = {Corner::TopRight, Corner::BottomRight, Corner::BottomLeft, Corner::TopLeft};
  std::optional<Corner> inside;
  std::vector<int> ids;
  for (Corner c : order) {
    const QRect area = LoopArea(box, c, size);
    if (area.x() < 0 || area.y() < 0) continue;
    if (!inside) inside = c;
    ids.clear();
    obstacles.Query(area, ids);
    bool clear = true;
    for (int id : ids) {
      const ObstacleIndex::Obstacle& o = obstacles[id];
      if (o.owner == owner && owner >= 0) continue;
      // Only a box that reaches into the area blocks; one that touches its edge does not.
      if (o.box.intersects(area.adjusted(1, 1, -1, -1))) clear = false;
    }
    if (clear) return c;
  }
  return inside.value_or(Corner::TopRight);
}

std::vector<QPoint> LoopRoute(const QRect& box, const Port& a, const Port& b, int size) {
  const QPoint oa = connectors::Outward(a.side), ob = connectors::Outward(b.side);
  // The loop's outer lines run `size` beyond the box's sides.
  const int l = box.x(), t = box.y(), r = l + box.width(), bo = t + box.height();
  auto beyond = [&](Side s) {
    switch (s) {
      case Side::Top: return t - size;
      case Side::Right: return r + size;
      case Side::Bottom: return bo + size;
      case Side::Left: break;
    }
    return l - size;
  };
  const int outA = beyond(a.side), outB = beyond(b.side);
  QPoint pa = a.point, pb = b.point;
  QPoint a1 = oa.x() != 0 ? QPoint(outA, pa.y()) : QPoint(pa.x(), outA);
  QPoint b1 = ob.x() != 0 ? QPoint(outB, pb.y()) : QPoint(pb.x(), outB);
  const QPoint corner = oa.x() != 0 ? QPoint(a1.x(), b1.y()) : QPoint(b1.x(), a1.y());
  return Simplify({pa, a1, corner, b1, pb});
}

}  // namespace routing
