#include "GridSnap.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace arrange {

namespace {
int64_t FloorDiv(int64_t n, int64_t d) {
  int64_t q = n / d;
  if ((n % d != 0) && ((n < 0) != (d < 0))) --q;
  return q;
}
}  // namespace

int SnapValue(int v, int grid) {
  if (grid <= 0) return v;
  // floor(v / grid + 1/2) in integers.
  return static_cast<int>(FloorDiv(2 * int64_t{v} + grid, 2 * int64_t{grid}) * grid);
}

int SnapValue(double v, int grid) {
  if (grid <= 0 || !std::isfinite(v)) return static_cast<int>(std::isfinite(v) ? std::floor(v) : 0);
  return static_cast<int>(std::floor(v / grid + 0.5)) * grid;
}

QPoint SnapPoint(QPoint p, int grid) { return {SnapValue(p.x(), grid), SnapValue(p.y(), grid)}; }

QPoint SnapPoint(QPointF p, int grid) { return {SnapValue(p.x(), grid), SnapValue(p.y(), grid)}; }

int GridDotSpacing(int grid, double zoom, int minScreenSpacing) {
  if (grid <= 0 || !(zoom > 0)) return grid;
  const double k = std::ceil(minScreenSpacing / (grid * zoom) - 1e-9);
  return grid * static_cast<int>(std::clamp(k, 1.0, 1e6));
}

int GridLineAtOrAfter(int v, int spacing) {
  if (spacing <= 0) return v;
  return static_cast<int>(-FloorDiv(-int64_t{v}, spacing) * spacing);
}

QPoint SnapMoveDelta(const QRect& start, QPoint delta, int grid) {
  return SnapPoint(start.topLeft() + delta, grid) - start.topLeft();
}

QRect SnapNewBox(QPoint press, QPoint release, int grid) {
  const QPoint a = SnapPoint(press, grid), b = SnapPoint(release, grid);
  const int l = std::min(a.x(), b.x()), t = std::min(a.y(), b.y());
  return QRect(l, t, std::max(a.x(), b.x()) - l, std::max(a.y(), b.y()) - t);
}

std::optional<Handle> HandleOfHitCode(int hitCode) {
  switch (hitCode) {
    case 10: return Handle::Left;
    case 11: return Handle::Right;
    case 12: return Handle::Top;
    case 13: return Handle::TopLeft;
    case 14: return Handle::TopRight;
    case 15: return Handle::Bottom;
    case 16: return Handle::BottomLeft;
    case 17: return Handle::BottomRight;
    default: return std::nullopt;
  }
}

namespace {

// The dragged low edge (left or top) of the span [low, high] on the grid, at least minimum
// below high.
int SnapLow(int low, int high, int grid, int minimum) {
  int v = SnapValue(low, grid);
  while (grid > 0 && high - v < minimum) v -= grid;
  return v;
}

int SnapHigh(int low, int high, int grid, int minimum) {
  int v = SnapValue(high, grid);
  while (grid > 0 && v - low < minimum) v += grid;
  return v;
}

}  // namespace

QRect SnapResize(const QRect& proposed, Handle handle, int grid, int minimumSize) {
  int left = proposed.x(), top = proposed.y();
  int right = left + proposed.width(), bottom = top + proposed.height();
  const bool l = handle == Handle::TopLeft || handle == Handle::Left || handle == Handle::BottomLeft;
  const bool r = handle == Handle::TopRight || handle == Handle::Right || handle == Handle::BottomRight;
  const bool t = handle == Handle::TopLeft || handle == Handle::Top || handle == Handle::TopRight;
  const bool b = handle == Handle::BottomLeft || handle == Handle::Bottom || handle == Handle::BottomRight;
  if (l) left = SnapLow(left, right, grid, minimumSize);
  if (r) right = SnapHigh(left, right, grid, minimumSize);
  if (t) top = SnapLow(top, bottom, grid, minimumSize);
  if (b) bottom = SnapHigh(top, bottom, grid, minimumSize);
  return QRect(left, top, right - left, bottom - top);
}

}  // namespace arrange
