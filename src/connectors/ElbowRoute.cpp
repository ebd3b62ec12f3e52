#include "ElbowRoute.h"

#include <QRect>
#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <tuple>
#include <vector>

namespace connectors {

namespace {

constexpr int kBendCost = 40;
// How far around the two boxes the first and the second look for obstacles reach.
constexpr int kNear = 3 * kElbowStub;
constexpr int kFar = 15 * kElbowStub;

// Edges as coordinates (right = Left + Width); a route crosses the open interior or keeps clear.
struct Rect {
  int l, t, r, b;
};

Rect EdgesOf(const QRect& box, int margin) {
  const int x0 = box.x(), x1 = box.x() + box.width(), y0 = box.y(), y1 = box.y() + box.height();
  return {std::min(x0, x1) - margin, std::min(y0, y1) - margin, std::max(x0, x1) + margin,
          std::max(y0, y1) + margin};
}

bool Crosses(QPoint a, QPoint b, const Rect& r) {
  return std::min(a.x(), b.x()) < r.r && std::max(a.x(), b.x()) > r.l && std::min(a.y(), b.y()) < r.b &&
         std::max(a.y(), b.y()) > r.t;
}

int Mid(int a, int b) { return static_cast<int>((int64_t{a} + b) >> 1); }

// The place halfway between the two boxes along an axis, or between the two side points where the
// boxes overlap on it.
int Ideal(int fromLo, int fromHi, int toLo, int toHi, int s, int t) {
  if (fromHi < toLo) return Mid(fromHi, toLo);
  if (toHi < fromLo) return Mid(toHi, fromLo);
  return Mid(s, t);
}

// One way of looking: what blocks, where routes may run, the coordinates their free runs try.
struct Search {
  Rect fromZone{}, toZone{};
  bool ownShapes = true;
  std::vector<Rect> blocks;
  std::optional<Rect> area;  // every point within, edges included
  std::vector<int> xs, ys;
  int idealX = 0, idealY = 0;
};

bool Inside(const Search& s, QPoint p) {
  return !s.area || (p.x() >= s.area->l && p.x() <= s.area->r && p.y() >= s.area->t && p.y() <= s.area->b);
}

// One run of a route; the first run leaves its own shape and the last enters its own.
bool RunClear(const Search& s, QPoint a, QPoint b, bool first, bool last) {
  if (s.ownShapes && !first && Crosses(a, b, s.fromZone)) return false;
  if (s.ownShapes && !last && Crosses(a, b, s.toZone)) return false;
  for (const Rect& r : s.blocks)
    if (Crosses(a, b, r)) return false;
  return true;
}

bool Clear(const Search& s, const QPoint* p, int n) {
  for (int i = 0; i < n; ++i)
    if (!Inside(s, p[i])) return false;
  for (int i = 0; i + 1 < n; ++i)
    if (!RunClear(s, p[i], p[i + 1], i == 0, i + 2 == n)) return false;
  return true;
}

int Length(const QPoint* p, int n) {
  int total = 0;
  for (int i = 0; i + 1 < n; ++i) total += std::abs(p[i + 1].x() - p[i].x()) + std::abs(p[i + 1].y() - p[i].y());
  return total;
}

int RunLength(QPoint a, QPoint b) { return std::abs(b.x() - a.x()) + std::abs(b.y() - a.y()); }

// The length, each bend as kBendCost more, and a run out of or into a side that turns before the
// stub as three times its shortfall more: a route hugs its shapes only where it must.
int64_t Cost(const QPoint* p, int n) {
  int64_t cost = Length(p, n) + int64_t{kBendCost} * (n - 2);
  if (n > 2) {
    cost += 3 * std::max(0, kElbowStub - RunLength(p[0], p[1]));
    cost += 3 * std::max(0, kElbowStub - RunLength(p[n - 2], p[n - 1]));
  }
  return cost;
}

struct Best {
  std::tuple<int64_t, int, int64_t> key{INT64_MAX, 0, 0};  // cost, side rank, distance from the middle
  std::array<QPoint, 5> points{};
  int n = 0;
  Side from = Side::Right, to = Side::Left;
  bool found() const { return n > 0; }
};

// One side pair: the side points, the outward steps and the tie rank of the pair.
struct Pair {
  Side from, to;
  QPoint s, t, ds, dt;
  int rank;
};

class Router {
 public:
  Router(const Search& search, Best& best) : s_(search), best_(best) {}

