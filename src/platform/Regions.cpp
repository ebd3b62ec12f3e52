#include "Regions.h"

#include <QPolygon>

#include "Limits.h"
#include <algorithm>
#include <cmath>

namespace regions {

namespace {
// Half-width of an ellipse of semi-axes a, b at vertical distance dy from its centre.
double HalfWidth(double a, double b, double dy) {
  if (b <= 0) return 0;
  double t = 1.0 - (dy * dy) / (b * b);
  return t <= 0 ? 0 : a * std::sqrt(t);
}

// A region made of one horizontal span per row, built in one go.
QRegion FromSpans(int top, const std::vector<std::pair<int, int>>& spans) {
  std::vector<QRect> rects;
  rects.reserve(spans.size());
  for (size_t i = 0; i < spans.size(); ++i) {
    auto [l, r] = spans[i];
    if (r > l) rects.emplace_back(l, top + static_cast<int>(i), r - l, 1);
  }
  QRegion region;
  region.setRects(rects.data(), static_cast<int>(rects.size()));
  return region;
}
}  // namespace

QRegion CreateRectRgn(int left, int top, int right, int bottom) {
  if (right < left) std::swap(left, right);
  if (bottom < top) std::swap(top, bottom);
  return QRegion(left, top, right - left, bottom - top);
}

QRegion CreateEllipticRgn(int left, int top, int right, int bottom) {
  return CreateRoundRectRgn(left, top, right, bottom, right - left, bottom - top);
}

QRegion CreateRoundRectRgn(int left, int top, int right, int bottom, int w, int h) {
  if (right < left) std::swap(left, right);
  if (bottom < top) std::swap(top, bottom);
  int width = right - left, height = bottom - top;
  if (width <= 0 || height <= 0) return QRegion();
  w = std::clamp(std::abs(w), 0, width);
  h = std::clamp(std::abs(h), 0, height);
  if (w < 2 || h < 2) return QRegion(left, top, width, height);
  double a = w / 2.0, b = h / 2.0;
  std::vector<std::pair<int, int>> spans(height);
  for (int row = 0; row < height; ++row) {
    double y = row + 0.5;  // pixel centre
    double inset = 0;
    if (y < b) inset = a - HalfWidth(a, b, b - y);
    else if (y > height - b) inset = a - HalfWidth(a, b, y - (height - b));
    int in = static_cast<int>(std::lround(inset));
    spans[row] = {left + in, right - in};
  }
  return FromSpans(top, spans);
}

namespace {
// Filling a polygon costs time and memory in proportion to its height, so outlines reaching far
// beyond their control (arrow heads from hostile records, thousands of times the line width) are
// first clipped to the control's box with a margin; inside the box the region is unchanged.
constexpr int kClipMargin = 1024;

// One Sutherland-Hodgman pass against an axis-parallel edge; keeps the winding of every point on
// the kept side.
template <typename Inside, typename Cross>
std::vector<QPointF> ClipEdge(const std::vector<QPointF>& in, Inside inside, Cross cross) {
  std::vector<QPointF> out;
  for (size_t i = 0; i < in.size(); ++i) {
    const QPointF& a = in[i];
    const QPointF& b = in[(i + 1) % in.size()];
    if (inside(a)) {
      out.push_back(a);
      if (!inside(b)) out.push_back(cross(a, b));
    } else if (inside(b)) {
      out.push_back(cross(a, b));
    }
  }
  return out;
}

std::vector<QPoint> ClipTo(const std::vector<QPoint>& points, const QRect& r) {
  std::vector<QPointF> p(points.begin(), points.end());
  auto atX = [](double x) {
    return [x](const QPointF& a, const QPointF& b) {
      return QPointF(x, a.y() + (b.y() - a.y()) * (x - a.x()) / (b.x() - a.x()));
    };
  };
  auto atY = [](double y) {
    return [y](const QPointF& a, const QPointF& b) {
      return QPointF(a.x() + (b.x() - a.x()) * (y - a.y()) / (b.y() - a.y()), y);
    };
  };
  const double left = r.left(), right = r.right(), top = r.top(), bottom = r.bottom();
  p = ClipEdge(p, [&](const QPointF& q) { return q.x() >= left; }, atX(left));
  p = ClipEdge(p, [&](const QPointF& q) { return q.x() <= right; }, atX(right));
  p = ClipEdge(p, [&](const QPointF& q) { return q.y() >= top; }, atY(top));
  p = ClipEdge(p, [&](const QPointF& q) { return q.y() <= bottom; }, atY(bottom));
  std::vector<QPoint> out;
  out.reserve(p.size());
  for (const QPointF& q : p) out.push_back(q.toPoint());
  return out;
}
}  // namespace

QRegion CreatePolygonRgn(const std::vector<QPoint>& input) {
  return CreatePolygonRgn(input, QRect(0, 0, limits::kMaxExtent, limits::kMaxExtent));
}

QRegion CreatePolygonRgn(const std::vector<QPoint>& input, const QRect& box) {
  if (input.size() < 3) return QRegion();
  const QRect clip = box.adjusted(-kClipMargin, -kClipMargin, kClipMargin, kClipMargin);
  const bool beyond =
      std::any_of(input.begin(), input.end(), [&](const QPoint& q) { return !clip.contains(q); });
  const std::vector<QPoint> points = beyond ? ClipTo(input, clip) : input;
  if (points.size() < 3) return QRegion();
  QPolygon polygon(static_cast<int>(points.size()));
  for (size_t i = 0; i < points.size(); ++i) polygon.setPoint(static_cast<int>(i), points[i]);
  return QRegion(polygon, Qt::WindingFill);
}

Outline Outline::Ellipse(int left, int top, int right, int bottom) {
  return RoundRect(left, top, right, bottom, right - left, bottom - top);
}

Outline Outline::RoundRect(int left, int top, int right, int bottom, int w, int h) {
  Outline o;
  o.kind = Kind::RoundRect;
  o.left = left;
  o.top = top;
  o.right = right;
  o.bottom = bottom;
  o.cornerWidth = w;
  o.cornerHeight = h;
  return o;
}

Outline Outline::Polygon(std::vector<QPoint> points, std::optional<QRect> box) {
  Outline o;
  o.kind = Kind::Polygon;
  o.points = std::move(points);
  o.box = box;
  return o;
}

QRegion Build(const Outline& o, double zoom, QPointF offset) {
  if (zoom == 1.0 && offset.isNull()) {
    if (o.kind == Outline::Kind::RoundRect)
      return CreateRoundRectRgn(o.left, o.top, o.right, o.bottom, o.cornerWidth, o.cornerHeight);
    return o.box ? CreatePolygonRgn(o.points, *o.box) : CreatePolygonRgn(o.points);
  }
  auto x = [&](int v) { return static_cast<int>(std::floor(v * zoom + offset.x())); };
  auto y = [&](int v) { return static_cast<int>(std::floor(v * zoom + offset.y())); };
  if (o.kind == Outline::Kind::RoundRect)
    return CreateRoundRectRgn(x(o.left), y(o.top), x(o.right), y(o.bottom),
                              static_cast<int>(std::lround(o.cornerWidth * zoom)),
                              static_cast<int>(std::lround(o.cornerHeight * zoom)));
  std::vector<QPoint> scaled;
  scaled.reserve(o.points.size());
  for (const QPoint& p : o.points)
    scaled.emplace_back(static_cast<int>(std::lround(p.x() * zoom + offset.x())),
                        static_cast<int>(std::lround(p.y() * zoom + offset.y())));
  if (!o.box) return CreatePolygonRgn(scaled);
  const QRect b = *o.box;
  return CreatePolygonRgn(scaled, QRect(QPoint(x(b.left()), y(b.top())), QPoint(x(b.right()), y(b.bottom()))));
}

}  // namespace regions
