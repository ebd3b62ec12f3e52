#include "ElbowChains.h"

#include <algorithm>
#include <cstdlib>

#include "ConnectorGeometry.h"
#include "Outline.h"

namespace connectors {

namespace {
// A rectangle wholly enclosing another closed shape: a container or a lane, whose inside holds
// the joints of the connectors between its shapes rather than their ends.
bool Encloses(const Figure& frame, FigureId self, const FigureQuery& query) {
  if (frame.kind != FigureKind::Box) return false;
  std::vector<Figure> inside;
  query(frame.box, inside);
  return std::any_of(inside.begin(), inside.end(), [&](const Figure& f) {
    return f.id != frame.id && f.id != self && IsClosed(f.kind) && frame.box.contains(f.box) && f.box != frame.box;
  });
}
}  // namespace

std::optional<Figure> OwnerNear(QPoint p, const FigureQuery& query, FigureId self) {
  const double reach = kAttachReach;
  const int r = kAttachReach + 1;
  std::vector<Figure> near;
  query(QRect(p.x() - r, p.y() - r, 2 * r + 1, 2 * r + 1), near);
  std::optional<Figure> best;
  bool bestDeep = false;
  for (const Figure& f : near) {
    if (f.id == self || !IsClosed(f.kind) || !IsAttached(f.kind, f.box, p, reach)) continue;
    const bool deep = Contains(f.kind, f.box, p) && DistanceToOutline(f.kind, f.box, p) > reach;
    if (deep && Encloses(f, self, query)) continue;
    if (!best || (!deep && bestDeep) || (deep == bestDeep && f.stacking > best->stacking)) {
      best = f;
      bestDeep = deep;
    }
  }
  return best;
}

Side NearestSide(const Figure& shape, QPoint p) {
  Side nearest = Side::Top;
  int64_t best = -1;
  for (Side side : kSides) {
    const QPoint d = AttachPoint(shape.kind, shape.box, side).point - p;
    const int64_t distance = int64_t{d.x()} * d.x() + int64_t{d.y()} * d.y();
    if (best < 0 || distance < best) {
      best = distance;
      nearest = side;
    }
  }
  return nearest;
}

namespace {

// The joint rule the meaning module uses (ConnectorGeometry.h): one rule for what a connector is.
bool Near(QPoint a, QPoint b) { return JointsMeet(a, b); }

// The end of the segment other than the one at (or near) p.
QPoint OtherEnd(const Figure& f, QPoint p) {
  const Ends e = EndsOf(f);
  return e.start == p || (e.end != p && Near(e.start, p)) ? e.end : e.start;
}

bool HasEnd(const Figure& f, QPoint p) {
  const Ends e = EndsOf(f);
  return Near(e.start, p) || Near(e.end, p);
}

// The arrow's head lies on p, and only there.
bool HeadOn(const Figure& arrow, QPoint p) {
  const Ends e = EndsOf(arrow);
  if (arrow.heads == apBoth || e.start == e.end) return false;
  return (arrow.heads == apLeft ? e.start : e.end) == p;
}

}  // namespace

std::optional<ElbowChain> TraceChain(const Figure& first, QPoint attached, const FigureQuery& query) {
  if (!IsConnector(first.kind) || !HasEnd(first, attached)) return std::nullopt;
  const std::optional<Figure> start = OwnerNear(attached, query);
  if (!start) return std::nullopt;
  ElbowChain chain;
  chain.segments.push_back(first);
  QPoint at = OtherEnd(first, attached);
  std::vector<Figure> near;
  for (;;) {
    if (static_cast<int>(chain.segments.size()) > kMaxChain) return std::nullopt;
    // An end on a shape ends the chain, whatever else meets there (arrows entering one point).
    if (const std::optional<Figure> end = OwnerNear(at, query)) {
      if (chain.segments.size() < 2 || end->id == start->id) return std::nullopt;
      chain.source = *start;
      chain.target = *end;
      // One arrow, at an end of the chain, heading into that end's shape.
      const auto arrows = std::count_if(chain.segments.begin(), chain.segments.end(),
                                        [](const Figure& s) { return s.kind == FigureKind::Arrow; });
      if (arrows != 1) return std::nullopt;
      const Figure& last = chain.segments.back();
      if (last.kind == FigureKind::Arrow && HeadOn(last, at)) return chain;
      if (first.kind == FigureKind::Arrow && HeadOn(first, attached)) {
        std::reverse(chain.segments.begin(), chain.segments.end());
        std::swap(chain.source, chain.target);
        return chain;
      }
      return std::nullopt;
    }
    near.clear();
    query(QRect(at.x() - kJointReach, at.y() - kJointReach, 2 * kJointReach + 1, 2 * kJointReach + 1), near);
    const Figure* next = nullptr;
    int count = 0;
    for (const Figure& f : near) {
      if (!IsConnector(f.kind) || !HasEnd(f, at)) continue;
      const bool inChain = std::any_of(chain.segments.begin(), chain.segments.end(),
                                       [&](const Figure& s) { return s.id == f.id; });
      if (inChain) continue;
      ++count;
      next = &f;
    }
    // A loose end, or a fork: no chain.
    if (count != 1) return std::nullopt;
    chain.segments.push_back(*next);
    at = OtherEnd(*next, at);
  }
}

}  // namespace connectors
