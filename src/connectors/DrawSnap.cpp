#include "DrawSnap.h"

#include <cmath>
#include <limits>

#include "Outline.h"
#include "ShapeGeometry.h"

namespace connectors {

namespace {

QPoint SnapPointOn(const Figure& f, QPoint p) {
  if (f.kind == FigureKind::Box || f.kind == FigureKind::RoundedBox) {
    const auto points = BoxSnapPoints(f.kind, f.box);
    QPoint best = points[0];
    int64_t bestD2 = std::numeric_limits<int64_t>::max();
    for (QPoint q : points) {
      const int64_t dx = q.x() - p.x(), dy = q.y() - p.y();
      if (dx * dx + dy * dy < bestD2) {
        bestD2 = dx * dx + dy * dy;
        best = q;
      }
    }
    return best;
  }
  const QPointF n = NearestOnOutline(f.kind, f.box, p);
  return {geom::Nearest(n.x()), geom::Nearest(n.y())};
}

}  // namespace

OutlineSnap SnapToOutline(QPoint p, const std::vector<Figure>& candidates, double reach) {
  const Figure* best = nullptr;
  double bestDistance = std::numeric_limits<double>::infinity();
  for (const Figure& f : candidates) {
    if (!IsClosed(f.kind)) continue;
    const double d = DistanceToOutline(f.kind, f.box, p);
    if (d > reach) continue;
    if (!best || d < bestDistance || (d == bestDistance && f.stacking > best->stacking)) {
      best = &f;
      bestDistance = d;
    }
  }
  if (!best) return {p, nullptr};
  return {SnapPointOn(*best, p), best->id};
}

OutlineSnap SnapToOutline(QPoint p, const FigureQuery& query, double reach) {
  // Outlines lie within their figures' boxes, so a figure in reach has its box within reach.
  const int margin = static_cast<int>(std::ceil(reach)) + 1;
  std::vector<Figure> near;
  query(QRect(p.x() - margin, p.y() - margin, 2 * margin + 1, 2 * margin + 1), near);
  return SnapToOutline(p, near, reach);
}

FigureId ShapeForEnd(QPoint p, const FigureQuery& query, FigureId except, double reach) {
  const int margin = static_cast<int>(std::ceil(reach)) + 1;
  std::vector<Figure> near;
  query(QRect(p.x() - margin, p.y() - margin, 2 * margin + 1, 2 * margin + 1), near);
  std::erase_if(near, [&](const Figure& f) { return f.id == except; });
  if (const OutlineSnap snap = SnapToOutline(p, near, reach); snap.figure) return snap.figure;
  const Figure* top = nullptr;
  for (const Figure& f : near)
    if (IsClosed(f.kind) && Contains(f.kind, f.box, p) && (!top || f.stacking > top->stacking)) top = &f;
  return top ? top->id : nullptr;
}

}  // namespace connectors
