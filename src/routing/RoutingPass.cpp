#include "RoutingPass.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <map>
#include <tuple>

#include "OrthogonalRouter.h"
#include "Outline.h"
#include "SelfLoop.h"
#include "Separation.h"
#include "SidePorts.h"
#include "Straighten.h"

namespace routing {

namespace {

bool Valid(const Link& l, size_t shapes) {
  return l.from >= 0 && l.to >= 0 && static_cast<size_t>(l.from) < shapes && static_cast<size_t>(l.to) < shapes;
}

std::vector<Port> SidePorts(const Shape& s, std::optional<Side> only, const std::vector<Side>& allowed = {}) {
  std::vector<Port> ports;
  for (Side side : connectors::kSides) {
    if (only && side != *only) continue;
    if (!allowed.empty() && std::find(allowed.begin(), allowed.end(), side) == allowed.end()) continue;
    ports.push_back({connectors::AttachPoint(s.kind, s.box, side).point, side});
  }
  return ports;
}

// The ports of the sides allowed (empty: any); where that leaves none, of any side.
std::vector<Port> AllowedPorts(const Shape& s, std::optional<Side> only, const std::vector<Side>& allowed) {
  std::vector<Port> ports = SidePorts(s, only, allowed);
  return ports.empty() ? SidePorts(s, only) : ports;
}

// The increasing axis along a side: +y for Left and Right, +x for Top and Bottom.
QPoint AlongAxis(Side side) { return connectors::IsHorizontal(side) ? QPoint(0, 1) : QPoint(1, 0); }

// One end of a route waiting for its port on a side.
struct Slot {
  size_t link;
  int end;       // 0: the link's from end, 1: its to end
  double angle;  // the direction of the other end, from one end of the side round to the other
  int tie;       // for ends in the same direction
};

// Where the other end lies, seen from the side point: -90 degrees along the side towards smaller
// coordinates, 0 straight out, +90 along it towards greater ones, beyond that behind the side.
double Angle(Side side, QPoint from, QPoint other) {
  const QPoint v = other - from, out = connectors::Outward(side), along = AlongAxis(side);
  return std::atan2(double(QPoint::dotProduct(v, along)), double(QPoint::dotProduct(v, out)));
}

// +1 when the left of the way the route travels at this end (out of the side at its from end,
// into it at its to end) points along the side's axis.
int LeftSign(Side side, int end) {
  const QPoint travel = end == 0 ? connectors::Outward(side) : -connectors::Outward(side);
  const QPoint left(travel.y(), -travel.x());
  return QPoint::dotProduct(left, AlongAxis(side)) > 0 ? 1 : -1;
}

// The route keeps out of every obstacle but those of its own shapes along its first and last run.
bool RouteClear(const std::vector<QPoint>& p, int fromOwner, int toOwner, const ObstacleIndex& obstacles) {
  std::vector<int> ids;
  for (size_t i = 0; i + 1 < p.size(); ++i) {
    const QPoint a = p[i], b = p[i + 1];
    const QRect area(std::min(a.x(), b.x()), std::min(a.y(), b.y()), std::abs(b.x() - a.x()), std::abs(b.y() - a.y()));
    ids.clear();
    obstacles.Query(area, ids);
    for (int id : ids) {
      const ObstacleIndex::Obstacle& o = obstacles[id];
      if (!o.text && ((i == 0 && o.owner == fromOwner) || (i + 2 == p.size() && o.owner == toOwner))) continue;
      const QRect& r = o.box;
      if (r.width() <= 0 || r.height() <= 0) continue;
      if (std::min(a.x(), b.x()) < r.x() + r.width() && std::max(a.x(), b.x()) > r.x() &&
          std::min(a.y(), b.y()) < r.y() + r.height() && std::max(a.y(), b.y()) > r.y())
        return false;
    }
  }
  return true;
}

}  // namespace

ObstacleIndex IndexShapes(std::span<const Shape> shapes) { return IndexShapes(shapes, {}); }

ObstacleIndex IndexShapes(std::span<const Shape> shapes, const std::vector<bool>& open) {
  ObstacleIndex index;
  for (size_t i = 0; i < shapes.size(); ++i) {
    if (i < open.size() && open[i]) continue;
    index.Add({shapes[i].box, static_cast<int>(i), false});
    // A text within its shape's box keeps routes out of nothing the box does not.
    const QRect& text = shapes[i].text;
    if (!text.isEmpty() && !connectors::BoxInside(text, shapes[i].box)) index.Add({text, static_cast<int>(i), true});
  }
  return index;
}

std::vector<Route> RouteAll(std::span<const Shape> shapes, std::span<const Link> links, const RouteOptions& options) {
  const ObstacleIndex index = IndexShapes(shapes);
  return RouteAll(shapes, links, index, options);
}

std::vector<Route> RouteAll(std::span<const Shape> shapes, std::span<const Link> links, const ObstacleIndex& index,
                            const RouteOptions& o) {
  const size_t n = links.size();
  std::vector<Route> routes(n);
  std::vector<bool> valid(n), loop(n);
  std::map<std::pair<int, Side>, int> used;  // ends per shape side
  auto side = [&](size_t l, int end) -> Side& { return end == 0 ? routes[l].from : routes[l].to; };

  // 1. Sides: loops beside a free corner, the others by their cheapest route between side points.
  for (size_t l = 0; l < n; ++l) {
    const Link& k = links[l];
    valid[l] = Valid(k, shapes.size());
    if (!valid[l]) continue;
    loop[l] = k.from == k.to;
    if (loop[l]) {
      const Shape& s = shapes[static_cast<size_t>(k.from)];
      Corner corner = LoopCorner(s.box, k.from, index, o.loopSize);
      if (k.fromSide || k.toSide)
        for (Corner c : {Corner::TopRight, Corner::BottomRight, Corner::BottomLeft, Corner::TopLeft}) {
          const auto [a, b] = LoopSides(c);
          if ((!k.fromSide || *k.fromSide == a) && (!k.toSide || *k.toSide == b)) {
            corner = c;
            break;
          }
        }
      std::tie(routes[l].from, routes[l].to) = LoopSides(corner);
    } else if (k.fromSide && k.toSide) {
      // Both sides asked for: nothing to choose.
      routes[l].from = *k.fromSide;
      routes[l].to = *k.toSide;
    } else {
      const RouteEnd a{AllowedPorts(shapes[static_cast<size_t>(k.from)], k.fromSide, k.fromSides), k.from};
      const RouteEnd b{AllowedPorts(shapes[static_cast<size_t>(k.to)], k.toSide, k.toSides), k.to};
      const FoundRoute r = RouteOrthogonal(a, b, index, o);
      routes[l].from = a.ports[static_cast<size_t>(std::max(r.fromPort, 0))].side;
      routes[l].to = b.ports[static_cast<size_t>(std::max(r.toPort, 0))].side;
    }
    ++used[{k.from, routes[l].from}];
    ++used[{k.to, routes[l].to}];
  }

  // 2. A diamond's vertex takes one end while another vertex is free: the first link keeps it,
  // the later ends move.
  std::map<std::pair<int, Side>, bool> claimed;
  for (size_t l = 0; l < n; ++l)
    if (valid[l] && loop[l]) claimed[{links[l].from, routes[l].from}] = claimed[{links[l].to, routes[l].to}] = true;
  for (size_t l = 0; l < n; ++l) {
    if (!valid[l] || loop[l]) continue;
    const Link& k = links[l];
    for (int end = 0; end < 2; ++end) {
      const int shape = end == 0 ? k.from : k.to;
      if (shapes[static_cast<size_t>(shape)].kind != FigureKind::Diamond) continue;
      bool& mine = claimed[{shape, side(l, end)}];
      if (!mine || (end == 0 ? k.fromSide : k.toSide)) {
        mine = true;
        continue;
      }
      const std::vector<Side>& allowed = end == 0 ? k.fromSides : k.toSides;
      std::vector<Side> free;
      for (Side s : connectors::kSides)
        if (used[{shape, s}] == 0 && (allowed.empty() || std::find(allowed.begin(), allowed.end(), s) != allowed.end()))
          free.push_back(s);
      if (free.empty()) continue;
      const int other = end == 0 ? k.to : k.from;
      const RouteEnd own{SidePorts(shapes[static_cast<size_t>(shape)], std::nullopt, free), shape};
      // The other end chooses again, as its side was chosen for the vertex given up.
      const RouteEnd theirs{AllowedPorts(shapes[static_cast<size_t>(other)], end == 0 ? k.toSide : k.fromSide,
                                         end == 0 ? k.toSides : k.fromSides),
                            other};
      const FoundRoute r = end == 0 ? RouteOrthogonal(own, theirs, index, o) : RouteOrthogonal(theirs, own, index, o);
      --used[{shape, side(l, end)}];
      --used[{other, side(l, 1 - end)}];
      side(l, end) = own.ports[static_cast<size_t>(std::max(end == 0 ? r.fromPort : r.toPort, 0))].side;
      side(l, 1 - end) = theirs.ports[static_cast<size_t>(std::max(end == 0 ? r.toPort : r.fromPort, 0))].side;
      ++used[{shape, side(l, end)}];
      ++used[{other, side(l, 1 - end)}];
      claimed[{shape, side(l, end)}] = true;
    }
  }

  // 3. The ends that share a side, spread along it.
  std::map<std::pair<int, Side>, std::vector<Slot>> sideEnds;
  for (size_t l = 0; l < n; ++l) {
    if (!valid[l]) continue;
    const Link& k = links[l];
    for (int end = 0; end < 2; ++end) {
      const int shape = end == 0 ? k.from : k.to, other = end == 0 ? k.to : k.from;
      const Side s = side(l, end);
      const Shape& sh = shapes[static_cast<size_t>(shape)];
      const QPoint here = connectors::AttachPoint(sh.kind, sh.box, s).point;
      double angle;
      if (loop[l]) {
        // A loop keeps to the corner it goes round: the far end of each of its sides.
        const Side next = side(l, 1 - end);
        angle = (QPoint::dotProduct(connectors::Outward(next), AlongAxis(s)) > 0 ? 1 : -1) * 1.75;
      } else {
        const Shape& os = shapes[static_cast<size_t>(other)];
        angle = Angle(s, here, connectors::AttachPoint(os.kind, os.box, side(l, 1 - end)).point);
      }
      sideEnds[{shape, s}].push_back({l, end, angle, LeftSign(s, end) * static_cast<int>(l)});
    }
  }
  // An end across from a port that stays where it is (a diamond's vertex, the one end of a side)
  // lines up with it where the spread leaves it short of that line by less than a jog: the others
  // on its side make room. Of two single ends facing each other, the one the link leaves moves.
  std::vector<Port> fromPort(n), toPort(n);
  for (auto& [key, list] : sideEnds) {
    std::sort(list.begin(), list.end(), [](const Slot& a, const Slot& b) {
      return std::tie(a.angle, a.tie, a.link, a.end) < std::tie(b.angle, b.tie, b.link, b.end);
    });
    const Shape& sh = shapes[static_cast<size_t>(key.first)];
    std::vector<Port> ports = SpreadPorts(sh.kind, sh.box, key.second, static_cast<int>(list.size()));
    const SideSpan span = PortSpan(sh.kind, sh.box, key.second);
    std::vector<int> wanted;
    std::vector<bool> aims;
    for (size_t k = 0; k < list.size(); ++k) {
      const Slot& slot = list[k];
      wanted.push_back(Along(ports[k]));
      aims.push_back(false);
      if (loop[slot.link] || span.lo == span.hi) continue;
      const Link& link = links[slot.link];
      const int other = slot.end == 0 ? link.to : link.from;
      const Side across = side(slot.link, 1 - slot.end);
      if (across != connectors::Opposite(key.second)) continue;
      const Shape& os = shapes[static_cast<size_t>(other)];
      const auto partner = sideEnds.find({other, across});
      const bool single = partner != sideEnds.end() && partner->second.size() == 1;
      if (os.kind != FigureKind::Diamond && !(single && (list.size() > 1 || slot.end == 0))) continue;
      const int target = Along({connectors::AttachPoint(os.kind, os.box, across).point, across});
      if (std::abs(target - wanted.back()) >= o.minJog || target < span.lo || target > span.hi) continue;
      wanted.back() = target;
      aims.back() = true;
    }
    if (std::find(aims.begin(), aims.end(), true) != aims.end()) {
      const int count = static_cast<int>(list.size());
      const int room = span.hi - span.lo, margin = room / (2 * (count + 1));
      const std::vector<int> places =
          PlaceAlong(wanted, aims, std::min(o.gap, room / (count + 1)), span.lo + margin, span.hi - margin);
      for (size_t k = 0; k < list.size(); ++k) ports[k] = PortAt(sh.kind, sh.box, key.second, places[k]);
    }
    for (size_t k = 0; k < list.size(); ++k) (list[k].end == 0 ? fromPort : toPort)[list[k].link] = ports[k];
  }

  // 4. Every route between its ports.
  std::vector<RouteEnds> ends(n);
  for (size_t l = 0; l < n; ++l) {
    if (!valid[l]) continue;
    const Link& k = links[l];
    const Shape &a = shapes[static_cast<size_t>(k.from)], &b = shapes[static_cast<size_t>(k.to)];
    ends[l] = {a.kind, b.kind, a.box, b.box, k.from, k.to};
    if (loop[l]) {
      routes[l].points = LoopRoute(a.box, fromPort[l], toPort[l], o.loopSize);
    } else {
      const FoundRoute r = RouteOrthogonal({{fromPort[l]}, k.from}, {{toPort[l]}, k.to}, index, o);
      routes[l].points = r.points;
    }
  }

  // 5, 6. Corridors shared apart, then jogs straightened.
  SeparateRuns(routes, index, o);
  RemoveJogs(routes, ends, index, o);
  for (size_t l = 0; l < n; ++l)
    if (valid[l]) routes[l].clear = RouteClear(routes[l].points, links[l].from, links[l].to, index);
  return routes;
}

std::vector<bool> Enclosing(std::span<const Shape> shapes) {
  std::vector<bool> out(shapes.size(), false);
  for (size_t i = 0; i < shapes.size(); ++i)
    for (size_t j = 0; j < shapes.size() && !out[i]; ++j)
      out[i] = j != i && shapes[i].box != shapes[j].box && shapes[i].box.contains(shapes[j].box);
  return out;
}

}  // namespace routing
