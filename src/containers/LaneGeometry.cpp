#include "LaneGeometry.h"

#include <algorithm>

#include "ContainerGeometry.h"

namespace containers {

namespace {
// Columns are worked out as rows with x and y swapped.
QRect Flip(const QRect& r) { return {r.y(), r.x(), r.height(), r.width()}; }
std::vector<QRect> AsRows(const std::vector<QRect>& lanes, bool rows) {
  if (rows) return lanes;
  std::vector<QRect> out;
  out.reserve(lanes.size());
  for (const QRect& r : lanes) out.push_back(Flip(r));
  return out;
}
std::vector<QRect> Back(std::vector<QRect> lanes, bool rows) { return AsRows(lanes, rows); }
int End(const QRect& r) { return r.y() + r.height(); }
}  // namespace

std::vector<QRect> NewPool(QPoint centre, int count, bool rows) {
  count = std::clamp(count, kMinLanes, kMaxLanes);
  const QPoint c = rows ? centre : QPoint(centre.y(), centre.x());
  std::vector<QRect> lanes;
  const int top = c.y() - count * kLaneBreadth / 2;
  for (int i = 0; i < count; ++i) lanes.emplace_back(c.x() - kLaneLength / 2, top + i * kLaneBreadth, kLaneLength, kLaneBreadth);
  return Back(std::move(lanes), rows);
}

std::vector<QRect> WithLaneAdded(const std::vector<QRect>& given, bool rows) {
  std::vector<QRect> lanes = AsRows(given, rows);
  if (lanes.empty()) return given;
  const QRect last = lanes.back();
  lanes.emplace_back(last.x(), End(last), last.width(), last.height());
  return Back(std::move(lanes), rows);
}

std::vector<QRect> WithLaneRemoved(const std::vector<QRect>& given, size_t index, bool rows) {
  std::vector<QRect> lanes = AsRows(given, rows);
  if (index >= lanes.size()) return given;
  const int gap = lanes[index].height();
  for (size_t i = index + 1; i < lanes.size(); ++i) lanes[i].translate(0, -gap);
  lanes.erase(lanes.begin() + static_cast<std::ptrdiff_t>(index));
  return Back(std::move(lanes), rows);
}

std::vector<QRect> Reordered(const std::vector<QRect>& given, size_t from, size_t to, bool rows) {
  std::vector<QRect> lanes = AsRows(given, rows);
  if (from >= lanes.size() || to >= lanes.size() || from == to) return given;
  std::vector<size_t> order(lanes.size());
  for (size_t i = 0; i < order.size(); ++i) order[i] = i;
  order.erase(order.begin() + static_cast<std::ptrdiff_t>(from));
  order.insert(order.begin() + static_cast<std::ptrdiff_t>(to), from);
  std::vector<QRect> out = lanes;
  int at = lanes.front().y();
  for (size_t lane : order) {
    out[lane].moveTop(at);
    at += lanes[lane].height();
  }
  return Back(std::move(out), rows);
}

std::vector<QRect> Resized(const std::vector<QRect>& given, size_t index, const QRect& givenBox, bool rows) {
  std::vector<QRect> lanes = AsRows(given, rows);
  if (index >= lanes.size()) return given;
  const QRect box = rows ? givenBox : Flip(givenBox);
  const int before = box.y() - lanes[index].y(), after = End(box) - End(lanes[index]);
  for (size_t i = 0; i < lanes.size(); ++i) {
    QRect& r = lanes[i];
    if (i == index) r = box;
    else r.translate(0, i < index ? before : after);
    r.setLeft(box.left());
    r.setWidth(box.width());
  }
  return Back(std::move(lanes), rows);
}

std::vector<QRect> Fitted(const std::vector<QRect>& lanes, size_t index, const QRect& shape, bool rows) {
  if (index >= lanes.size()) return lanes;
  const QRect lane = lanes[index];
  const QRect needed = shape.adjusted(-kMargin, -kMargin, kMargin, kMargin);
  if (lane.contains(shape)) return lanes;
  return Resized(lanes, index, lane.united(needed), rows);
}

QPoint ContentShift(const QRect& before, const QRect& after, bool rows) {
  if (rows) return before.height() == after.height() ? QPoint(0, after.y() - before.y()) : QPoint();
  return before.width() == after.width() ? QPoint(after.x() - before.x(), 0) : QPoint();
}

int LaneAt(const std::vector<QRect>& lanes, const QRect& box) {
  const QPoint c = box.center();
  for (size_t i = 0; i < lanes.size(); ++i)
    if (lanes[i].contains(c)) return static_cast<int>(i);
  return -1;
}

}  // namespace containers
