#include "ShapeGeometry.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace geom {

int Nearest(double v) {
  if (!std::isfinite(v)) return 0;
  // Beyond any drawable coordinate; clamped so the conversion stays defined.
  constexpr double kLimit = 1 << 28;
  v = std::clamp(v, -kLimit, kLimit);
  return static_cast<int>(std::nearbyint(v));
}

int MarkRadius(int w, int h) {
  int cx = w / 2, cy = h / 2;
  return w < h ? cx - 2 : cy - 2;
}

Box MarkCircle(int w, int h) {
  int cx = w / 2, cy = h / 2, r = MarkRadius(w, h);
  return {cx - r, cy - r, cx + r, cy + r};
}

Box MarkOutline(int w, int h) {
  int cx = w / 2, cy = h / 2, r = MarkRadius(w, h);
  return {cx - r - 1, cy - r - 1, cx + r + 2, cy + r + 2};
}

Box EndInnerCircle(int w, int h) {
  int cx = w / 2, cy = h / 2, r = MarkRadius(w, h);
  return {cx - r + 3, cy - r + 3, cx + r - 3, cy + r - 3};
}

RoundBox ProcessShape(int w, int h) { return {{0, 0, w, h}, w / 2, h / 2}; }

RoundBox ProcessOutline(int w, int h) { return {{0, 0, w + 1, h + 1}, w / 2 - 2, h / 2 - 2}; }

Box EllipseOutline(int w, int h) { return {-1, -1, w + 2, h + 2}; }

std::array<QPoint, 5> DiamondPoints(int w, int h) {
  int cx = w / 2, cy = h / 2;
  return {QPoint(cx, 0), QPoint(w, cy), QPoint(cx, h), QPoint(0, cy), QPoint(cx, 0)};
}

std::array<QPoint, 5> DiamondOutline(int w, int h) {
  int cx = w / 2, cy = h / 2;
  return {QPoint(cx, -1), QPoint(w + 1, cy), QPoint(cx, h + 1), QPoint(-1, cy), QPoint(cx, -1)};
}

namespace {
bool IsHorizontal(TArrowDirection d) { return d == adTopToTop || d == adBottomToBottom; }
bool IsVertical(TArrowDirection d) { return d == adLeftToLeft || d == adRightToRight; }
}  // namespace

Segment LineSegment(TArrowDirection o, int w, int h) {
  int cx = w / 2, cy = h / 2;
  if (IsHorizontal(o)) return {{0, cy}, {w, cy}};
  if (IsVertical(o)) return {{cx, 0}, {cx, h}};
  if (o == adBottomToTop) return {{0, h}, {w, 0}};
  return {{0, 0}, {w, h}};
}

std::array<QPoint, 4> LineBand(TArrowDirection o, int w, int h) {
  int cx = w / 2, cy = h / 2;
  if (IsHorizontal(o)) return {QPoint(0, cy - 1), QPoint(w, cy - 1), QPoint(w, cy + 1), QPoint(0, cy + 1)};
  if (IsVertical(o)) return {QPoint(cx - 1, 0), QPoint(cx - 1, h), QPoint(cx + 1, h), QPoint(cx + 1, 0)};
  if (o == adBottomToTop) return {QPoint(-1, h - 1), QPoint(w - 1, -1), QPoint(w + 1, 1), QPoint(1, h + 1)};
  return {QPoint(1, -1), QPoint(w + 1, h - 1), QPoint(w - 1, h + 1), QPoint(-1, 1)};
}

double DistanceToSegment(QPointF p, QPoint a, QPoint b) {
  const double dx = double(b.x()) - a.x(), dy = double(b.y()) - a.y();
  const double length2 = dx * dx + dy * dy;
  double t = length2 > 0 ? ((p.x() - a.x()) * dx + (p.y() - a.y()) * dy) / length2 : 0;
  t = std::clamp(t, 0.0, 1.0);
  return std::hypot(p.x() - (a.x() + t * dx), p.y() - (a.y() + t * dy));
}

