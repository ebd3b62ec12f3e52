#include "Uncrossing.h"

#include <algorithm>
#include <cstdlib>
#include <limits>
#include <map>

#include "ConnectorGeometry.h"
#include "OrthogonalRouter.h"

namespace routing {

namespace {

// A route's price as the router reckons it, without the clearance surcharge: its length and
// the bends.
int64_t Price(const std::vector<QPoint>& p, const RouteOptions& o) {
  int64_t length = 0;
  for (size_t i = 0; i + 1 < p.size(); ++i) length += (p[i + 1] - p[i]).manhattanLength();
  return length + int64_t{o.bendPenalty} * std::max<int64_t>(0, static_cast<int64_t>(p.size()) - 2);
}

QRect Bounds(const std::vector<QPoint>& p) {
  if (p.empty()) return {};
  int l = p[0].x(), t = p[0].y(), r = l, b = t;
  for (const QPoint& q : p) l = std::min(l, q.x()), t = std::min(t, q.y()), r = std::max(r, q.x()), b = std::max(b, q.y());
  return QRect(QPoint(l, t), QPoint(r, b));
}

// Routes whose bounds do not meet cannot cross: each route is compared with those near it only.
struct RouteSet {
  const std::vector<Route>& routes;
  std::vector<QRect> bounds;
  explicit RouteSet(const std::vector<Route>& r) : routes(r) {
    for (const Route& route : r) bounds.push_back(Bounds(route.points));
  }
  void Update(size_t l) { bounds[l] = Bounds(routes[l].points); }
  int With(const std::vector<QPoint>& p, size_t skip) const {
    const QRect box = Bounds(p);
    int n = 0;
    for (size_t m = 0; m < routes.size(); ++m)
      if (m != skip && bounds[m].intersects(box.adjusted(0, 0, 1, 1))) n += Crossings(p, routes[m].points);
    return n;
  }
  int All() const {
    int n = 0;
    for (size_t l = 0; l < routes.size(); ++l)
      for (size_t m = l + 1; m < routes.size(); ++m)
        if (bounds[l].adjusted(0, 0, 1, 1).intersects(bounds[m].adjusted(0, 0, 1, 1))) n += Crossings(routes[l].points, routes[m].points);
    return n;
  }
};

}  // namespace

int Crossings(const std::vector<QPoint>& a, const std::vector<QPoint>& b) {
  int n = 0;
  for (size_t i = 0; i + 1 < a.size(); ++i)
    for (size_t j = 0; j + 1 < b.size(); ++j)
      if (connectors::RunsCross(a[i], a[i + 1], b[j], b[j + 1])) ++n;
  return n;
}

std::vector<Route> Uncross(std::span<const Shape> shapes, std::vector<Link> links, const ObstacleIndex& index,
                           const RouteOptions& o, std::vector<Route> routes) {
  if (routes.size() != links.size()) return routes;
  const int before = RouteSet(routes).All();
  if (before == 0) return routes;
  std::vector<Route> trial = routes;
  RouteSet near(trial);
  bool asked = false;
  const auto valid = [&](const Link& k) {
    return k.from >= 0 && k.to >= 0 && static_cast<size_t>(k.from) < shapes.size() && static_cast<size_t>(k.to) < shapes.size() &&
           k.from != k.to;
  };
  // The vertices of diamonds other routes use.
  std::map<std::pair<int, Side>, int> used;
  for (size_t m = 0; m < links.size(); ++m)
    if (valid(links[m])) ++used[{links[m].from, routes[m].from}], ++used[{links[m].to, routes[m].to}];
  // The ports an end may take: the side asked for, else any; of a diamond, its own vertex or one
  // no other route uses.
  const auto ports = [&](size_t l, int end) {
    const Link& k = links[l];
    const std::optional<Side>& fixed = end == 0 ? k.fromSide : k.toSide;
    const int shape = end == 0 ? k.from : k.to;
    const Shape& sh = shapes[static_cast<size_t>(shape)];
    std::vector<Port> out;
    for (Side s : connectors::kSides) {
      if (fixed && s != *fixed) continue;
      const bool own = (end == 0 ? routes[l].from : routes[l].to) == s;
      if (!fixed && sh.kind == FigureKind::Diamond && used[{shape, s}] > (own ? 1 : 0)) continue;
      out.push_back({connectors::AttachPoint(sh.kind, sh.box, s).point, s});
    }
    return out;
  };
  // At most about one routing's worth of searches, and a few more for a small chart: a dense
  // chart with crossings everywhere is not searched through again and again.
  const size_t budget = links.size() + 64;
  size_t searches = 0;
  for (size_t l = 0; l < links.size() && searches < budget; ++l) {
    const Link& k = links[l];
    if (!valid(k) || (k.fromSide && k.toSide) || trial[l].points.size() < 2) continue;
    const int now = near.With(trial[l].points, l);
    if (now == 0) continue;
    const int64_t limit = Price(trial[l].points, o) + 2 * int64_t{o.bendPenalty};
    int bestCrossings = now;
    int64_t bestPrice = std::numeric_limits<int64_t>::max();
    Side bestFrom = trial[l].from, bestTo = trial[l].to;
    std::vector<QPoint> bestPoints;
    // Each way out of the tail, into the head by whichever of its sides is cheapest.
    const std::vector<Port> into = ports(l, 1);
    for (const Port& out : ports(l, 0)) {
      ++searches;
      const FoundRoute r = RouteOrthogonal({{out}, k.from}, {into, k.to}, index, o);
      if (!r.clear || r.points.size() < 2 || r.toPort < 0) continue;
      const int64_t price = Price(r.points, o);
      const int c = near.With(r.points, l);
      if (price <= limit && (c < bestCrossings || (c == bestCrossings && !bestPoints.empty() && price < bestPrice))) {
        bestCrossings = c, bestPrice = price, bestFrom = out.side, bestTo = into[static_cast<size_t>(r.toPort)].side;
        bestPoints = r.points;
      }
    }
    if (bestPoints.empty()) continue;
    links[l].fromSide = bestFrom;
    links[l].toSide = bestTo;
    trial[l].points = bestPoints;
    trial[l].from = bestFrom;
    trial[l].to = bestTo;
    near.Update(l);
    asked = true;
  }
  if (!asked) return routes;
  std::vector<Route> again = RouteAll(shapes, links, index, o);
  return RouteSet(again).All() < before ? again : routes;
}

}  // namespace routing
