#include "OrthogonalRouter.h"

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <queue>
#include <tuple>

namespace routing {

namespace {

// A box as its four edges; a route may run along an edge but not through the open interior.
struct Box {
  int l, t, r, b;
};

Box EdgesOf(const QRect& q) {
  const int x0 = q.x(), x1 = q.x() + q.width(), y0 = q.y(), y1 = q.y() + q.height();
  return {std::min(x0, x1), std::min(y0, y1), std::max(x0, x1), std::max(y0, y1)};
}
Box Inflate(const Box& b, int m) { return {b.l - m, b.t - m, b.r + m, b.b + m}; }
QRect ToRect(const Box& b) { return QRect(b.l, b.t, b.r - b.l, b.b - b.t); }

// Directions of travel: 0 right, 1 down, 2 left, 3 up.
constexpr int kDx[4] = {1, 0, -1, 0}, kDy[4] = {0, 1, 0, -1};
int DirOf(Side s) {
  switch (s) {
    case Side::Right: return 0;
    case Side::Bottom: return 1;
    case Side::Left: return 2;
    case Side::Top: break;
  }
  return 3;
}

// Per node, about the edge to its right neighbour (H) and to the one below (V).
enum : uint8_t { kHBlock = 1, kVBlock = 2, kHSoft = 4, kVSoft = 8, kHRay = 16, kVRay = 32 };

// How many nodes a search may make before it gives up widening its window.
constexpr int64_t kMaxNodes = 600000;
constexpr int64_t kInf = INT64_MAX / 4;
constexpr int kSoftFactor = 3;

int UpperIndex(const std::vector<int>& v, int x) {
  return static_cast<int>(std::upper_bound(v.begin(), v.end(), x) - v.begin());
}
int LowerIndex(const std::vector<int>& v, int x) {
  return static_cast<int>(std::lower_bound(v.begin(), v.end(), x) - v.begin());
}

struct Terminal {
  int node = 0;
  int dir = 0;  // a start's first direction; a goal's last
  int x = 0, y = 0;
  int64_t penalty = 0;
  int port = 0;
  bool usable = true;
};

class Search {
 public:
  Search(const RouteEnd& from, const RouteEnd& to, const ObstacleIndex& index, const RouteOptions& options,
         const Box& window, bool others)
      : from_(from), to_(to), index_(index), o_(options), window_(window), others_(others) {}

  // false: the grid would be too large to search.
  bool Build();
  bool Run(FoundRoute& out);
  bool Touches(const std::vector<QPoint>& points) const {
    for (const QPoint& p : points)
      if (p.x() == window_.l || p.x() == window_.r || p.y() == window_.t || p.y() == window_.b) return true;
    return false;
  }

 private:
  struct Item {
    Box core, zone;
    bool own, text, ownerFrom;
  };
  int Node(int i, int j) const { return j * nx_ + i; }
  void Mark(const Box& b, uint8_t hbit, uint8_t vbit, bool skipRays);
  void AddTerminal(const Port& p, int port, bool start);
  int64_t Heuristic(int node, int dir) const;

