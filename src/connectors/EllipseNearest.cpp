// The nearest point on an ellipse by bisection on the root of the Lagrange condition (the robust
// method of D. Eberly, "Distance from a Point to an Ellipse"), worked in the first quadrant with
// the larger semi-axis first and mirrored back.
#include "EllipseNearest.h"

#include <algorithm>
#include <cmath>

namespace connectors {

namespace {

// The root s of (r0·z0 / (s + r0))² + (z1 / (s + 1))² = 1 with g its value at s = 0.
double Root(double r0, double z0, double z1, double g) {
  const double n0 = r0 * z0;
  double s0 = z1 - 1;
  double s1 = g < 0 ? 0 : std::hypot(n0, z1) - 1;
  double s = 0;
  for (int i = 0; i < 200; ++i) {
    s = (s0 + s1) / 2;
    if (s == s0 || s == s1) break;
    const double ratio0 = n0 / (s + r0), ratio1 = z1 / (s + 1);
    g = ratio0 * ratio0 + ratio1 * ratio1 - 1;
    if (g > 0) s0 = s;
    else if (g < 0) s1 = s;
    else break;
  }
  return s;
}

// e0 >= e1 > 0, y0, y1 >= 0.
QPointF FirstQuadrant(double e0, double e1, double y0, double y1) {
  if (y1 > 0) {
    if (y0 > 0) {
      const double z0 = y0 / e0, z1 = y1 / e1;
      const double g = z0 * z0 + z1 * z1 - 1;
      if (g == 0) return {y0, y1};
      const double r0 = (e0 / e1) * (e0 / e1);
      const double s = Root(r0, z0, z1, g);
      return {r0 * y0 / (s + r0), y1 / (s + 1)};
    }
    return {0, e1};
  }
  const double numer0 = e0 * y0, denom0 = e0 * e0 - e1 * e1;
  if (numer0 < denom0) {
    const double x = numer0 / denom0;
    return {e0 * x, e1 * std::sqrt(std::max(0.0, 1 - x * x))};
  }
  return {e0, 0};
}

}  // namespace

QPointF NearestOnEllipse(double a, double b, QPointF p) {
  a = std::abs(a);
  b = std::abs(b);
  const double sx = p.x() < 0 ? -1 : 1, sy = p.y() < 0 ? -1 : 1;
  const double x = std::abs(p.x()), y = std::abs(p.y());
  QPointF q;
  if (a == 0 && b == 0) q = {0, 0};
  else if (b == 0) q = {std::min(x, a), 0};
  else if (a == 0) q = {0, std::min(y, b)};
  else if (a >= b) q = FirstQuadrant(a, b, x, y);
  else {
    const QPointF t = FirstQuadrant(b, a, y, x);
    q = {t.y(), t.x()};
  }
  return {sx * q.x(), sy * q.y()};
}

}  // namespace connectors
