#include "Separation.h"

#include <algorithm>
#include <climits>
#include <cstdint>
#include <numeric>
#include <optional>
#include <tuple>

namespace routing {

namespace {

int Sign(int v) { return (v > 0) - (v < 0); }

// A run between two bends, along x (level) or y (upright): where it lies across, its stretch, and
// the way its neighbours turn at each end of the stretch (+1: to greater coordinates).
struct Run {
  int route, index;
  int across, lo, hi;
  int turnLo, turnHi;
};

QPoint Swap(QPoint p, bool level) { return level ? p : QPoint(p.y(), p.x()); }

std::vector<Run> RunsOf(const std::vector<Route>& routes, bool level) {
  std::vector<Run> runs;
  for (size_t r = 0; r < routes.size(); ++r) {
    const std::vector<QPoint>& p = routes[r].points;
    for (size_t i = 1; i + 2 < p.size(); ++i) {
      // In swapped coordinates every run considered is level: x along, y across.
      const QPoint a = Swap(p[i], level), b = Swap(p[i + 1], level);
      if (a.y() != b.y() || a.x() == b.x()) continue;
      const QPoint before = Swap(p[i - 1], level), after = Swap(p[i + 2], level);
      const bool forward = a.x() < b.x();
      const int turnA = Sign(before.y() - a.y()), turnB = Sign(after.y() - b.y());
      runs.push_back({static_cast<int>(r), static_cast<int>(i), a.y(), std::min(a.x(), b.x()), std::max(a.x(), b.x()),
                      forward ? turnA : turnB, forward ? turnB : turnA});
    }
  }
  return runs;
}

bool Overlap(const Run& a, const Run& b) { return std::min(a.hi, b.hi) - std::max(a.lo, b.lo) > 0; }

// Which of two overlapping runs should lie at the smaller coordinate: -1 a, +1 b, 0 no matter.
// An end of one that turns off inside the other's stretch crosses it unless it lies on the side
// it turns to.
int Vote(const Run& a, const Run& b) {
  int votes = 0;
  auto inside = [](int v, const Run& r) { return v > r.lo && v < r.hi; };
  if (inside(b.lo, a) && b.turnLo != 0) votes += b.turnLo > 0 ? -1 : 1;
  if (inside(b.hi, a) && b.turnHi != 0) votes += b.turnHi > 0 ? -1 : 1;
  if (inside(a.lo, b) && a.turnLo != 0) votes += a.turnLo > 0 ? 1 : -1;
  if (inside(a.hi, b) && a.turnHi != 0) votes += a.turnHi > 0 ? 1 : -1;
  return Sign(votes);
}

// The order of a group across: each run after those that must lie before it, otherwise by where it
// lies and then by route.
std::vector<int> Order(const std::vector<Run>& runs, const std::vector<int>& group) {
  const size_t n = group.size();
  std::vector<std::vector<int>> vote(n, std::vector<int>(n, 0));
  for (size_t a = 0; a < n; ++a)
    for (size_t b = 0; b < n; ++b)
      if (a != b && Overlap(runs[group[a]], runs[group[b]])) vote[a][b] = Vote(runs[group[a]], runs[group[b]]);
  std::vector<int> order;
  std::vector<bool> taken(n, false);
  auto plain = [&](size_t a, size_t b) {
    const Run &x = runs[group[a]], &y = runs[group[b]];
    return std::tie(x.across, x.route, x.index) < std::tie(y.across, y.route, y.index);
  };
  for (size_t step = 0; step < n; ++step) {
    std::optional<size_t> pick, fallback;
    for (size_t a = 0; a < n; ++a) {
      if (taken[a]) continue;
      if (!fallback || plain(a, *fallback)) fallback = a;
      bool free = true;
      for (size_t b = 0; b < n && free; ++b)
        if (!taken[b] && b != a && vote[b][a] < 0) free = false;  // b must come first
      if (free && (!pick || plain(a, *pick))) pick = a;
    }
    const size_t a = pick.value_or(*fallback);
    taken[a] = true;
    order.push_back(group[a]);
  }
  return order;
}

// The free channel across about the run: the coordinates it may move to and keep its stretch
// clear of every box grown by `margin`. None when it lies within one already.
std::optional<std::pair<int, int>> Channel(const Run& run, bool level, int reach, int margin,
                                           const ObstacleIndex& obstacles) {
  int lo = run.across - reach, hi = run.across + reach;
  if (run.across >= 0) lo = std::max(lo, 0);
  const QRect area = level ? QRect(run.lo, lo - margin, run.hi - run.lo, hi - lo + 2 * margin)
                           : QRect(lo - margin, run.lo, hi - lo + 2 * margin, run.hi - run.lo);
  std::vector<int> ids;
  obstacles.Query(area, ids);
  for (int id : ids) {
    const QRect& b = obstacles[id].box;
    if (b.width() <= 0 || b.height() <= 0) continue;
    const int al = (level ? b.x() : b.y()) - margin, ah = (level ? b.x() + b.width() : b.y() + b.height()) + margin;
    const int cl = (level ? b.y() : b.x()) - margin, ch = (level ? b.y() + b.height() : b.x() + b.width()) + margin;
    if (ah <= run.lo || al >= run.hi) continue;
    if (ch <= run.across) lo = std::max(lo, ch);
    else if (cl >= run.across) hi = std::min(hi, cl);
    else return std::nullopt;
  }
  return std::pair{lo, hi};
}

// Lays the ordered group out `gap` apart about its mean, shifted into every run's channel.
bool Place(std::vector<Run>& runs, const std::vector<int>& order, bool level, int gap, int margin,
           const ObstacleIndex& obstacles, std::vector<int>& placed) {
  const int n = static_cast<int>(order.size());
  int64_t sum = 0;
  for (int k : order) sum += runs[k].across;
  const int centre = static_cast<int>(sum / n);
  const int reach = n * gap + margin + 1;
  int64_t shiftLo = INT_MIN, shiftHi = INT_MAX;
  placed.assign(static_cast<size_t>(n), 0);
  for (int k = 0; k < n; ++k) {
    placed[k] = centre + k * gap - (n - 1) * gap / 2;
    const std::optional<std::pair<int, int>> c = Channel(runs[order[k]], level, reach, margin, obstacles);
    if (!c) return false;
    shiftLo = std::max<int64_t>(shiftLo, c->first - placed[k]);
    shiftHi = std::min<int64_t>(shiftHi, c->second - placed[k]);
  }
  if (shiftLo > shiftHi) return false;
  const int shift = static_cast<int>(std::clamp<int64_t>(0, shiftLo, shiftHi));
  for (int& p : placed) p += shift;
  return true;
}

int Find(std::vector<int>& parent, int a) {
  while (parent[a] != a) a = parent[a] = parent[parent[a]];
  return a;
}

void SeparateAlong(std::vector<Route>& routes, bool level, const ObstacleIndex& obstacles, const RouteOptions& o) {
  std::vector<Run> runs = RunsOf(routes, level);
  if (runs.size() < 2) return;
  std::vector<int> byAcross(runs.size());
  std::iota(byAcross.begin(), byAcross.end(), 0);
  std::sort(byAcross.begin(), byAcross.end(), [&](int a, int b) { return runs[a].across < runs[b].across; });
  std::vector<int> parent(runs.size());
  std::iota(parent.begin(), parent.end(), 0);
  for (size_t x = 0; x < byAcross.size(); ++x)
    for (size_t y = x + 1; y < byAcross.size(); ++y) {
      const Run &a = runs[byAcross[x]], &b = runs[byAcross[y]];
      if (b.across - a.across >= o.gap) break;
      if (Overlap(a, b)) parent[Find(parent, byAcross[x])] = Find(parent, byAcross[y]);
    }
  std::vector<std::vector<int>> groups(runs.size());
  for (size_t k = 0; k < runs.size(); ++k) groups[Find(parent, static_cast<int>(k))].push_back(static_cast<int>(k));

  std::vector<int> placed;
  for (const std::vector<int>& group : groups) {
    if (group.size() < 2) continue;
    const std::vector<int> order = Order(runs, group);
    const bool fits = Place(runs, order, level, o.gap, o.clearance, obstacles, placed) ||
                      Place(runs, order, level, o.gap, 2, obstacles, placed) ||
                      Place(runs, order, level, std::max(1, o.gap / 2), 2, obstacles, placed);
    if (!fits) continue;
    for (size_t k = 0; k < order.size(); ++k) {
      const Run& run = runs[order[k]];
      std::vector<QPoint>& p = routes[run.route].points;
      for (int at : {run.index, run.index + 1}) (level ? p[at].ry() : p[at].rx()) = placed[k];
    }
  }
}

}  // namespace

void SeparateRuns(std::vector<Route>& routes, const ObstacleIndex& obstacles, const RouteOptions& options) {
  for (bool level : {true, false}) {
    SeparateAlong(routes, level, obstacles, options);
    for (Route& r : routes) r.points = Simplify(r.points);
  }
}

}  // namespace routing
