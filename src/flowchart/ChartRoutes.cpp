#include "ChartRoutes.h"

#include <QPointF>
#include <algorithm>
#include <cmath>
#include <unordered_map>
#include <unordered_set>

#include "ConnectorGeometry.h"
#include "ConnectorLabel.h"
#include "Containers.h"
#include "ItemGrid.h"
#include "RoutingPass.h"
#include "ShapeText.h"
#include "TextPlacement.h"
#include "Uncrossing.h"

namespace flowchart {

namespace {

using connectors::Side;

// Labels this far from every run read as beside it, never on it.
constexpr double kLabelRoom = 5;

double PointToRun(QPointF p, QPointF a, QPointF b) {
  const QPointF d = b - a;
  const double len2 = QPointF::dotProduct(d, d);
  const double u = len2 > 0 ? std::clamp(QPointF::dotProduct(p - a, d) / len2, 0.0, 1.0) : 0;
  const QPointF q = a + d * u;
  return std::hypot(p.x() - q.x(), p.y() - q.y());
}

// Whether the run from a to b meets the box's inside: the corners lie on both sides of its line,
// and the run's span meets the box's across and along.
bool SlantCrossesBox(QPoint a, QPoint b, double l, double t, double r, double bo) {
  if (std::max(a.x(), b.x()) < l || std::min(a.x(), b.x()) > r || std::max(a.y(), b.y()) < t ||
      std::min(a.y(), b.y()) > bo)
    return false;
  const double dx = b.x() - a.x(), dy = b.y() - a.y();
  bool below = false, above = false;
  for (const QPointF c : {QPointF(l, t), QPointF(r, t), QPointF(r, bo), QPointF(l, bo)}) {
    const double side = dx * (c.y() - a.y()) - dy * (c.x() - a.x());
    (side < 0 ? below : above) = true;
  }
  return below && above;
}

// Distance from a level or upright run to a box; 0 where they meet.
double RunToBox(QPoint a, QPoint b, const QRect& box) {
  const double l = box.x(), t = box.y(), r = l + box.width(), bo = t + box.height();
  const double x0 = std::min(a.x(), b.x()), x1 = std::max(a.x(), b.x()), y0 = std::min(a.y(), b.y()),
               y1 = std::max(a.y(), b.y());
  if (a.x() == b.x() || a.y() == b.y()) {
    const double dx = std::max({l - x1, 0.0, x0 - r}), dy = std::max({t - y1, 0.0, y0 - bo});
    return std::hypot(dx, dy);
  }
  // A slanted run (a straight connector): none where it passes through the box (between corners
  // far from it, as a steep run through a wide label does), else its distance to the corners
  // and edges.
  if (SlantCrossesBox(a, b, l, t, r, bo)) return 0;
  double d = 1e300;
  for (const QPointF c : {QPointF(l, t), QPointF(r, t), QPointF(r, bo), QPointF(l, bo)}) d = std::min(d, PointToRun(c, a, b));
  for (const QPoint p : {a, b}) {
    const double dx = std::max({l - p.x(), 0.0, p.x() - r}), dy = std::max({t - p.y(), 0.0, p.y() - bo});
    d = std::min(d, std::hypot(dx, dy));
  }
  return d;
}

std::vector<std::pair<QPoint, QPoint>> RunsOf(const std::vector<FigurePlan>& segments) {
  std::vector<std::pair<QPoint, QPoint>> runs;
  for (const FigurePlan& s : segments) {
    const connectors::Ends e = connectors::EndsOf(s.box, s.direction);
    runs.emplace_back(e.start, e.end);
  }
  return runs;
}

// The route's first run in route order: from its start to its first bend (or its end).
std::pair<QPoint, QPoint> FirstRun(const std::vector<FigurePlan>& segments) {
  const connectors::Ends first = connectors::EndsOf(segments.front().box, segments.front().direction);
  if (segments.size() == 1) {
    // A lone arrow runs from the end without the head.
    const bool headAtStart = segments.front().kind == semantics::ItemKind::Arrow && connectors::HeadAtStart(segments.front().heads) &&
                             !connectors::HeadAtEnd(segments.front().heads);
    return headAtStart ? std::pair{first.end, first.start} : std::pair{first.start, first.end};
  }
  const connectors::Ends next = connectors::EndsOf(segments[1].box, segments[1].direction);
  auto far = [&](QPoint p) {
    return std::min((p - next.start).manhattanLength(), (p - next.end).manhattanLength());
  };
  return far(first.start) >= far(first.end) ? std::pair{first.start, first.end} : std::pair{first.end, first.start};
}

}  // namespace

QRect PlaceBranchLabel(const std::vector<FigurePlan>& segments, QSize size, const std::vector<std::pair<QPoint, QPoint>>& runs,
                       const std::vector<QPointF>& middles, const std::vector<QRect>& blocked) {
  if (segments.empty()) return {};
  const auto [a, b] = FirstRun(segments);
  const bool level = a.y() == b.y(), upright = a.x() == b.x();
  if (level && upright) return {};  // no length
  const QPointF along = QPointF(b - a) / std::hypot(double(b.x() - a.x()), double(b.y() - a.y()));
  // Beside a slanted run: its normal that points up (right when it points neither way).
  QPointF normal(along.y(), -along.x());
  if (normal.y() > 0 || (normal.y() == 0 && normal.x() < 0)) normal = -normal;
  const int length = level ? std::abs(b.x() - a.x()) : upright ? std::abs(b.y() - a.y())
                                                                : static_cast<int>(std::hypot(double(b.x() - a.x()), double(b.y() - a.y())));
  const int sign = level ? (b.x() > a.x() ? 1 : -1) : (b.y() > a.y() ? 1 : -1);
  const int w = size.width(), h = size.height();
  const std::vector<std::pair<QPoint, QPoint>> own = RunsOf(segments);
  // Another connector lying on this one (two straight lines between one pair of shapes): no place
  // beside it tells the two apart.
  for (const auto& o : own) {
    const auto same = std::count_if(runs.begin(), runs.end(), [&](const auto& run) {
      return o == run || (o.first == run.second && o.second == run.first);
    });
    if (same > 1) return {};
  }
  // Only what lies near the start can come near a place beside it.
  const int reach = 80 + w + h;
  const QRect area(a.x() - reach, a.y() - reach, 2 * reach, 2 * reach);
  std::vector<std::pair<QPoint, QPoint>> nearRuns;
  std::vector<bool> isOwn;
  for (const auto& run : runs)
    if (QRect(run.first, run.second).normalized().adjusted(-1, -1, 1, 1).intersects(area)) {
      nearRuns.push_back(run);
      isOwn.push_back(std::any_of(own.begin(), own.end(), [&](const auto& o) {
        return o == run || (o.first == run.second && o.second == run.first);
      }));
    }
  const auto [ma, mb] = MiddleRun(segments);
  const QPointF ownMiddle = (QPointF(ma) + QPointF(mb)) / 2;
  std::vector<QPointF> nearMiddles;
  for (const QPointF& m : middles)
    if (m != ownMiddle && area.contains(m.toPoint())) nearMiddles.push_back(m);
  std::vector<QRect> nearBoxes;
  for (const QRect& r : blocked)
    if (r.intersects(area)) nearBoxes.push_back(r.adjusted(-2, -2, 2, 2));
  auto clear = [&](const QRect& box) {
    double ownD = 1e300, otherD = 1e300;
    for (size_t i = 0; i < nearRuns.size(); ++i) {
      const double d = RunToBox(nearRuns[i].first, nearRuns[i].second, box);
      if (d < kLabelRoom) return false;
      (isOwn[i] ? ownD : otherD) = std::min(isOwn[i] ? ownD : otherD, d);
    }
    if (otherD <= ownD + 1) return false;
    for (const QPointF& m : nearMiddles)
      if (semantics::DistanceToBox(m, box) <= semantics::kLabelReach + 1) return false;
    for (const QRect& r : nearBoxes)
      if (r.intersects(box)) return false;
    return true;
  };
  for (int side : {1, -1})  // above a level run, right of an upright one; then the other side
    for (int gap : {6, 10})
      for (int slide : {4, 12, 20, 28, 40, 56}) {
        if (slide >= length) break;
        QRect box;
        if (level) {
          const int left = sign > 0 ? a.x() + slide : a.x() - slide - w;
          box = QRect(left, side > 0 ? a.y() - gap - h : a.y() + gap, w, h);
        } else if (upright) {
          const int top = sign > 0 ? a.y() + slide : a.y() - slide - h;
          box = QRect(side > 0 ? a.x() + gap : a.x() - gap - w, top, w, h);
        } else {
          // The box's corner nearest the run lies `gap` off it; the box reaches away from it.
          const QPointF n = normal * side;
          const QPointF q = QPointF(a) + along * slide + n * gap;
          const int x = static_cast<int>(std::lround(q.x())), y = static_cast<int>(std::lround(q.y()));
          box = QRect(n.x() >= 0 ? x : x - w, n.y() >= 0 ? y : y - h, w, h);
        }
        if (clear(box)) return box;
      }
  return {};
}

Side ForwardSide(graph::Direction d) {
  switch (d) {
    case graph::Direction::TopToBottom: return Side::Bottom;
    case graph::Direction::BottomToTop: return Side::Top;
    case graph::Direction::LeftToRight: return Side::Right;
    case graph::Direction::RightToLeft: return Side::Left;
  }
  return Side::Bottom;
}

QRect PlaceLabelClear(const std::vector<FigurePlan>& segments, QSize size, const std::vector<std::pair<QPoint, QPoint>>& runs,
                      const std::vector<QRect>& blocked) {
  const auto [a, b] = MiddleRun(segments);
  const QRect beside = PlaceConnectorLabel(a, b, size);
  const QPointF mid = (QPointF(a) + QPointF(b)) / 2;
  const bool upright = std::abs(b.x() - a.x()) < std::abs(b.y() - a.y());
  const int w = size.width(), h = size.height();
  // Only what lies near the middle can come near a place within the label's reach.
  const int reach = static_cast<int>(semantics::kLabelReach) + w + h + 40;
  const QRect area(static_cast<int>(mid.x()) - reach, static_cast<int>(mid.y()) - reach, 2 * reach, 2 * reach);
  std::vector<std::pair<QPoint, QPoint>> nearRuns;
  for (const auto& [p, q] : runs)
    if (QRect(p, q).normalized().adjusted(-1, -1, 1, 1).intersects(area)) nearRuns.emplace_back(p, q);
  std::vector<QRect> nearBoxes;
  for (const QRect& r : blocked)
    if (r.intersects(area)) nearBoxes.push_back(r.adjusted(-2, -2, 2, 2));
  auto clear = [&](const QRect& box) {
    if (semantics::DistanceToBox(mid, box) >= semantics::kLabelReach - 2) return false;
    for (const auto& [p, q] : nearRuns)
      if (RunToBox(p, q, box) < kLabelRoom) return false;
    for (const QRect& r : nearBoxes)
      if (r.intersects(box)) return false;
    return true;
  };
  if (clear(beside)) return beside;
  for (int gap : {6, 10})
    for (int slide : {0, 8, -8, 16, -16, 24, -24})
      for (int sideSign : {1, -1}) {
        QRect box;
        if (upright) {
          const int x = sideSign > 0 ? static_cast<int>(std::lround(mid.x())) + gap : static_cast<int>(std::lround(mid.x())) - gap - w;
          box = QRect(x, static_cast<int>(std::lround(mid.y() - h / 2.0)) + slide, w, h);
        } else {
          const int y = sideSign > 0 ? static_cast<int>(std::lround(mid.y())) - gap - h : static_cast<int>(std::lround(mid.y())) + gap;
          box = QRect(static_cast<int>(std::lround(mid.x() - w / 2.0)) + slide, y, w, h);
        }
        if (clear(box)) return box;
      }
  return beside;
}

std::vector<PlannedConnector> RouteChartConnectors(std::span<const semantics::Item> items,
                                                   const std::vector<ConnectorRequest>& requests,
                                                   const std::vector<SideHint>& hints, bool offContainers) {
  const semantics::ItemGrid grid(items);
  const semantics::ItemQuery query = grid.AsQuery();
  std::vector<routing::Shape> shapes;
  std::unordered_map<connectors::FigureId, int> shapeOf;
  std::vector<QRect> blocked;
  // Containers are no obstacles: routes cross their edges freely, and a link to one ends on its
  // border. Their titles keep labels off.
  std::unordered_map<uint64_t, bool> container;
  const std::vector<semantics::Container> containers = semantics::FindContainers(items, query);
  for (const semantics::Container& c : containers) {
    container.emplace(c.frame->id, true);
    if (c.title) blocked.push_back(c.title->box);
  }
  std::vector<bool> open;
  for (const semantics::Item& i : items) {
    if (!semantics::IsShape(i.kind)) continue;
    routing::Shape s;
    s.kind = semantics::FigureKindOf(i.kind);
    s.box = i.box;
    const bool frame = container.count(i.id) > 0;
    if (!frame) {
      if (const semantics::Item* text = semantics::ShapeText(i, query)) {
        s.text = text->box;
        blocked.push_back(text->box);
      }
      blocked.push_back(i.box);
    }
    shapeOf.emplace(reinterpret_cast<connectors::FigureId>(static_cast<uintptr_t>(i.id)), static_cast<int>(shapes.size()));
    shapes.push_back(s);
    open.push_back(frame);
  }
  std::vector<routing::Link> links;
  std::vector<int> linkOf(requests.size(), -1);
  for (size_t k = 0; k < requests.size(); ++k) {
    const ConnectorRequest& r = requests[k];
    const auto a = shapeOf.find(r.from.id), b = shapeOf.find(r.to.id);
    if (!r.directed || a == shapeOf.end() || b == shapeOf.end()) continue;
    routing::Link link{a->second, b->second, {}, {}};
    if (k < hints.size()) link.fromSide = hints[k].from, link.toSide = hints[k].to;
    linkOf[k] = static_cast<int>(links.size());
    links.push_back(link);
  }
  routing::ObstacleIndex index = routing::IndexShapes(shapes, open);
  // Routes keep out of lanes' title bands. Other containers are left open: a link to one ends on
  // its border, often beside its title, and a route kept from there goes the long way round,
  // across others. Lanes' edges are no obstacles either: kept off them, a route back across the
  // lanes of draw.io's cross-functional template found no way and was drawn straight.
  std::unordered_set<uint64_t> lanes;
  for (const semantics::Pool& pool : semantics::FindPools(containers))
    for (const semantics::Item* lane : pool.lanes) lanes.insert(lane->id);
  for (const semantics::Container& c : containers)
    if (c.title && lanes.count(c.frame->id)) index.Add({c.title->box, -1, false});
  routing::RouteOptions options;
  for (size_t s = 0; s < shapes.size() && offContainers; ++s)
    if (open[s]) options.walls.push_back(shapes[s].box);
  std::vector<routing::Route> routes = routing::RouteAll(shapes, links, index, options);
  // Two routes leaving (or entering) one point the same way would read back as one connector
  // forking: a link whose sides were free takes the side facing its other shape across, and all are
  // routed again.
  bool again = false;
  const auto across = [&](int from, int to) {
    return shapes[static_cast<size_t>(to)].box.center().x() >= shapes[static_cast<size_t>(from)].box.center().x() ? Side::Right : Side::Left;
  };
  // The first runs of two routes lie along each other: they leave one point the same way.
  const auto sameWay = [](QPoint at, QPoint a, QPoint b) {
    const QPoint da = a - at, db = b - at;
    return (da.x() > 0) == (db.x() > 0) && (da.x() < 0) == (db.x() < 0) && (da.y() > 0) == (db.y() > 0) &&
           (da.y() < 0) == (db.y() < 0);
  };
  for (size_t l = 0; l < links.size(); ++l)
    for (size_t m = 0; m < links.size(); ++m) {
      const std::vector<QPoint>& p = routes[l].points;
      const std::vector<QPoint>& q = routes[m].points;
      if (l == m || p.size() < 2 || q.size() < 2 || links[l].fromSide || links[l].toSide) continue;
      if (links[l].from == links[m].from && p.front() == q.front() && sameWay(p[0], p[1], q[1])) {
        links[l].fromSide = across(links[l].from, links[l].to);
        again = true;
      } else if (links[l].to == links[m].to && p.back() == q.back() && sameWay(p.back(), p[p.size() - 2], q[q.size() - 2])) {
        links[l].toSide = across(links[l].to, links[l].from);
        again = true;
      }
    }
  if (again) routes = routing::RouteAll(shapes, links, index, options);
  routes = routing::Uncross(shapes, links, index, options, std::move(routes));
  std::vector<PlannedConnector> out(requests.size());
  std::vector<std::pair<QPoint, QPoint>> runs;
  for (size_t k = 0; k < requests.size(); ++k) {
    const int l = linkOf[k];
    const bool routed = l >= 0 && routes[static_cast<size_t>(l)].points.size() >= 2;
    // A straight one's label goes beside its start as well, with the others; where there is no
    // room it stays beside its middle, as straight connectors have it.
    if (!routed) out[k] = ConnectorPlanner::Straight(requests[k]);
    else out[k].segments = RouteSegments(routes[static_cast<size_t>(l)].points, requests[k].pen, true);
    for (const auto& run : RunsOf(out[k].segments)) runs.push_back(run);
  }
  // Labels keep off containers' outlines as off the routes: a border through a label hides it.
  for (const semantics::Container& c : containers) {
    const QRect& b = c.frame->box;
    const QPoint tl = b.topLeft(), tr(b.x() + b.width(), b.y()), bl(b.x(), b.y() + b.height()), br(tr.x(), bl.y());
    runs.insert(runs.end(), {{tl, tr}, {bl, br}, {tl, bl}, {tr, br}});
  }
  // Labels last, each clear of every route and of the labels placed before it.
  std::vector<QPointF> middles;
  for (const PlannedConnector& c : out)
    if (!c.segments.empty()) {
      const auto [a, b] = MiddleRun(c.segments);
      middles.push_back((QPointF(a) + QPointF(b)) / 2);
    }
  for (size_t k = 0; k < requests.size(); ++k) {
    const ConnectorRequest& r = requests[k];
    if (r.label.empty() || out[k].segments.empty()) continue;
    FigurePlan label;
    label.kind = semantics::ItemKind::Label;
    label.box = PlaceBranchLabel(out[k].segments, r.labelSize, runs, middles, blocked);
    if (label.box.isEmpty() && out[k].label) label.box = out[k].label->box;
    if (label.box.isEmpty()) label.box = PlaceLabelClear(out[k].segments, r.labelSize, runs, blocked);
    label.brush = bsClear;  // the route shows through the label's box
    label.lineWidth = 1;
    label.caption = r.label;
    blocked.push_back(label.box);
    out[k].label = label;
  }
  return out;
}

}  // namespace flowchart
