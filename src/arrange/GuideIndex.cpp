#include "GuideIndex.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>

namespace arrange {

namespace {
// Left (top), centre, right (bottom) of a span.
std::array<int, 3> Values(int start, int size) { return {start, start + size / 2, start + size}; }
}  // namespace

std::vector<GuideIndex::Mark> GuideIndex::Merge(std::vector<Mark> marks) {
  std::sort(marks.begin(), marks.end(), [](const Mark& a, const Mark& b) { return a.value < b.value; });
  std::vector<Mark> out;
  for (const Mark& m : marks) {
    if (!out.empty() && out.back().value == m.value) {
      out.back().lo = std::min(out.back().lo, m.lo);
      out.back().hi = std::max(out.back().hi, m.hi);
    } else {
      out.push_back(m);
    }
  }
  return out;
}

GuideIndex::GuideIndex(const std::vector<QRect>& others) {
  std::vector<Mark> xs, ys;
  xs.reserve(others.size() * 3);
  ys.reserve(others.size() * 3);
  for (const QRect& r : others) {
    const int top = r.y(), bottom = r.y() + r.height(), left = r.x(), right = r.x() + r.width();
    for (int v : Values(r.x(), r.width())) xs.push_back({v, top, bottom});
    for (int v : Values(r.y(), r.height())) ys.push_back({v, left, right});
  }
  xs_ = Merge(std::move(xs));
  ys_ = Merge(std::move(ys));
}

const GuideIndex::Mark* GuideIndex::Nearest(const std::vector<Mark>& marks, int v, double tolerance) {
  auto it = std::lower_bound(marks.begin(), marks.end(), v, [](const Mark& m, int x) { return m.value < x; });
  const Mark* best = nullptr;
  // The one below first, so that an equally near smaller value wins.
  if (it != marks.begin()) best = &*std::prev(it);
  if (it != marks.end() && (!best || std::abs(int64_t{it->value} - v) < std::abs(int64_t{best->value} - v)))
    best = &*it;
  if (!best || std::abs(int64_t{best->value} - v) > tolerance) return nullptr;
  return best;
}

const GuideIndex::Mark* GuideIndex::Exact(const std::vector<Mark>& marks, int v) {
  auto it = std::lower_bound(marks.begin(), marks.end(), v, [](const Mark& m, int x) { return m.value < x; });
  return it != marks.end() && it->value == v ? &*it : nullptr;
}

GuideSnap GuideIndex::Snap(const QRect& moving, double tolerance) const {
  GuideSnap out;
  auto axisDelta = [&](const std::vector<Mark>& marks, int start, int size, bool& snapped) {
    int64_t bestDistance = -1;
    int delta = 0;
    for (int v : Values(start, size)) {
      const Mark* m = Nearest(marks, v, tolerance);
      if (!m) continue;
      const int64_t d = std::abs(int64_t{m->value} - v);
      if (bestDistance < 0 || d < bestDistance) {
        bestDistance = d;
        delta = m->value - v;
      }
    }
    snapped = bestDistance >= 0;
    return delta;
  };
  bool snapX = false, snapY = false;
  out.delta.setX(axisDelta(xs_, moving.x(), moving.width(), snapX));
  out.delta.setY(axisDelta(ys_, moving.y(), moving.height(), snapY));

  const QRect placed = moving.translated(out.delta);
  const int top = placed.y(), bottom = placed.y() + placed.height();
  const int left = placed.x(), right = placed.x() + placed.width();
  // A thin rectangle has equal values; each gets one line.
  auto distinct = [](const std::array<int, 3>& v, int i) { return i == 0 || v[i] != v[i - 1]; };
  if (snapX) {
    const auto values = Values(placed.x(), placed.width());
    for (int i = 0; i < 3; ++i)
      if (const Mark* m = distinct(values, i) ? Exact(xs_, values[i]) : nullptr)
        out.lines.push_back({GuideLine::Axis::Vertical, values[i], std::min(m->lo, top), std::max(m->hi, bottom)});
  }
  if (snapY) {
    const auto values = Values(placed.y(), placed.height());
    for (int i = 0; i < 3; ++i)
      if (const Mark* m = distinct(values, i) ? Exact(ys_, values[i]) : nullptr)
        out.lines.push_back({GuideLine::Axis::Horizontal, values[i], std::min(m->lo, left), std::max(m->hi, right)});
  }
  return out;
}

}  // namespace arrange