  void Try(const Pair& p) {
    pair_ = &p;
    const bool alongX = p.ds.x() != 0;
    const int sd = p.ds.x() + p.ds.y(), td = p.dt.x() + p.dt.y();
    const int sa = A(p.s, alongX), sb = B(p.s, alongX), ta = A(p.t, alongX), tb = B(p.t, alongX);
    const int manhattan = std::abs(p.t.x() - p.s.x()) + std::abs(p.t.y() - p.s.y());
    const std::vector<int>& as = alongX ? s_.xs : s_.ys;
    const std::vector<int>& bs = alongX ? s_.ys : s_.xs;
    const int idealA = alongX ? s_.idealX : s_.idealY, idealB = alongX ? s_.idealY : s_.idealX;
    const bool parallel = (p.dt.x() != 0) == alongX;
    if (parallel) {
      if (p.ds == -p.dt && sb == tb && (ta - sa) * sd > 0) Offer({p.s, p.t}, 0);
      if (sb == tb || !Worth(manhattan, 2)) return;
      // Out along the first side's axis to u, across, and in along the same axis.
      for (int u : as) {
        if ((u - sa) * sd < kElbowClearance || (ta - u) * -td < kElbowClearance) continue;
        Offer({p.s, P(u, sb, alongX), P(u, tb, alongX), p.t}, std::abs(int64_t{u} - idealA));
      }
      return;
    }
    if ((ta - sa) * sd >= kElbowClearance && (tb - sb) * -td >= kElbowClearance)
      Offer({p.s, P(ta, sb, alongX), p.t}, 0);
    if (!Worth(manhattan, 3)) return;
    // Out to u, across to v, along to above (beside) the target side, and in.
    std::vector<int> us, vs;
    for (int u : as) {
      if ((u - sa) * sd < kElbowClearance || u == ta) continue;
      const QPoint bend = P(u, sb, alongX);
      if (Inside(s_, bend) && RunClear(s_, p.s, bend, true, false)) us.push_back(u);
    }
    for (int v : bs) {
      if ((v - tb) * td < kElbowClearance || v == sb) continue;
      const QPoint bend = P(ta, v, alongX);
      if (Inside(s_, bend) && RunClear(s_, bend, p.t, false, true)) vs.push_back(v);
    }
    for (int u : us)
      for (int v : vs)
        Offer({p.s, P(u, sb, alongX), P(u, v, alongX), P(ta, v, alongX), p.t},
              std::abs(int64_t{u} - idealA) + std::abs(int64_t{v} - idealB));
  }

 private:
  static int A(QPoint q, bool alongX) { return alongX ? q.x() : q.y(); }
  static int B(QPoint q, bool alongX) { return alongX ? q.y() : q.x(); }
  static QPoint P(int a, int b, bool alongX) { return alongX ? QPoint(a, b) : QPoint(b, a); }

  // A route of this pair with that many bends could still beat the best so far.
  bool Worth(int manhattan, int bends) const {
    return !best_.found() || int64_t{manhattan} + int64_t{kBendCost} * bends <= std::get<0>(best_.key);
  }

  void Offer(std::initializer_list<QPoint> points, int64_t deviation) {
    const int n = static_cast<int>(points.size());
    std::array<QPoint, 5> p{};
    std::copy(points.begin(), points.end(), p.begin());
    const std::tuple<int64_t, int, int64_t> key{Cost(p.data(), n), pair_->rank, deviation};
    if (best_.found() && key >= best_.key) return;
    if (!Clear(s_, p.data(), n)) return;
    best_.key = key;
    best_.points = p;
    best_.n = n;
    best_.from = pair_->from;
    best_.to = pair_->to;
  }

