#include "CurveCrossings.h"

#include <QPointF>
#include <QRectF>
#include <algorithm>

namespace quality {

namespace {

std::vector<QPointF> Flatten(const std::vector<QPoint>& c, int steps) {
  std::vector<QPointF> out;
  if (c.size() < 4) {
    for (const QPoint& p : c) out.emplace_back(p);
    return out;
  }
  out.emplace_back(c[0]);
  for (size_t k = 0; k + 3 < c.size(); k += 3) {
    const QPointF p0(c[k]), p1(c[k + 1]), p2(c[k + 2]), p3(c[k + 3]);
    for (int s = 1; s <= steps; ++s) {
      const double t = double(s) / steps, u = 1 - t;
      out.push_back(p0 * (u * u * u) + p1 * (3 * u * u * t) + p2 * (3 * u * t * t) + p3 * (t * t * t));
    }
  }
  return out;
}

double Cross(QPointF o, QPointF a, QPointF b) { return (a.x() - o.x()) * (b.y() - o.y()) - (a.y() - o.y()) * (b.x() - o.x()); }
int Sign(double v) { return (v > 1e-9) - (v < -1e-9); }

bool Proper(QPointF a, QPointF b, QPointF c, QPointF d) {
  return Sign(Cross(a, b, c)) * Sign(Cross(a, b, d)) < 0 && Sign(Cross(c, d, a)) * Sign(Cross(c, d, b)) < 0;
}

QRectF Bounds(const std::vector<QPointF>& p) {
  double l = 1e300, t = 1e300, r = -1e300, b = -1e300;
  for (const QPointF& q : p) {
    l = std::min(l, q.x()), t = std::min(t, q.y()), r = std::max(r, q.x()), b = std::max(b, q.y());
  }
  return p.empty() ? QRectF() : QRectF(QPointF(l - 0.5, t - 0.5), QPointF(r + 0.5, b + 0.5));
}

}  // namespace

int CurveCrossings(const std::vector<std::vector<QPoint>>& routes, int steps) {
  std::vector<std::vector<QPointF>> lines;
  std::vector<QRectF> bounds;
  for (const auto& r : routes) {
    lines.push_back(Flatten(r, std::max(1, steps)));
    bounds.push_back(Bounds(lines.back()));
  }
  int crossings = 0;
  for (size_t i = 0; i < lines.size(); ++i)
    for (size_t j = i + 1; j < lines.size(); ++j) {
      if (!bounds[i].intersects(bounds[j])) continue;
      const auto &p = lines[i], &q = lines[j];
      for (size_t a = 0; a + 1 < p.size(); ++a)
        for (size_t b = 0; b + 1 < q.size(); ++b)
          if (Proper(p[a], p[a + 1], q[b], q[b + 1])) ++crossings;
    }
  return crossings;
}

}  // namespace quality
