#include "Straighten.h"

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <optional>

#include "SidePorts.h"

namespace routing {

namespace {

int Length(QPoint a, QPoint b) { return std::abs(b.x() - a.x()) + std::abs(b.y() - a.y()); }
bool Level(QPoint a, QPoint b) { return a.y() == b.y(); }

// The run crosses the open interior of an obstacle not owned by `except`.
bool Blocked(QPoint a, QPoint b, const ObstacleIndex& obstacles, int except) {
  const QRect area(std::min(a.x(), b.x()), std::min(a.y(), b.y()), std::abs(b.x() - a.x()), std::abs(b.y() - a.y()));
  std::vector<int> ids;
  obstacles.Query(area, ids);
  for (int id : ids) {
    const ObstacleIndex::Obstacle& o = obstacles[id];
    if (except >= 0 && o.owner == except && !o.text) continue;
    const QRect& r = o.box;
    if (r.width() <= 0 || r.height() <= 0) continue;
    if (std::min(a.x(), b.x()) < r.x() + r.width() && std::max(a.x(), b.x()) > r.x() &&
        std::min(a.y(), b.y()) < r.y() + r.height() && std::max(a.y(), b.y()) > r.y())
      return true;
  }
  return false;
}

// The distance across to the nearest run of another route that lies along the run and overlaps
// it; INT_MAX when none does.
int Nearness(QPoint a, QPoint b, const std::vector<Route>& routes, size_t self) {
  int best = INT_MAX;
  const bool level = Level(a, b);
  const int lo = level ? std::min(a.x(), b.x()) : std::min(a.y(), b.y());
  const int hi = level ? std::max(a.x(), b.x()) : std::max(a.y(), b.y());
  const int across = level ? a.y() : a.x();
  for (size_t r = 0; r < routes.size(); ++r) {
    if (r == self) continue;
    const std::vector<QPoint>& p = routes[r].points;
    for (size_t i = 0; i + 1 < p.size(); ++i) {
      if (Level(p[i], p[i + 1]) != level || p[i] == p[i + 1]) continue;
      const int olo = level ? std::min(p[i].x(), p[i + 1].x()) : std::min(p[i].y(), p[i + 1].y());
      const int ohi = level ? std::max(p[i].x(), p[i + 1].x()) : std::max(p[i].y(), p[i + 1].y());
      if (std::min(hi, ohi) - std::max(lo, olo) <= 0) continue;
      best = std::min(best, std::abs((level ? p[i].y() : p[i].x()) - across));
    }
  }
  return best;
}

class Straightener {
 public:
  Straightener(std::vector<Route>& routes, const std::vector<RouteEnds>& ends, const ObstacleIndex& obstacles,
               const RouteOptions& o)
      : routes_(routes), ends_(ends), obstacles_(obstacles), o_(o) {}

  // Whether any jog of the route went.
  bool Straighten(size_t r) {
    bool changed = false;
    for (size_t start = 1, guard = 0; guard < 64; ++guard) {
      const std::vector<QPoint>& p = routes_[r].points;
      size_t jog = 0;
      for (size_t i = start; i + 2 < p.size(); ++i)
        if (Length(p[i], p[i + 1]) > 0 && Length(p[i], p[i + 1]) < o_.minJog) {
          jog = i;
          break;
        }
      if (jog == 0) break;
      std::optional<std::vector<QPoint>> moved = Shift(r, jog, true);
      if (!moved) moved = Shift(r, jog, false);
      if (!moved) {
        start = jog + 1;
        continue;
      }
      routes_[r].points = Simplify(*moved);
      changed = true;
      start = 1;
    }
    return changed;
  }

 private:
  // The route with the run before the jog (before) or after it moved across by the jog, so that
  // it lines up with the run on the jog's other side; none when that move is not allowed.
  std::optional<std::vector<QPoint>> Shift(size_t r, size_t jog, bool before) {
    std::vector<QPoint> q = routes_[r].points;
    const size_t n = q.size();
    const QPoint d = before ? q[jog + 1] - q[jog] : q[jog] - q[jog + 1];
    // The moved run's two points, and its neighbour on the far side (the run that stretches).
    const size_t a = before ? jog - 1 : jog + 2, b = before ? jog : jog + 1;
    const bool portMoves = before ? a == 0 : a == n - 1;
    const QPoint oldA = q[a], oldB = q[b];
    q[a] += d;
    q[b] += d;
    const RouteEnds& e = ends_[r];
    if (portMoves) {
      const Port old{oldA, before ? routes_[r].from : routes_[r].to};
      const FigureKind kind = before ? e.fromKind : e.toKind;
      const QRect& box = before ? e.fromBox : e.toBox;
      const SideSpan span = PortSpan(kind, box, old.side);
      const int along = Along(old) + (connectors::IsHorizontal(old.side) ? d.y() : d.x());
      if (along < span.lo || along > span.hi) return std::nullopt;
      q[a] = PortAt(kind, box, old.side, along).point;
      const QPoint was = oldB - oldA, now = q[b] - q[a];
      if (Level(q[a], q[b]) != Level(oldA, oldB) || q[a] == q[b] || was.x() * now.x() < 0 || was.y() * now.y() < 0)
        return std::nullopt;
    } else {
      // The run beyond a stretches or shrinks along its own line; it must not turn back or
      // become a jog itself.
      const size_t c = before ? a - 1 : a + 1;
      const int was = Length(q[c], oldA), now = Length(q[c], q[a]);
      const QPoint dirWas = oldA - q[c], dirNow = q[a] - q[c];
      if (now > 0 && (dirWas.x() * dirNow.x() < 0 || dirWas.y() * dirNow.y() < 0)) return std::nullopt;
      const bool end = c == 0 || c == n - 1;
      if (now == 0 && end) return std::nullopt;
      if (!end && now > 0 && now < o_.minJog && now < was) return std::nullopt;
      if (Blocked(q[c], q[a], obstacles_, -1)) return std::nullopt;
    }
    const int owner = !portMoves ? -1 : before ? e.fromOwner : e.toOwner;
    if (Blocked(q[a], q[b], obstacles_, owner)) return std::nullopt;
    const int was = Nearness(oldA, oldB, routes_, r), now = Nearness(q[a], q[b], routes_, r);
    if (now < std::min(was, o_.gap)) return std::nullopt;
    return q;
  }

  std::vector<Route>& routes_;
  const std::vector<RouteEnds>& ends_;
  const ObstacleIndex& obstacles_;
  const RouteOptions& o_;
};

}  // namespace

void RemoveJogs(std::vector<Route>& routes, const std::vector<RouteEnds>& ends, const ObstacleIndex& obstacles,
                const RouteOptions& options) {
  // Again while any route changed: a move kept back by a neighbour's run may be free once the
  // neighbour has moved.
  Straightener s(routes, ends, obstacles, options);
  for (int sweep = 0; sweep < 8; ++sweep) {
    bool changed = false;
    for (size_t r = 0; r < routes.size() && r < ends.size(); ++r) changed = s.Straighten(r) || changed;
    if (!changed) break;
  }
}

}  // namespace routing