  const Search& s_;
  Best& best_;
  const Pair* pair_ = nullptr;
};

bool SameFigure(const Figure& a, const Figure& b) {
  if (a.id || b.id) return a.id == b.id;
  return a.kind == b.kind && a.box == b.box;
}

// The coordinates a free run tries along one axis: out from the side points and the box edges
// by the stub and by the clearance, the middle between the boxes, and every block's edge.
std::vector<int> Coordinates(std::initializer_list<int> anchors, int ideal, const std::vector<Rect>& blocks, bool x) {
  std::vector<int> v;
  v.reserve(4 * anchors.size() + 1 + 2 * blocks.size());
  for (int c : anchors)
    for (int d : {-kElbowStub, -kElbowClearance, kElbowClearance, kElbowStub}) v.push_back(c + d);
  v.push_back(ideal);
  for (const Rect& r : blocks) {
    v.push_back(x ? r.l : r.t);
    v.push_back(x ? r.r : r.b);
  }
  std::sort(v.begin(), v.end());
  v.erase(std::unique(v.begin(), v.end()), v.end());
  return v;
}

}  // namespace

ElbowRoute RouteElbow(const Figure& from, const Figure& to, const FigureQuery& obstacles, ElbowSides preferred) {
  const Rect fb = EdgesOf(from.box, 0), tb = EdgesOf(to.box, 0);

  // Tie ranks: the sides facing each other across the larger gap first, then across the other.
  const int gapX = std::max(tb.l - fb.r, fb.l - tb.r), gapY = std::max(tb.t - fb.b, fb.t - tb.b);
  const Side facingX = int64_t{tb.l} + tb.r >= int64_t{fb.l} + fb.r ? Side::Right : Side::Left;
  const Side facingY = int64_t{tb.t} + tb.b >= int64_t{fb.t} + fb.b ? Side::Bottom : Side::Top;
  const Side primary = gapX > gapY ? facingX : facingY, secondary = gapX > gapY ? facingY : facingX;
  auto rank = [&](Side side, Side first, Side second) { return side == first ? 0 : side == second ? 1 : 2; };

  std::vector<Pair> all, wanted;
  for (Side sf : kSides)
    for (Side st : kSides) {
      const SidePoint a = AttachPoint(from.kind, from.box, sf), b = AttachPoint(to.kind, to.box, st);
      if (a.point == b.point) continue;
      const Pair p{sf, st, a.point, b.point, a.outward, b.outward,
                   2 * rank(sf, primary, secondary) + rank(st, Opposite(primary), Opposite(secondary))};
      all.push_back(p);
      if ((!preferred.from || *preferred.from == sf) && (!preferred.to || *preferred.to == st)) wanted.push_back(p);
    }
  const bool prefers = preferred.from || preferred.to;

  auto search = [&](const std::vector<Pair>& pairs, const Search& s) {
    Best best;
    Router router(s, best);
    for (const Pair& p : pairs) router.Try(p);
    return best;
  };
  const std::array<SidePoint, 4> fp = {AttachPoint(from.kind, from.box, Side::Top), AttachPoint(from.kind, from.box, Side::Right),
                                       AttachPoint(from.kind, from.box, Side::Bottom), AttachPoint(from.kind, from.box, Side::Left)};
  const std::array<SidePoint, 4> tp = {AttachPoint(to.kind, to.box, Side::Top), AttachPoint(to.kind, to.box, Side::Right),
                                       AttachPoint(to.kind, to.box, Side::Bottom), AttachPoint(to.kind, to.box, Side::Left)};
  auto prepare = [&](Search& s, const std::vector<Rect>& blocks) {
    s.blocks = blocks;
    s.idealX = Ideal(fb.l, fb.r, tb.l, tb.r, fp[0].point.x(), tp[0].point.x());
    s.idealY = Ideal(fb.t, fb.b, tb.t, tb.b, fp[3].point.y(), tp[3].point.y());
    s.xs = Coordinates({fp[1].point.x(), fp[3].point.x(), tp[1].point.x(), tp[3].point.x(), fb.l, fb.r, tb.l, tb.r},
                       s.idealX, blocks, true);
    s.ys = Coordinates({fp[0].point.y(), fp[2].point.y(), tp[0].point.y(), tp[2].point.y(), fb.t, fb.b, tb.t, tb.b},
                       s.idealY, blocks, false);
  };

  Search base;
  base.fromZone = EdgesOf(from.box, kElbowClearance);
  base.toZone = EdgesOf(to.box, kElbowClearance);

  // Obstacles around the two boxes, out to a reach: the routes may run only where every shape
  // near enough to block them was asked for.
  auto around = [&](int reach, Search& s) {
    const QRect span = from.box.united(to.box).adjusted(-reach, -reach, reach, reach);
    std::vector<Figure> found;
    obstacles(span.adjusted(-1, -1, 1, 1), found);
    std::vector<Rect> blocks;
    for (const Figure& f : found) {
      if (!IsClosed(f.kind) || SameFigure(f, from) || SameFigure(f, to)) continue;
      if (f.box.intersects(from.box) || f.box.intersects(to.box)) continue;
      blocks.push_back(EdgesOf(f.box, kElbowClearance));
    }
    s = base;
    prepare(s, blocks);
    s.area = EdgesOf(span, -kElbowClearance);
  };

  // The looks for obstacles, each asked for once at most.
  std::optional<Search> looks[2];
  auto look = [&](int i) -> const Search& {
    if (!looks[i]) around(i == 0 ? kNear : kFar, looks[i].emplace());
    return *looks[i];
  };

  Best best;
  bool clear = false, ownClear = true;
  if (obstacles) {
    for (const std::vector<Pair>* pairs : {&wanted, &all}) {
      if (pairs == &wanted && !prefers) continue;
      for (int i = 0; i < 2 && !best.found(); ++i) best = search(*pairs, look(i));
      if (best.found()) break;
    }
    clear = best.found();
  }
  if (!best.found()) {
    Search own = base;
    prepare(own, {});
    if (prefers) best = search(wanted, own);
    if (!best.found()) best = search(all, own);
    clear = !obstacles && best.found();
    if (!best.found()) {
      own.ownShapes = false;
      ownClear = false;
      best = search(all, own);
    }
  }

  ElbowRoute route;
  if (!best.found()) {
    // Only two shapes with every side point in common: nothing to route.
    const SidePoint a = AttachPoint(from.kind, from.box, primary);
    route.points = {a.point, a.point};
    route.from = primary;
    route.to = Opposite(primary);
    return route;
  }
  route.points.assign(best.points.begin(), best.points.begin() + best.n);
  route.from = best.from;
  route.to = best.to;
  route.clear = clear;
  route.ownClear = ownClear;
  return route;
}

}  // namespace connectors
