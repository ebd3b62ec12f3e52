#include "Connector.h"

#include <algorithm>
#include <cmath>
#include <unordered_set>

#include "ConnectorGeometry.h"
#include "ForkChoice.h"

namespace semantics {

namespace {

constexpr int kReach = connectors::kAttachReach;

struct SegmentEnd {
  const Item* segment;
  int end;  // 0: the course's start, 1: its end
};

QPoint EndPoint(const Item& s, int end) {
  const connectors::Ends e = connectors::EndsOf(s.box, s.direction);
  return end == 0 ? e.start : e.end;
}

bool HeadAt(const Item& s, int end) {
  return s.kind == ItemKind::Arrow && (end == 0 ? connectors::HeadAtStart(s.heads) : connectors::HeadAtEnd(s.heads));
}

// What meets at one point: the segment ends at it (within the joint reach) and the shape an end there attaches to.
struct PointInfo {
  std::vector<SegmentEnd> ends;
  const Item* shape = nullptr;
  bool deep = false;  // the shape holds the point farther than reach from its outline
};

// The owner among the figures near p, as ShapeAtEnd describes.
void FindOwner(QPoint p, const std::vector<const Item*>& near, double reach, PointInfo& info) {
  for (const Item* f : near) {
    if (!IsShape(f->kind)) continue;
    const connectors::FigureKind k = FigureKindOf(f->kind);
    if (!connectors::IsAttached(k, f->box, p, reach)) continue;
    const bool deep = connectors::Contains(k, f->box, p) && connectors::DistanceToOutline(k, f->box, p) > reach;
    if (!info.shape || (!deep && info.deep) || (deep == info.deep && f->stacking > info.shape->stacking)) {
      info.shape = f;
      info.deep = deep;
    }
  }
}

std::vector<const Item*> Near(QPoint p, int pad, const ItemQuery& query) {
  std::vector<const Item*> near;
  query(QRect(p.x() - pad, p.y() - pad, 2 * pad, 2 * pad), near);
  // A query may answer an item twice; a doubled end would look like a branch.
  std::sort(near.begin(), near.end(), [](const Item* a, const Item* b) { return a->id < b->id; });
  near.erase(std::unique(near.begin(), near.end(), [](const Item* a, const Item* b) { return a->id == b->id; }),
             near.end());
  return near;
}

// Every segment end at p: those of `self` exactly at p (given, since an index may miss a zero-length box)
// and those of the segments near it.
PointInfo Examine(QPoint p, const Item& self, const ItemQuery& query) {
  PointInfo info;
  const std::vector<const Item*> near = Near(p, kReach + 1, query);
  for (int k = 0; k < 2; ++k)
    if (EndPoint(self, k) == p) info.ends.push_back({&self, k});
  // Ends exactly at p first; ends a few pixels off join only where none meets exactly, so that
  // connectors ending side by side stay apart.
  const size_t own = info.ends.size();
  for (const bool exact : {true, false}) {
    for (const Item* f : near) {
      if (!IsSegment(f->kind) || f->id == self.id) continue;
      for (int k = 0; k < 2; ++k) {
        const QPoint e = EndPoint(*f, k);
        if (exact ? e == p : e != p && connectors::JointsMeet(e, p)) info.ends.push_back({f, k});
      }
    }
    if (info.ends.size() > own) break;
  }
  FindOwner(p, near, kReach, info);
  return info;
}

// Segment ends at one point that may join: never two arrows, never at a head.
bool MayJoin(const Item& self, int end, const SegmentEnd& other) {
  if (other.segment->id == self.id) return false;  // a zero-length segment's two ends
  if (self.kind == ItemKind::Arrow && other.segment->kind == ItemKind::Arrow) return false;
  return !HeadAt(self, end) && !HeadAt(*other.segment, other.end);
}

struct Walk {
  std::vector<const Item*> segments;  // from the first segment outwards
  int outerEnd = 0;                   // the last segment's end that is free
  QPoint point;
  const Item* shape = nullptr;
  bool loop = false;
  bool cut = false;  // a search through a fork gave up on it: too long
};

// How deep forks are searched: a way through one fork may pass one more.
constexpr int kForkDepth = 2;

Walk WalkFrom(const Item& first, int end, const ItemQuery& query, int forks);

QPoint Away(const Item& s, int end, QPoint p) { return EndPoint(s, 1 - end) - p; }

bool Contains(const std::vector<const Item*>& segments, const Item* s) {
  return std::any_of(segments.begin(), segments.end(), [&](const Item* t) { return t->id == s->id; });
}

// At a fork, the way on that makes the chain a connector between two shapes (ForkChoice.h).
std::optional<SegmentEnd> ChooseWay(const Item& self, int end, QPoint p, const std::vector<SegmentEnd>& others,
                                    const ItemQuery& query, int forks, bool mutual = true) {
  if (forks <= 0) return std::nullopt;
  const Walk back = WalkFrom(self, 1 - end, query, forks - 1);
  std::vector<connectors::ForkWay> ways;
  for (const SegmentEnd& o : others) {
    connectors::ForkWay way{Away(*o.segment, o.end, p)};
    const Walk on = WalkFrom(*o.segment, 1 - o.end, query, forks - 1);
    if (!back.loop && !back.cut && !on.loop && !on.cut && back.shape && on.shape && !Contains(on.segments, &self) &&
        !Contains(back.segments, o.segment) && o.segment->id != self.id) {
      auto arrows = std::count_if(back.segments.begin(), back.segments.end(),
                                  [](const Item* s) { return s->kind == ItemKind::Arrow; }) +
                    std::count_if(on.segments.begin(), on.segments.end(),
                                  [](const Item* s) { return s->kind == ItemKind::Arrow; });
      arrows += (self.kind == ItemKind::Arrow) + (o.segment->kind == ItemKind::Arrow);
      way.makesConnector = arrows == 1;
    }
    ways.push_back(way);
  }
  const int chosen = connectors::ChooseAtFork(Away(self, end, p), ways);
  if (chosen < 0) return std::nullopt;
  const SegmentEnd way = others[static_cast<size_t>(chosen)];
  if (!mutual) return way;
  // The way must choose this end back, or a segment would be part of two connectors (a run
  // passing a stub's end: the stub would go on into the run's arrow).
  const QPoint q = EndPoint(*way.segment, way.end);
  const PointInfo there = Examine(q, *way.segment, query);
  std::vector<SegmentEnd> returning;
  for (const SegmentEnd& e : there.ends)
    if ((e.segment->id != way.segment->id || e.end != way.end) && MayJoin(*way.segment, way.end, e)) returning.push_back(e);
  const std::optional<SegmentEnd> answer = ChooseWay(*way.segment, way.end, q, returning, query, forks, false);
  if (!answer || answer->segment->id != self.id || answer->end != end) return std::nullopt;
  return way;
}

// The segment end joined to (self, end) at its point, or none: the point is a free end. Where
// more ends meet than two, the search of ChooseWay decides, `forks` deep.
std::optional<SegmentEnd> Partner(const Item& self, int end, QPoint p, const PointInfo& at, const ItemQuery& query,
                                  int forks) {
  if (at.ends.size() < 2 || (at.shape && !at.deep)) return std::nullopt;
  std::vector<SegmentEnd> others;
  for (const SegmentEnd& e : at.ends)
    if ((e.segment->id != self.id || e.end != end) && MayJoin(self, end, e)) others.push_back(e);
  if (at.ends.size() == 2) {
    if (others.empty()) return std::nullopt;
    return others.front();
  }
  if (others.empty()) return std::nullopt;
  return ChooseWay(self, end, p, others, query, forks);
}

// Follows joints from the segment's end `end` until a free end or back to the segment.
Walk WalkFrom(const Item& first, int end, const ItemQuery& query, int forks) {
  Walk w;
  const Item* cur = &first;
  int exit = end;
  for (;;) {
    const QPoint p = EndPoint(*cur, exit);
    const PointInfo at = Examine(p, *cur, query);
    const std::optional<SegmentEnd> next = Partner(*cur, exit, p, at, query, forks);
    if (!next) {
      w.outerEnd = exit;
      w.point = p;
      w.shape = at.shape;
      return w;
    }
    // With two ends at every joint a walk can only come back to where it began; through a
    // fork it may come back to any of its segments.
    if (next->segment->id == first.id || Contains(w.segments, next->segment)) {
      w.loop = true;
      return w;
    }
    w.segments.push_back(next->segment);
    if (forks < kForkDepth && static_cast<int>(w.segments.size()) > connectors::kForkSearchSegments) {
      w.cut = true;
      return w;
    }
    cur = next->segment;
    exit = 1 - next->end;
  }
}

}  // namespace

std::optional<Connector> ConnectorOf(const Item& segment, const ItemQuery& query) {
  if (!IsSegment(segment.kind)) return std::nullopt;
  const Walk forward = WalkFrom(segment, 1, query, kForkDepth);
  if (forward.loop) return std::nullopt;
  const Walk backward = WalkFrom(segment, 0, query, kForkDepth);

  Connector c;
  c.segments.reserve(backward.segments.size() + 1 + forward.segments.size());
  c.segments.assign(backward.segments.rbegin(), backward.segments.rend());
  c.segments.push_back(&segment);
  c.segments.insert(c.segments.end(), forward.segments.begin(), forward.segments.end());
  if (c.segments.size() > 1) {
    const auto arrows = std::count_if(c.segments.begin(), c.segments.end(),
                                      [](const Item* s) { return s->kind == ItemKind::Arrow; });
    if (arrows != 1) return std::nullopt;
  }
  const Item& first = *c.segments.front();
  const Item& last = *c.segments.back();
  c.start = backward.point;
  c.end = forward.point;
  c.startShape = backward.shape;
  c.endShape = forward.shape;
  c.headAtStart = HeadAt(first, backward.outerEnd);
  c.headAtEnd = HeadAt(last, forward.outerEnd);
  if (c.headAtStart && !c.headAtEnd) {
    std::reverse(c.segments.begin(), c.segments.end());
    std::swap(c.start, c.end);
    std::swap(c.startShape, c.endShape);
    std::swap(c.headAtStart, c.headAtEnd);
  }
  return c;
}

const Item* ShapeAtEnd(QPoint p, const ItemQuery& query, double reach) {
  PointInfo info;
  FindOwner(p, Near(p, static_cast<int>(std::ceil(reach)) + 1, query), reach, info);
  return info.shape;
}

void ForEachConnectorNear(std::span<const Item* const> shapes, const ItemQuery& query,
                          const std::function<void(const Connector&)>& visit) {
  std::unordered_set<uint64_t> seen;
  std::vector<const Item*> near;
  const int reach = connectors::kAttachReach + 1;
  for (const Item* shape : shapes) {
    if (!IsShape(shape->kind)) continue;
    near.clear();
    query(shape->box.adjusted(-reach, -reach, reach, reach), near);
    for (const Item* s : near) {
      if (!IsSegment(s->kind) || seen.count(s->id)) continue;
      const std::optional<Connector> c = ConnectorOf(*s, query);
      if (!c) {
        seen.insert(s->id);
        continue;
      }
      for (const Item* member : c->segments) seen.insert(member->id);
      visit(*c);
    }
  }
}

}  // namespace semantics
