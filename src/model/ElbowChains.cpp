#include "ElbowChains.h"

#include <algorithm>
#include <cstdlib>

#include "ConnectorGeometry.h"
#include "ForkChoice.h"
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

namespace {

struct Trace {
  const Figure& first;
  QPoint attached;
  Figure start;
  const FigureQuery& query;
  bool* forked;  // set when the trace chose a way at a fork
};

// The chain so far, from the shape it left to the point `at` of its last segment, traced on.
std::optional<ElbowChain> TraceOn(ElbowChain chain, QPoint at, const Trace& t) {
  std::vector<Figure> near;
  for (;;) {
    if (static_cast<int>(chain.segments.size()) > kMaxChain) return std::nullopt;
    // An end on a shape ends the chain, whatever else meets there (arrows entering one point).
    if (const std::optional<Figure> end = OwnerNear(at, t.query)) {
      if (chain.segments.size() < 2 || end->id == t.start.id) return std::nullopt;
      chain.source = t.start;
      chain.target = *end;
      // One arrow, at an end of the chain, heading into that end's shape.
      const auto arrows = std::count_if(chain.segments.begin(), chain.segments.end(),
                                        [](const Figure& s) { return s.kind == FigureKind::Arrow; });
      if (arrows != 1) return std::nullopt;
      const Figure& last = chain.segments.back();
      if (last.kind == FigureKind::Arrow && HeadOn(last, at)) return chain;
      if (t.first.kind == FigureKind::Arrow && HeadOn(t.first, t.attached)) {
        std::reverse(chain.segments.begin(), chain.segments.end());
        std::swap(chain.source, chain.target);
        return chain;
      }
      return std::nullopt;
    }
    near.clear();
    t.query(QRect(at.x() - kJointReach, at.y() - kJointReach, 2 * kJointReach + 1, 2 * kJointReach + 1), near);
    std::vector<const Figure*> ways;
    for (const Figure& f : near) {
      if (!IsConnector(f.kind) || !HasEnd(f, at)) continue;
      const bool inChain = std::any_of(chain.segments.begin(), chain.segments.end(),
                                       [&](const Figure& s) { return s.id == f.id; });
      const bool listed = std::any_of(ways.begin(), ways.end(), [&](const Figure* w) { return w->id == f.id; });
      if (!inChain && !listed) ways.push_back(&f);
    }
    if (ways.empty()) return std::nullopt;  // a loose end
    if (ways.size() == 1) {
      chain.segments.push_back(*ways.front());
      at = OtherEnd(*ways.front(), at);
      continue;
    }
    // A fork: each way traced to its end, and chosen by the rule the meaning module follows.
    std::vector<ForkWay> choices;
    std::vector<std::optional<ElbowChain>> traced;
    for (const Figure* w : ways) {
      ElbowChain on = chain;
      on.segments.push_back(*w);
      const QPoint far = OtherEnd(*w, at);
      traced.push_back(TraceOn(std::move(on), far, t));
      choices.push_back({far - at, traced.back().has_value()});
    }
    *t.forked = true;
    const int chosen = ChooseAtFork(OtherEnd(chain.segments.back(), at) - at, choices);
    if (chosen < 0) return std::nullopt;
    return traced[static_cast<size_t>(chosen)];
  }
}

std::optional<ElbowChain> TraceFrom(const Figure& first, QPoint attached, const FigureQuery& query, bool& forked) {
  if (!IsConnector(first.kind) || !HasEnd(first, attached)) return std::nullopt;
  const std::optional<Figure> start = OwnerNear(attached, query);
  if (!start) return std::nullopt;
  ElbowChain chain;
  chain.segments.push_back(first);
  return TraceOn(std::move(chain), OtherEnd(first, attached), Trace{first, attached, *start, query, &forked});
}

}  // namespace

std::optional<ElbowChain> TraceChain(const Figure& first, QPoint attached, const FigureQuery& query) {
  bool forked = false;
  std::optional<ElbowChain> chain = TraceFrom(first, attached, query, forked);
  if (!chain || !forked) return chain;
  // Through a fork, the chain traced back from its other shape must come out the same, or a
  // segment would be part of two chains (a run passing a stub's end).
  const bool fromSource = chain->segments.front().id == first.id;
  const Figure& other = fromSource ? chain->segments.back() : chain->segments.front();
  const FigureId otherShape = fromSource ? chain->target.id : chain->source.id;
  const Ends e = EndsOf(other);
  const std::optional<Figure> owner = OwnerNear(e.start, query);
  const QPoint otherEnd = owner && owner->id == otherShape ? e.start : e.end;
  bool again = false;
  const std::optional<ElbowChain> back = TraceFrom(other, otherEnd, query, again);
  if (!back || back->segments.size() != chain->segments.size() ||
      !std::equal(back->segments.begin(), back->segments.end(), chain->segments.begin(),
                  [](const Figure& a, const Figure& b) { return a.id == b.id; }))
    return std::nullopt;
  return chain;
}

}  // namespace connectors
