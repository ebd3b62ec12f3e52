#include "SidePoints.h"

#include <algorithm>
#include <cmath>

#include "ShapeGeometry.h"

namespace connectors {

Side Opposite(Side side) {
  switch (side) {
    case Side::Top: return Side::Bottom;
    case Side::Right: return Side::Left;
    case Side::Bottom: return Side::Top;
    case Side::Left: break;
  }
  return Side::Right;
}

QPoint Outward(Side side) {
  switch (side) {
    case Side::Top: return {0, -1};
    case Side::Right: return {1, 0};
    case Side::Bottom: return {0, 1};
    case Side::Left: break;
  }
  return {-1, 0};
}

namespace {

// The circle a start or end mark draws, in canvas pixels: centre and radius.
struct Circle {
  int cx, cy, r;
};
Circle MarkOf(const QRect& box) {
  const int w = box.width(), h = box.height();
  return {box.x() + w / 2, box.y() + h / 2, geom::MarkRadius(w, h)};
}

}  // namespace

SidePoint AttachPoint(FigureKind kind, const QRect& box, Side side) {
  const int l = box.x(), t = box.y(), w = box.width(), h = box.height();
  QPoint p;
  if (kind == FigureKind::Circle) {
    const Circle c = MarkOf(box);
    switch (side) {
      case Side::Top: p = {c.cx, c.cy - c.r}; break;
      case Side::Right: p = {c.cx + c.r, c.cy}; break;
      case Side::Bottom: p = {c.cx, c.cy + c.r}; break;
      case Side::Left: p = {c.cx - c.r, c.cy}; break;
    }
  } else {
    // Box and rounded box side midpoints, the ellipse's extremes and the diamond's vertices are
    // the same points: the rounded box's corners end before the midpoints.
    switch (side) {
      case Side::Top: p = {l + w / 2, t}; break;
      case Side::Right: p = {l + w, t + h / 2}; break;
      case Side::Bottom: p = {l + w / 2, t + h}; break;
      case Side::Left: p = {l, t + h / 2}; break;
    }
  }
  return {p, Outward(side)};
}

std::pair<int, int> OutlineExtent(FigureKind kind, const QRect& box, bool vertical) {
  if (kind == FigureKind::Circle) {
    const Circle c = MarkOf(box);
    return vertical ? std::pair{c.cy - c.r, c.cy + c.r} : std::pair{c.cx - c.r, c.cx + c.r};
  }
  return vertical ? std::pair{box.y(), box.y() + box.height()} : std::pair{box.x(), box.x() + box.width()};
}

std::optional<Side> SideTowards(FigureKind kind, const QRect& box, QPoint p) {
  const auto [left, right] = OutlineExtent(kind, box, false);
  const auto [top, bottom] = OutlineExtent(kind, box, true);
  // How far p lies inside each side (negative: beyond it), and the band of the side's quarter.
  const int64_t inside[4] = {int64_t{p.y()} - top, int64_t{right} - p.x(), int64_t{bottom} - p.y(),
                             int64_t{p.x()} - left};
  const int64_t quarterAcross = (int64_t{bottom} - top) / 4, quarterAlong = (int64_t{right} - left) / 4;
  std::optional<Side> best;
  for (Side side : kSides) {
    const int64_t d = inside[static_cast<int>(side)];
    if (d > (IsHorizontal(side) ? quarterAlong : quarterAcross)) continue;
    if (!best || d < inside[static_cast<int>(*best)]) best = side;
  }
  return best;
}

std::pair<double, double> OutlineSpanAt(FigureKind kind, const QRect& box, bool row, int at) {
  // Worked along the row; a column is the same with the axes swapped.
  const double lo = row ? box.x() : box.y(), size = row ? box.width() : box.height();
  const double across0 = row ? box.y() : box.x(), across = row ? box.height() : box.width();
  const double v = at;
  switch (kind) {
    case FigureKind::Circle: {
      const Circle c = MarkOf(box);
      const double centre = row ? c.cx : c.cy, d = v - (row ? c.cy : c.cx);
      const double half = std::sqrt(std::max(0.0, double(c.r) * c.r - d * d));
      return {centre - half, centre + half};
    }
    case FigureKind::Ellipse: {
      const double a = size / 2, b = across / 2, u = b > 0 ? (v - across0 - b) / b : 0;
      const double half = a * std::sqrt(std::max(0.0, 1 - u * u));
      return {lo + a - half, lo + a + half};
    }
    case FigureKind::RoundedBox: {
      // Corner ellipses half the box wide and high: radii a quarter of each side.
      const geom::RoundBox rb = geom::ProcessShape(box.width(), box.height());
      const double r = (row ? rb.cornerWidth : rb.cornerHeight) / 2.0;
      const double rAcross = (row ? rb.cornerHeight : rb.cornerWidth) / 2.0;
      const double into = std::max({0.0, across0 + rAcross - v, v - (across0 + across - rAcross)});
      if (into == 0 || rAcross <= 0) return {lo, lo + size};
      const double u = std::min(1.0, into / rAcross);
      const double inset = r * (1 - std::sqrt(1 - u * u));
      return {lo + inset, lo + size - inset};
    }
    case FigureKind::Diamond: {
      // Vertices at the rounded-down middles, as the diamond draws them.
      const int mid = (row ? box.width() : box.height()) / 2, midAcross = (row ? box.height() : box.width()) / 2;
      const double rel = v - across0;
      double f;  // 1 at the middle vertex row, 0 at the tips
      if (rel <= midAcross) f = midAcross > 0 ? rel / midAcross : 1;
      else f = across - midAcross > 0 ? (across - rel) / (across - midAcross) : 1;
      f = std::clamp(f, 0.0, 1.0);
      return {lo + mid - mid * f, lo + mid + (size - mid) * f};
    }
    default: return {lo, lo + size};
  }
}

}  // namespace connectors
