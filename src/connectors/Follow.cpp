#include "Follow.h"

#include <algorithm>
#include <cstdint>

#include "ConnectorGeometry.h"

namespace connectors {

namespace {

int64_t FloorDiv(int64_t n, int64_t d) {
  int64_t q = n / d;
  if ((n % d != 0) && ((n < 0) != (d < 0))) --q;
  return q;
}

// n / d (d > 0) to the nearer integer, halves down.
int64_t RoundHalfDown(int64_t n, int64_t d) { return -FloorDiv(d - 2 * n, 2 * d); }

// One axis of FollowPoint: position v on the span [start, start + size).
int FollowAxis(int v, int start, int size, int newStart, int newSize) {
  if (size == newSize) return v + newStart - start;
  if (size <= 0) return v - (start + size / 2) + (newStart + newSize / 2);
  const int c = std::clamp(v, start, start + size);
  const int64_t scaled = RoundHalfDown(int64_t{c - start} * newSize, size);
  return static_cast<int>(newStart + scaled + (v - c));
}

// One axis of FollowLabel, in half pixels so that odd sizes keep their centre exactly.
int FollowLabelAxis(int pos, int len, int start, int size, int newStart, int newSize) {
  if (size == newSize) return pos + newStart - start;
  if (size <= 0) return pos - (start + size / 2) + (newStart + newSize / 2);
  const int64_t centre2 = 2 * int64_t{pos} + len - 2 * int64_t{start};
  const int64_t newCentre2 = 2 * int64_t{newStart} + RoundHalfDown(centre2 * newSize, size);
  return static_cast<int>(FloorDiv(newCentre2 - len, 2));
}

Figure Moved(const Figure& f, QPoint delta) {
  Figure out = f;
  out.box.translate(delta);
  return out;
}

}  // namespace

QPoint FollowPoint(QPoint p, const QRect& from, const QRect& to) {
  return {FollowAxis(p.x(), from.x(), from.width(), to.x(), to.width()),
          FollowAxis(p.y(), from.y(), from.height(), to.y(), to.height())};
}

QRect FollowLabel(const QRect& label, const QRect& from, const QRect& to) {
  return QRect(FollowLabelAxis(label.x(), label.width(), from.x(), from.width(), to.x(), to.width()),
               FollowLabelAxis(label.y(), label.height(), from.y(), from.height(), to.y(), to.height()),
               label.width(), label.height());
}

Followers FollowMove(const Attachments& a, QPoint delta) {
  Followers out;
  out.connectors.reserve(a.connectors.size());
  for (const ConnectorLink& link : a.connectors) {
    if (link.start && link.end) {
      out.connectors.push_back(Moved(link.connector, delta));
      continue;
    }
    const Ends e = EndsOf(link.connector);
    out.connectors.push_back(Rebuild(link.connector, link.start ? e.start + delta : e.start,
                                     link.end ? e.end + delta : e.end));
  }
  out.labels.reserve(a.labels.size());
  for (const LabelLink& link : a.labels) out.labels.push_back(Moved(link.label, delta));
  return out;
}

Followers Follow(const Attachments& a, const std::function<QRect(FigureId)>& boxNow) {
  Followers out;
  out.connectors.reserve(a.connectors.size());
  auto follow = [&](QPoint p, const Anchor& anchor) {
    return anchor ? FollowPoint(p, anchor.box, boxNow(anchor.figure)) : p;
  };
  for (const ConnectorLink& link : a.connectors) {
    const Ends e = EndsOf(link.connector);
    const QPoint s = follow(e.start, link.start), t = follow(e.end, link.end);
    if (s - e.start == t - e.end) out.connectors.push_back(Moved(link.connector, s - e.start));
    else out.connectors.push_back(Rebuild(link.connector, s, t));
  }
  out.labels.reserve(a.labels.size());
  for (const LabelLink& link : a.labels) {
    Figure f = link.label;
    f.box = FollowLabel(link.label.box, link.anchor.box, boxNow(link.anchor.figure));
    out.labels.push_back(f);
  }
  return out;
}

}  // namespace connectors
