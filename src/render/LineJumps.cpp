#include "LineJumps.h"

#include <algorithm>
#include <cstdlib>

namespace render {

namespace {

struct Span {
  int at;       // the run's y (horizontal) or x (vertical)
  int lo, hi;   // its extent along
  const JumpRun* run;
};

// Strictly inside by more than the margin.
bool Inside(int v, int lo, int hi, int margin) { return v - lo > margin && hi - v > margin; }

}  // namespace

std::vector<Hop> FindHops(std::span<const JumpRun> runs, int radius) {
  std::vector<Span> across, down;
  for (const JumpRun& r : runs) {
    if (r.from.y() == r.to.y() && r.from.x() != r.to.x())
      across.push_back({r.from.y(), std::min(r.from.x(), r.to.x()), std::max(r.from.x(), r.to.x()), &r});
    else if (r.from.x() == r.to.x() && r.from.y() != r.to.y())
      down.push_back({r.from.x(), std::min(r.from.y(), r.to.y()), std::max(r.from.y(), r.to.y()), &r});
  }
  // Vertical runs by x: each horizontal run meets only those within its extent.
  std::sort(down.begin(), down.end(), [](const Span& a, const Span& b) { return a.at < b.at; });
  std::vector<std::pair<const JumpRun*, Hop>> found;
  for (const Span& h : across) {
    auto it = std::upper_bound(down.begin(), down.end(), h.lo + radius, [](int x, const Span& s) { return x < s.at; });
    for (; it != down.end() && it->at < h.hi - radius; ++it) {
      const Span& v = *it;
      if (v.run->figure == h.run->figure || !Inside(h.at, v.lo, v.hi, radius)) continue;
      const bool hOver = h.run->stacking > v.run->stacking;
      const JumpRun* over = hOver ? h.run : v.run;
      found.push_back({over, Hop{QPoint(v.at, h.at), hOver, over->figure, (hOver ? v.run : h.run)->figure}});
    }
  }
  std::sort(found.begin(), found.end(), [](const auto& a, const auto& b) {
    if (a.first->stacking != b.first->stacking) return a.first->stacking < b.first->stacking;
    if (a.first != b.first) return a.first < b.first;
    return a.second.horizontal ? a.second.at.x() < b.second.at.x() : a.second.at.y() < b.second.at.y();
  });
  std::vector<Hop> hops;
  hops.reserve(found.size());
  for (const auto& f : found) hops.push_back(f.second);
  return hops;
}

HopShape ShapeOfHop(const Hop& hop, int penWidth, int radius) {
  const int half = std::max(1, penWidth) / 2 + 1;
  const int x = hop.at.x(), y = hop.at.y(), r = radius;
  HopShape shape;
  const QRectF circle(x - r, y - r, 2 * r, 2 * r);
  if (hop.horizontal) {
    shape.erase = QRect(QPoint(x - r, y - half), QPoint(x + r, y + half));
    shape.arc.moveTo(x - r, y);
    shape.arc.arcTo(circle, 180, -180);  // over the top, left to right
  } else {
    shape.erase = QRect(QPoint(x - half, y - r), QPoint(x + half, y + r));
    shape.arc.moveTo(x, y - r);
    shape.arc.arcTo(circle, 90, 180);  // round the left, top to bottom
  }
  return shape;
}

}  // namespace render