  const RouteEnd& from_;
  const RouteEnd& to_;
  const ObstacleIndex& index_;
  const RouteOptions& o_;
  Box window_;
  bool others_;
  std::vector<Item> items_;
  std::vector<int> xs_, ys_;
  int nx_ = 0, ny_ = 0;
  std::vector<uint8_t> flags_;
  std::vector<Terminal> starts_, goals_;
};

bool Search::Build() {
  std::vector<int> ids;
  index_.Query(ToRect(Inflate(window_, o_.clearance + 1)), ids);
  for (int id : ids) {
    const ObstacleIndex::Obstacle& ob = index_[id];
    if (ob.box.width() <= 0 || ob.box.height() <= 0) continue;
    const bool ownFrom = ob.owner >= 0 && ob.owner == from_.owner, ownTo = ob.owner >= 0 && ob.owner == to_.owner;
    if (!others_ && !ownFrom && !ownTo) continue;
    const Box core = EdgesOf(ob.box);
    items_.push_back({core, Inflate(core, o_.clearance), ownFrom || ownTo, ob.text, ownFrom});
  }
  // Four lines a box each way: more boxes than this would make more nodes than a search may.
  if (static_cast<int64_t>(items_.size()) * items_.size() * 16 > kMaxNodes * 4) return false;

  auto inX = [&](int x) { return x >= window_.l && x <= window_.r; };
  auto inY = [&](int y) { return y >= window_.t && y <= window_.b; };
  xs_ = {window_.l, window_.r};
  ys_ = {window_.t, window_.b};
  for (const RouteEnd* end : {&from_, &to_})
    for (const Port& p : end->ports) {
      xs_.push_back(p.point.x());
      ys_.push_back(p.point.y());
    }
  for (const Item& it : items_) {
    for (int x : {it.zone.l, it.zone.r})
      if (inX(x)) xs_.push_back(x);
    for (int y : {it.zone.t, it.zone.b})
      if (inY(y)) ys_.push_back(y);
  }
  // Lines just beyond each wall's band, on both sides, for the runs that keep off it.
  const int band = o_.gap;
  for (const QRect& w : o_.walls) {
    const Box e = EdgesOf(w);
    for (int x : {e.l - band - 1, e.l + band + 1, e.r - band - 1, e.r + band + 1})
      if (inX(x)) xs_.push_back(x);
    for (int y : {e.t - band - 1, e.t + band + 1, e.b - band - 1, e.b + band + 1})
      if (inY(y)) ys_.push_back(y);
  }
  // Where two boxes stand closer than twice the clearance, the lines out by the clearance fall
  // inside the other box: lines just outside each box keep the narrow way between them open.
  for (const Item& a : items_)
    for (const Item& b : items_) {
      if (&a == &b) continue;
      const bool rowsMeet = a.zone.t < b.core.b && a.zone.b > b.core.t;
      const bool colsMeet = a.zone.l < b.core.r && a.zone.r > b.core.l;
      if (rowsMeet && a.zone.r > b.core.l && a.zone.r < b.core.r && inX(a.core.r + 1)) xs_.push_back(a.core.r + 1);
      if (rowsMeet && a.zone.l > b.core.l && a.zone.l < b.core.r && inX(a.core.l - 1)) xs_.push_back(a.core.l - 1);
      if (colsMeet && a.zone.b > b.core.t && a.zone.b < b.core.b && inY(a.core.b + 1)) ys_.push_back(a.core.b + 1);
      if (colsMeet && a.zone.t > b.core.t && a.zone.t < b.core.b && inY(a.core.t - 1)) ys_.push_back(a.core.t - 1);
    }
  for (std::vector<int>* v : {&xs_, &ys_}) {
    std::sort(v->begin(), v->end());
    v->erase(std::unique(v->begin(), v->end()), v->end());
  }
  nx_ = static_cast<int>(xs_.size());
  ny_ = static_cast<int>(ys_.size());
  if (int64_t{nx_} * ny_ > kMaxNodes) return false;
  flags_.assign(static_cast<size_t>(nx_) * static_cast<size_t>(ny_), 0);

  for (size_t k = 0; k < from_.ports.size(); ++k) AddTerminal(from_.ports[k], static_cast<int>(k), true);
  for (size_t k = 0; k < to_.ports.size(); ++k) AddTerminal(to_.ports[k], static_cast<int>(k), false);
  for (const Item& it : items_) {
    Mark(it.core, kHBlock, kVBlock, it.own);
    Mark(it.zone, kHSoft, kVSoft, it.own);
  }
  // Along a wall costs as near an obstacle does; across it, nothing.
  for (const QRect& w : o_.walls) {
    const Box e = EdgesOf(w);
    for (int y : {e.t, e.b}) Mark({e.l, y - band, e.r, y + band}, kHSoft, 0, true);
    for (int x : {e.l, e.r}) Mark({x - band, e.t, x + band, e.b}, 0, kVSoft, true);
  }
  return true;
}

// Marks the horizontal edges on rows strictly inside the box that overlap its open interior, and
// the vertical edges on columns strictly inside it.
void Search::Mark(const Box& b, uint8_t hbit, uint8_t vbit, bool skipRays) {
  const int j0 = UpperIndex(ys_, b.t), j1 = LowerIndex(ys_, b.b) - 1;
  const int i0 = std::max(0, UpperIndex(xs_, b.l) - 1), i1 = std::min(nx_ - 2, LowerIndex(xs_, b.r) - 1);
  for (int j = j0; j <= j1; ++j)
    for (int i = i0; i <= i1; ++i) {
      uint8_t& f = flags_[static_cast<size_t>(Node(i, j))];
      if (!(skipRays && (f & kHRay))) f |= hbit;
    }
  const int c0 = UpperIndex(xs_, b.l), c1 = LowerIndex(xs_, b.r) - 1;
  const int r0 = std::max(0, UpperIndex(ys_, b.t) - 1), r1 = std::min(ny_ - 2, LowerIndex(ys_, b.b) - 1);
  for (int i = c0; i <= c1; ++i)
    for (int j = r0; j <= r1; ++j) {
      uint8_t& f = flags_[static_cast<size_t>(Node(i, j))];
      if (!(skipRays && (f & kVRay))) f |= vbit;
    }
}

// A port and the straight run out of it through its own shape's and text's clearance, which its
// own boxes do not block. A run out through its own text costs as much as four bends.
void Search::AddTerminal(const Port& p, int port, bool start) {
  const int dir = DirOf(p.side);
  const bool alongX = kDx[dir] != 0;
  const int sign = kDx[dir] + kDy[dir];
  const int perp = alongX ? p.point.y() : p.point.x();
  const int begin = alongX ? p.point.x() : p.point.y();
  int pos = begin;
  for (bool changed = true; changed;) {
    changed = false;
    for (const Item& it : items_) {
      if (!it.own || it.ownerFrom != start) continue;
      const int plo = alongX ? it.zone.t : it.zone.l, phi = alongX ? it.zone.b : it.zone.r;
      const int lo = alongX ? it.zone.l : it.zone.t, hi = alongX ? it.zone.r : it.zone.b;
      if (perp <= plo || perp >= phi) continue;
      if (sign > 0 && lo <= pos && pos < hi) {
        pos = hi;
        changed = true;
      } else if (sign < 0 && lo < pos && pos <= hi) {
        pos = lo;
        changed = true;
      }
    }
  }
  Terminal t;
  t.dir = start ? dir : (dir + 2) % 4;
  t.x = p.point.x();
  t.y = p.point.y();
  t.port = port;
  const int i = LowerIndex(xs_, t.x), j = LowerIndex(ys_, t.y);
  t.usable = i < nx_ && j < ny_ && xs_[i] == t.x && ys_[j] == t.y;
  t.node = t.usable ? Node(i, j) : 0;
  for (const Item& it : items_) {
    if (!it.own || !it.text || it.ownerFrom != start) continue;
    const int plo = alongX ? it.core.t : it.core.l, phi = alongX ? it.core.b : it.core.r;
    const int lo = alongX ? it.core.l : it.core.t, hi = alongX ? it.core.r : it.core.b;
    if (perp > plo && perp < phi && std::min(begin, pos) < hi && std::max(begin, pos) > lo)
      t.penalty = 4 * int64_t{o_.bendPenalty};
  }
  if (t.usable) {
    // The ray's edges, from the port's node out to where it leaves its own clearance.
    const std::vector<int>& lines = alongX ? xs_ : ys_;
    const int a = LowerIndex(lines, std::min(begin, pos)), b = LowerIndex(lines, std::max(begin, pos));
    for (int k = a; k < b && k + 1 < static_cast<int>(lines.size()); ++k)
      flags_[static_cast<size_t>(alongX ? Node(k, j) : Node(i, k))] |= alongX ? kHRay : kVRay;
  }
  (start ? starts_ : goals_).push_back(t);
}

int64_t Search::Heuristic(int node, int dir) const {
  const int x = xs_[static_cast<size_t>(node % nx_)], y = ys_[static_cast<size_t>(node / nx_)];
  int64_t best = kInf;
  for (const Terminal& t : goals_) {
    if (!t.usable) continue;
    const int dx = t.x - x, dy = t.y - y;
    const bool ahead = dir == t.dir && (kDx[dir] != 0 ? dy == 0 && dx * kDx[dir] >= 0 : dx == 0 && dy * kDy[dir] >= 0);
    best = std::min(best, int64_t{std::abs(dx)} + std::abs(dy) + t.penalty + (ahead ? 0 : o_.bendPenalty));
  }
  return best;
}

bool Search::Run(FoundRoute& out) {
  const int nodes = nx_ * ny_;
  const size_t states = static_cast<size_t>(nodes) * 4;
  std::vector<int64_t> g(states, kInf);
  std::vector<int> parent(states, -1);
  using Entry = std::tuple<int64_t, int64_t, int>;  // f, -g (deeper first on a tie), state
  std::priority_queue<Entry, std::vector<Entry>, std::greater<Entry>> open;
  auto isStart = [&](int s) {
    for (const Terminal& t : starts_)
      if (t.usable && t.node * 4 + t.dir == s) return true;
    return false;
  };
  for (const Terminal& t : starts_) {
    if (!t.usable) continue;
    const int s = t.node * 4 + t.dir;
    if (t.penalty < g[static_cast<size_t>(s)]) {
      g[static_cast<size_t>(s)] = t.penalty;
      open.emplace(t.penalty + Heuristic(t.node, t.dir), -t.penalty, s);
    }
  }
  while (!open.empty()) {
    const auto [f, negG, s] = open.top();
    open.pop();
    const int64_t gs = -negG;
    if (gs != g[static_cast<size_t>(s)]) continue;
    const int node = s / 4, d = s % 4, i = node % nx_, j = node / nx_;
    for (const Terminal& t : goals_) {
      if (!t.usable || t.node != node || t.dir != d) continue;
      std::vector<QPoint> points;
      for (int k = s; k >= 0; k = parent[static_cast<size_t>(k)])
        points.emplace_back(xs_[static_cast<size_t>(k / 4 % nx_)], ys_[static_cast<size_t>(k / 4 / nx_)]);
      std::reverse(points.begin(), points.end());
      int first = s;
      while (parent[static_cast<size_t>(first)] >= 0) first = parent[static_cast<size_t>(first)];
      out.points = Simplify(points);
      out.toPort = t.port;
      for (const Terminal& st : starts_)
        if (st.usable && st.node * 4 + st.dir == first) out.fromPort = st.port;
      out.cost = gs + t.penalty;
      return true;
    }
    const bool start = parent[static_cast<size_t>(s)] < 0 && isStart(s);
    for (int nd = 0; nd < 4; ++nd) {
      if (nd == (d + 2) % 4 || (start && nd != d)) continue;
      const int ni = i + kDx[nd], nj = j + kDy[nd];
      if (ni < 0 || nj < 0 || ni >= nx_ || nj >= ny_) continue;
      uint8_t f8;
      int len;
      if (kDx[nd] != 0) {
        f8 = flags_[static_cast<size_t>(Node(std::min(i, ni), j))];
        if (f8 & kHBlock) continue;
        len = std::abs(xs_[static_cast<size_t>(ni)] - xs_[static_cast<size_t>(i)]);
        if (f8 & kHSoft) len *= kSoftFactor;
      } else {
        f8 = flags_[static_cast<size_t>(Node(i, std::min(j, nj)))];
        if (f8 & kVBlock) continue;
        len = std::abs(ys_[static_cast<size_t>(nj)] - ys_[static_cast<size_t>(j)]);
        if (f8 & kVSoft) len *= kSoftFactor;
      }
      const int64_t cost = gs + len + (nd != d ? o_.bendPenalty : 0);
      const int ns = Node(ni, nj) * 4 + nd;
      if (cost < g[static_cast<size_t>(ns)]) {
        g[static_cast<size_t>(ns)] = cost;
        parent[static_cast<size_t>(ns)] = s;
        open.emplace(cost + Heuristic(Node(ni, nj), nd), -cost, ns);
      }
    }
  }
  return false;
}

// Out of the port by the clearance, across in an elbow, and in: the route of last resort.
std::vector<QPoint> Fallback(const Port& a, const Port& b, int clearance) {
  const QPoint sa = a.point + connectors::Outward(a.side) * clearance;
  const QPoint sb = b.point + connectors::Outward(b.side) * clearance;
  const QPoint corner = connectors::IsHorizontal(a.side) ? QPoint(sa.x(), sb.y()) : QPoint(sb.x(), sa.y());
  return Simplify({a.point, sa, corner, sb, b.point});
}

}  // namespace

std::vector<QPoint> Simplify(const std::vector<QPoint>& points) {
  std::vector<QPoint> out;
  for (const QPoint& p : points) {
    if (!out.empty() && out.back() == p) continue;
    if (out.size() >= 2) {
      const QPoint a = out[out.size() - 2], b = out.back();
      const bool straight = (a.x() == b.x() && b.x() == p.x()) || (a.y() == b.y() && b.y() == p.y());
      // A point in the middle of a straight stretch goes, as does a turn straight back.
      if (straight) {
        out.back() = p;
        if (out.back() == out[out.size() - 2]) out.pop_back();
        continue;
      }
    }
    out.push_back(p);
  }
  return out;
}

FoundRoute RouteOrthogonal(const RouteEnd& from, const RouteEnd& to, const ObstacleIndex& obstacles,
                           const RouteOptions& options) {
  FoundRoute best;
  if (from.ports.empty() || to.ports.empty()) return best;
  Box span{INT_MAX, INT_MAX, INT_MIN, INT_MIN};
  for (const RouteEnd* end : {&from, &to})
    for (const Port& p : end->ports)
      span = {std::min(span.l, p.point.x()), std::min(span.t, p.point.y()), std::max(span.r, p.point.x()),
              std::max(span.b, p.point.y())};
  const int floorX = std::min(0, span.l), floorY = std::min(0, span.t);
  const QRect extent = obstacles.Extent();
  Box all = span;
  if (!extent.isNull()) {
    const Box e = EdgesOf(extent);
    all = {std::min(all.l, e.l), std::min(all.t, e.t), std::max(all.r, e.r), std::max(all.b, e.b)};
  }
  all = Inflate(all, 2 * options.clearance + 40);
  auto clamp = [&](Box w) {
    return Box{std::max(w.l, floorX), std::max(w.t, floorY), w.r, w.b};
  };
  const Box full = clamp(all);

  // Widening windows about the ends: a route that runs along a window's edge may have been kept
  // from a shorter way outside it.
  bool found = false;
  for (int margin : {80, 320, 1280, -1}) {
    Box window = margin < 0 ? full : clamp(Inflate(span, margin + 4 * options.clearance));
    const bool last = margin < 0 || (window.l <= full.l && window.t <= full.t && window.r >= full.r && window.b >= full.b);
    if (last) window = full;
    Search search(from, to, obstacles, options, window, true);
    if (!search.Build()) break;
    FoundRoute r;
    if (search.Run(r)) {
      if (!found || r.cost < best.cost) best = r;
      found = true;
      best.clear = true;
      if (!search.Touches(r.points)) break;
    }
    if (last) break;
  }
  if (found) return best;

  // No clear way: around the own shapes only, then anyhow.
  Search own(from, to, obstacles, options, full, false);
  if (own.Build() && own.Run(best)) return best;
  best.fromPort = best.toPort = 0;
  best.points = Fallback(from.ports[0], to.ports[0], options.clearance);
  best.clear = false;
  return best;
}

}  // namespace routing