double DistanceToCourse(TArrowDirection direction, int w, int h, QPointF p) {
  // An arrow's shaft runs where a line of the same direction runs.
  const Segment s = LineSegment(direction, w, h);
  return DistanceToSegment(p, s.from, s.to);
}

ShaftPoints ArrowShaft(TArrowDirection d, int x0, int y0, int w, int h) {
  QPoint o(x0, y0);
  QPoint s, e;
  switch (d) {
    case adTopToTop: s = {0, 0}; e = {w, 0}; break;
    case adBottomToTop: s = {0, h}; e = {w, 0}; break;
    case adBottomToBottom: s = {0, h}; e = {w, h}; break;
    case adLeftToLeft: s = {0, 0}; e = {0, h}; break;
    case adRightToRight: s = {w, 0}; e = {w, h}; break;
    case adTopToBottom:
    default: s = {0, 0}; e = {w, h}; break;
  }
  return {s + o, e + o, s + o, e + o};
}

ArrowHead CalcArrowHead(QPoint s, QPoint e, QPoint t, bool back, TArrowDirection direction,
                        int x0, int y0, int w, int h, const ArrowStyle& style) {
  const int cx = w / 2, cy = h / 2;
  if (IsHorizontal(direction)) {
    s.setY(y0 + cy); e.setY(y0 + cy); t.setY(y0 + cy);
  } else if (IsVertical(direction)) {
    s.setX(x0 + cx); e.setX(x0 + cx); t.setX(x0 + cx);
  }
  const int64_t sx = s.x(), sy = s.y(), ex = e.x(), ey = e.y();

  ArrowHead head;
  head.tip = t;
  head.shaftStart = s;
  head.shaftEnd = e;

  const double tw = static_cast<double>(int64_t{style.thicknessRate} * style.lineWidth);
  const double lh = style.headLengthRate * tw;
  if (tw == 0 || lh == 0 || !std::isfinite(tw)) {
    // No head width (line width 0): the head collapses onto its tip.
    head.corner1 = head.corner2 = head.base = t;
    return head;
  }
  const double r = std::sqrt(tw * tw / 4 + lh * lh);
  double theta = sx == ex ? M_PI / 2 : std::atan(static_cast<double>(ey - sy) / static_cast<double>(ex - sx));
  const double phi = std::atan(tw / lh / 2);
  if (back) theta -= M_PI;
  head.corner1 = t + QPoint(Nearest(r * std::cos(theta + phi)), Nearest(r * std::sin(theta + phi)));
  head.corner2 = t + QPoint(Nearest(r * std::cos(theta - phi)), Nearest(r * std::sin(theta - phi)));

  const __int128 u = head.corner1.x(), v = head.corner1.y();
  const __int128 wc = head.corner2.x(), z = head.corner2.y();
  if (sx != ex && sy != ey) {
    const __int128 n = (sx - ex) * (z * u - v * wc) - (ey * sx - sy * ex) * (u - wc);
    const __int128 d = (sy - ey) * (u - wc) - (sx - ex) * (v - z);
    if (d == 0) {
      // Both corners rounded onto one point: the base is that point.
      head.base = head.corner1;
    } else {
      const int hx = Nearest(static_cast<double>(static_cast<long double>(n) / static_cast<long double>(d)));
      const double slope = static_cast<double>(sy - ey) / static_cast<double>(sx - ex);
      const double offset = static_cast<double>(ey * sx - sy * ex) / static_cast<double>(sx - ex);
      head.base = QPoint(hx, Nearest(slope * hx + offset));
    }
  } else if (sx == ex) {
    head.base = QPoint(static_cast<int>(sx), head.corner1.y());
  } else {
    head.base = QPoint(head.corner1.x(), static_cast<int>(sy));
  }
  return head;
}

