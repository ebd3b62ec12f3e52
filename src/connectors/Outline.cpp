#include "Outline.h"

#include <algorithm>
#include <cmath>

#include "EllipseNearest.h"
#include "ShapeGeometry.h"

namespace connectors {

namespace {

// A box with elliptic corners of radii rx, ry: a plain box with none, an ellipse or a circle when
// the corners meet.
struct Round {
  double l, t, r, b, rx, ry;
};

struct Diamond {
  std::array<QPointF, 4> v;
};

Round Normalised(double l, double t, double r, double b, double rx, double ry) {
  if (r < l) std::swap(l, r);
  if (b < t) std::swap(t, b);
  rx = std::min(std::abs(rx), (r - l) / 2);
  ry = std::min(std::abs(ry), (b - t) / 2);
  // A corner flat in one direction is no curve at all.
  if (rx == 0 || ry == 0) rx = ry = 0;
  return {l, t, r, b, rx, ry};
}

Round RoundOf(FigureKind kind, const QRect& box) {
  const double l = box.x(), t = box.y(), w = box.width(), h = box.height();
  switch (kind) {
    case FigureKind::RoundedBox: {
      const geom::RoundBox rb = geom::ProcessShape(box.width(), box.height());
      return Normalised(l, t, l + w, t + h, rb.cornerWidth / 2.0, rb.cornerHeight / 2.0);
    }
    case FigureKind::Ellipse: return Normalised(l, t, l + w, t + h, w / 2, h / 2);
    case FigureKind::Circle: {
      const geom::Box c = geom::MarkCircle(box.width(), box.height());
      const double r = std::abs(geom::MarkRadius(box.width(), box.height()));
      return Normalised(l + c.left, t + c.top, l + c.right, t + c.bottom, r, r);
    }
    default: return Normalised(l, t, l + w, t + h, 0, 0);
  }
}

Diamond DiamondOf(const QRect& box) {
  const auto p = geom::DiamondPoints(box.width(), box.height());
  Diamond d;
  for (int i = 0; i < 4; ++i) d.v[i] = QPointF(p[i] + box.topLeft());
  return d;
}

double Dist2(QPointF a, QPointF b) {
  const double dx = a.x() - b.x(), dy = a.y() - b.y();
  return dx * dx + dy * dy;
}

QPointF NearestOnSegment(QPointF a, QPointF b, QPointF p) {
  const QPointF d = b - a;
  const double len2 = d.x() * d.x() + d.y() * d.y();
  if (len2 == 0) return a;
  const double u = std::clamp(((p.x() - a.x()) * d.x() + (p.y() - a.y()) * d.y()) / len2, 0.0, 1.0);
  return a + u * d;
}

struct Best {
  QPointF point;
  double d2 = INFINITY;
  void Offer(QPointF q, QPointF p) {
    const double d = Dist2(q, p);
    if (d < d2) {
      d2 = d;
      point = q;
    }
  }
};

QPointF NearestOnRound(const Round& s, QPointF p) {
  const double ix0 = s.l + s.rx, ix1 = s.r - s.rx, iy0 = s.t + s.ry, iy1 = s.b - s.ry;
  Best best;
  best.Offer(NearestOnSegment({ix0, s.t}, {ix1, s.t}, p), p);
  best.Offer(NearestOnSegment({s.r, iy0}, {s.r, iy1}, p), p);
  best.Offer(NearestOnSegment({ix0, s.b}, {ix1, s.b}, p), p);
  best.Offer(NearestOnSegment({s.l, iy0}, {s.l, iy1}, p), p);
  if (s.rx > 0) {
    // Each corner arc, for points in its own quadrant; elsewhere the arc's nearest point is one of
    // its ends, which the sides hold.
    const struct { double cx, cy, sx, sy; } corners[4] = {
        {ix0, iy0, -1, -1}, {ix1, iy0, 1, -1}, {ix1, iy1, 1, 1}, {ix0, iy1, -1, 1}};
    for (const auto& c : corners) {
      const QPointF q((p.x() - c.cx) * c.sx, (p.y() - c.cy) * c.sy);
      if (q.x() < 0 || q.y() < 0) continue;
      const QPointF n = NearestOnEllipse(s.rx, s.ry, q);
      best.Offer({c.cx + c.sx * n.x(), c.cy + c.sy * n.y()}, p);
    }
  }
  return best.point;
}

bool RoundContains(const Round& s, QPointF p) {
  if (p.x() < s.l || p.x() > s.r || p.y() < s.t || p.y() > s.b) return false;
  if (s.rx == 0) return true;
  const double ix0 = s.l + s.rx, ix1 = s.r - s.rx, iy0 = s.t + s.ry, iy1 = s.b - s.ry;
  double dx = 0, dy = 0;
  if (p.x() < ix0) dx = ix0 - p.x();
  else if (p.x() > ix1) dx = p.x() - ix1;
  if (p.y() < iy0) dy = iy0 - p.y();
  else if (p.y() > iy1) dy = p.y() - iy1;
  if (dx == 0 || dy == 0) return true;
  const double u = dx / s.rx, v = dy / s.ry;
  return u * u + v * v <= 1;
}

QPointF NearestOnDiamond(const Diamond& d, QPointF p) {
  Best best;
  for (int i = 0; i < 4; ++i) best.Offer(NearestOnSegment(d.v[i], d.v[(i + 1) % 4], p), p);
  return best.point;
}

bool DiamondContains(const Diamond& d, QPointF p) {
  // Convex: inside when p is on the same side of every edge (or on one).
  bool negative = false, positive = false;
  for (int i = 0; i < 4; ++i) {
    const QPointF a = d.v[i], b = d.v[(i + 1) % 4];
    const double cross = (b.x() - a.x()) * (p.y() - a.y()) - (b.y() - a.y()) * (p.x() - a.x());
    if (cross < 0) negative = true;
    if (cross > 0) positive = true;
  }
  if (negative && positive) return false;
  if (negative || positive) return true;
  // A flat diamond: only its segments.
  return Dist2(NearestOnDiamond(d, p), p) == 0;
}

}  // namespace

QPointF NearestOnOutline(FigureKind kind, const QRect& box, QPointF p) {
  if (kind == FigureKind::Diamond) return NearestOnDiamond(DiamondOf(box), p);
  return NearestOnRound(RoundOf(kind, box), p);
}

double DistanceToOutline(FigureKind kind, const QRect& box, QPointF p) {
  return std::sqrt(Dist2(NearestOnOutline(kind, box, p), p));
}

bool Contains(FigureKind kind, const QRect& box, QPointF p) {
  if (kind == FigureKind::Diamond) return DiamondContains(DiamondOf(box), p);
  return RoundContains(RoundOf(kind, box), p);
}

bool IsAttached(FigureKind kind, const QRect& box, QPointF p, double reach) {
  // Cheap refusal first: every outline lies within the box.
  const double l = std::min(box.x(), box.x() + box.width()), r = std::max(box.x(), box.x() + box.width());
  const double t = std::min(box.y(), box.y() + box.height()), b = std::max(box.y(), box.y() + box.height());
  if (p.x() < l - reach || p.x() > r + reach || p.y() < t - reach || p.y() > b + reach) return false;
  if (Contains(kind, box, p)) return true;
  return Dist2(NearestOnOutline(kind, box, p), p) <= reach * reach;
}

std::array<QPoint, 8> BoxSnapPoints(FigureKind kind, const QRect& box) {
  const int l = box.x(), t = box.y(), w = box.width(), h = box.height();
  std::array<QPoint, 8> pts = {QPoint(l + w / 2, t),     QPoint(l + w, t + h / 2),
                               QPoint(l + w / 2, t + h), QPoint(l, t + h / 2),
                               QPoint(l, t),             QPoint(l + w, t),
                               QPoint(l + w, t + h),     QPoint(l, t + h)};
  if (kind == FigureKind::RoundedBox) {
    const Round s = RoundOf(kind, box);
    const double k = std::sqrt(0.5);
    const double ix0 = s.l + s.rx, ix1 = s.r - s.rx, iy0 = s.t + s.ry, iy1 = s.b - s.ry;
    const double ox = s.rx * k, oy = s.ry * k;
    pts[4] = QPoint(geom::Nearest(ix0 - ox), geom::Nearest(iy0 - oy));
    pts[5] = QPoint(geom::Nearest(ix1 + ox), geom::Nearest(iy0 - oy));
    pts[6] = QPoint(geom::Nearest(ix1 + ox), geom::Nearest(iy1 + oy));
    pts[7] = QPoint(geom::Nearest(ix0 - ox), geom::Nearest(iy1 + oy));
  }
  return pts;
}

bool BoxInside(const QRect& inner, const QRect& outer) {
  return outer.x() <= inner.x() && inner.x() + inner.width() <= outer.x() + outer.width() &&
         outer.y() <= inner.y() && inner.y() + inner.height() <= outer.y() + outer.height();
}

}  // namespace connectors
