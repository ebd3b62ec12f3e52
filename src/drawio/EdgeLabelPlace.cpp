#include "EdgeLabelPlace.h"

#include <algorithm>
#include <cmath>

namespace drawio {

QPointF PointAlong(const std::vector<QPoint>& route, double x) {
  if (route.empty()) return {};
  double length = 0;
  for (size_t i = 1; i < route.size(); ++i) length += std::hypot(double(route[i].x() - route[i - 1].x()), double(route[i].y() - route[i - 1].y()));
  double left = length * (std::clamp(x, -1.0, 1.0) + 1) / 2;
  for (size_t i = 1; i < route.size(); ++i) {
    const QPointF a = route[i - 1], b = route[i];
    const double d = std::hypot(b.x() - a.x(), b.y() - a.y());
    if (d > 0 && left <= d) return a + (b - a) * (left / d);
    left -= d;
  }
  return route.back();
}

std::optional<QRect> PlacedLabel(const std::vector<QPoint>& route, const CellGeometry& g, QSize size) {
  // Without an offset draw.io draws the label on its line, over a background; here labels go
  // beside their lines instead.
  if (!g.offset || g.offset->isNull()) return std::nullopt;
  const QPointF at = PointAlong(route, g.x) + g.offset.value_or(QPointF());
  return QRect(static_cast<int>(std::lround(at.x() - size.width() / 2.0)), static_cast<int>(std::lround(at.y() - size.height() / 2.0)),
               size.width(), size.height());
}

}  // namespace drawio