Segment ArrowShaftLine(QPoint s, QPoint e, int x0, int y0, int w, int h) {
  const int cx = w / 2, cy = h / 2;
  if (s.x() != e.x() && s.y() != e.y()) return {s, e};
  if (s.x() == e.x()) return {{x0 + cx, s.y()}, {x0 + cx, e.y()}};
  return {{s.x(), y0 + cy}, {e.x(), y0 + cy}};
}

std::array<QPoint, 11> ArrowOutline(TArrowDirection direction, TArrowPosition position, int w, int h,
                                    const ArrowStyle& style) {
  const int cx = w / 2, cy = h / 2;
  QPoint ps, pe;
  if (IsHorizontal(direction)) { ps = {0, cy}; pe = {w, cy}; }
  else if (IsVertical(direction)) { ps = {cx, 0}; pe = {cx, h}; }
  else if (direction == adBottomToTop) { ps = {0, h}; pe = {w, 0}; }
  else { ps = {0, 0}; pe = {w, h}; }

  std::array<QPoint, 11> pts;
  for (int i : {0, 1, 2, 3, 9, 10}) pts[i] = ps;
  for (int i = 4; i <= 8; ++i) pts[i] = pe;
  QPoint shaftStart = ps, shaftEnd = pe;

  const ShaftPoints shaft = ArrowShaft(direction, 0, 0, w, h);
  if (position == apLeft || position == apBoth) {
    ArrowHead a = CalcArrowHead(shaft.start, shaft.end, shaft.startTip, false, direction, 0, 0, w, h, style);
    pts[0] = a.corner1; pts[1] = a.tip; pts[2] = a.corner2; pts[3] = a.base; pts[9] = a.base;
    pts[10] = pts[0];
    shaftStart = a.shaftStart; shaftEnd = a.shaftEnd;
  }
  if (position == apRight || position == apBoth) {
    ArrowHead a = CalcArrowHead(shaft.start, shaft.end, shaft.endTip, true, direction, 0, 0, w, h, style);
    pts[5] = a.corner1; pts[6] = a.tip; pts[7] = a.corner2; pts[4] = a.base; pts[8] = a.base;
    pts[10] = pts[0];
    shaftStart = a.shaftStart; shaftEnd = a.shaftEnd;
  }

  // Widening: each vertex moves one pixel so that the band around the shaft has width.
  static const QPoint kFalling[11] = {{0, 1},  {0, 0}, {1, -1}, {1, 0},  {0, -1}, {0, -1},
                                      {0, 0},  {-1, 1}, {-1, 1}, {0, 1},  {1, 1}};
  static const QPoint kRising[11] = {{0, 1},  {0, 0}, {0, -1}, {1, 0},   {0, 1}, {-1, -1},
                                     {0, 0},  {0, 1}, {-1, -1}, {0, -1}, {1, 1}};
  static const QPoint kVertical[11] = {{-1, 1}, {0, -1}, {1, 1},  {1, 1},  {1, -1}, {1, -1},
                                       {0, 1},  {-1, -1}, {-1, -1}, {-1, 1}, {-1, 1}};
  static const QPoint kHorizontal[11] = {{1, 1},  {-1, 0}, {1, -1}, {1, -1}, {-1, -1}, {-1, -1},
                                         {1, 0},  {-1, 1}, {-1, 1}, {1, 1},  {1, 1}};
  const int sx = shaftStart.x(), sy = shaftStart.y(), ex = shaftEnd.x(), ey = shaftEnd.y();
  const QPoint* delta;
  if (sx != ex && sy != ey) {
    bool falling = (sx < ex && sy < ey) || (sx > ex && sy > ey);
    delta = falling ? kFalling : kRising;
  } else if (sx == ex && sy != ey) {
    delta = kVertical;
  } else {
    delta = kHorizontal;
  }
  for (int i = 0; i < 11; ++i) pts[i] += delta[i];
  return pts;
}

}  // namespace geom
