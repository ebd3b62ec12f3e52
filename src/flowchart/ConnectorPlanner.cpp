#include "ConnectorPlanner.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <set>
#include <utility>

#include "ArrowHeads.h"
#include "ChartRoutes.h"
#include "ConnectorGeometry.h"
#include "ElbowRoute.h"
#include "RouteFigures.h"
#include "SidePoints.h"
#include "StraightConnector.h"
#include "TextPlacement.h"

namespace flowchart {

namespace {

using connectors::Side;

// How far a loop runs out of its shape before it turns.
constexpr int kLoopReach = 2 * connectors::kElbowStub;

FigurePlan PlanOf(const connectors::Figure& f, const ConnectorPen& pen) {
  FigurePlan p;
  p.kind = f.kind == connectors::FigureKind::Arrow ? semantics::ItemKind::Arrow : semantics::ItemKind::Line;
  p.box = f.box;
  p.direction = f.direction;
  p.heads = f.heads;
  p.lineColor = pen.colour;
  p.pen = pen.style;
  p.lineWidth = pen.width;
  p.caption.clear();
  return p;
}

int Index(Side s) { return static_cast<int>(s); }

// Whether the head lies ahead of the tail along the side's direction, beyond its box.
bool Ahead(const QRect& tail, const QRect& head, Side forward) {
  switch (forward) {
    case Side::Bottom: return head.top() > tail.bottom();
    case Side::Top: return head.bottom() < tail.top();
    case Side::Right: return head.left() > tail.right();
    case Side::Left: return head.right() < tail.left();
  }
  return false;
}

void AddLabel(PlannedConnector& c, const ConnectorRequest& r) {
  if (r.label.empty() || c.segments.empty()) return;
  const auto [a, b] = MiddleRun(c.segments);
  FigurePlan label;
  label.kind = semantics::ItemKind::Label;
  label.box = PlaceConnectorLabel(a, b, r.labelSize);
  label.brush = bsClear;  // the route shows through the label's box
  label.lineWidth = 1;
  label.caption = r.label;
  c.label = label;
}

}  // namespace

ConnectorPen PenOf(const graph::Edge& edge) {
  ConnectorPen pen;
  if (edge.colour) pen.colour = ColourOf(*edge.colour);
  if (edge.style == graph::LineStyle::Dashed) pen.style = psDash;
  if (edge.style == graph::LineStyle::Thick) pen.width = 4;
  return pen;
}

std::pair<QPoint, QPoint> MiddleRun(const std::vector<FigurePlan>& segments) {
  const size_t n = segments.size();
  auto ends = [&](size_t i) { return connectors::EndsOf(segments[i].box, segments[i].direction); };
  auto length = [&](size_t i) {
    const connectors::Ends e = ends(i);
    return std::hypot(double(e.end.x() - e.start.x()), double(e.end.y() - e.start.y()));
  };
  size_t m = n / 2;
  if (n % 2 == 0 && !(length(n / 2) > length(n / 2 - 1))) m = n / 2 - 1;
  const connectors::Ends e = ends(m);
  return {e.start, e.end};
}

std::vector<FigurePlan> RouteSegments(const std::vector<QPoint>& route, const ConnectorPen& pen, bool directed) {
  const std::vector<QPoint> p = connectors::Simplified(route);
  int last = 0;
  if (p.size() >= 2) {
    const QPoint d = p.back() - p[p.size() - 2];
    last = static_cast<int>(std::hypot(double(d.x()), double(d.y())));
  }
  const connectors::ArrowRates rates = connectors::HeadRates(pen.width, last);
  std::vector<FigurePlan> out;
  for (const connectors::Figure& f : connectors::SegmentsOf(p, pen.width, rates)) {
    FigurePlan plan = PlanOf(f, pen);
    if (plan.kind == semantics::ItemKind::Arrow) {
      plan.thicknessRate = static_cast<uint16_t>(rates.thicknessRate);
      plan.headLengthRate = static_cast<uint16_t>(rates.headLengthRate);
    }
    out.push_back(plan);
  }
  // Without a direction the last run is a line as thin across as lines are drawn.
  if (!directed && p.size() >= 2)
    out.back() = PlanOf(connectors::RunFigure(connectors::FigureKind::Line, p[p.size() - 2], p.back(),
                                              std::max(connectors::kLineCross, pen.width + 2)),
                        pen);
  return out;
}

ConnectorPlanner::ConnectorPlanner(graph::Direction direction, ConnectorForm form, connectors::FigureQuery obstacles)
    : direction_(direction), form_(form), obstacles_(std::move(obstacles)) {}

std::vector<ConnectorPlanner::Sides> ConnectorPlanner::ChooseSides(const std::vector<ConnectorRequest>& requests) {
  const Side forward = ForwardSide(direction_), back = connectors::Opposite(forward);
  const bool vertical = !connectors::IsHorizontal(forward);
  // The sides across the direction, toward smaller and greater coordinates.
  const Side lower = vertical ? Side::Left : Side::Top, upper = vertical ? Side::Right : Side::Bottom;
  auto across = [&](const QRect& a, const QRect& b) {
    const QPoint d = b.center() - a.center();
    return vertical ? d.x() : d.y();
  };
  std::vector<Sides> sides(requests.size());
  auto take = [this](connectors::FigureId id, Side s) {
    bool& used = usedSides_[id][Index(s)];
    if (used) return false;
    used = true;
    return true;
  };
  // Loops first: they keep to the corner they go around.
  for (const ConnectorRequest& r : requests)
    if (r.from.id == r.to.id) {
      take(r.from.id, upper);
      take(r.from.id, back);
    }
  std::vector<size_t> ahead, behind;
  for (size_t k = 0; k < requests.size(); ++k) {
    const ConnectorRequest& r = requests[k];
    if (r.from.id == r.to.id || !r.directed || form_ != ConnectorForm::Elbow) continue;
    (Ahead(r.from.box, r.to.box, forward) ? ahead : behind).push_back(k);
  }
  // Along the direction: the most nearly in line of each shape's connectors takes the side
  // facing along it.
  std::vector<size_t> byAlignment = ahead;
  std::stable_sort(byAlignment.begin(), byAlignment.end(), [&](size_t a, size_t b) {
    return std::abs(across(requests[a].from.box, requests[a].to.box)) <
           std::abs(across(requests[b].from.box, requests[b].to.box));
  });
  for (size_t k : byAlignment) {
    if (take(requests[k].from.id, forward)) sides[k].from = forward;
    if (take(requests[k].to.id, back)) sides[k].to = back;
  }
  // The others by the side across toward where they go (come from), nearest in line first.
  auto acrossSide = [&](connectors::FigureId id, int toward) -> std::optional<Side> {
    if (toward != 0) return take(id, toward < 0 ? lower : upper) ? std::optional<Side>(toward < 0 ? lower : upper) : std::nullopt;
    for (Side s : {upper, lower})
      if (take(id, s)) return s;
    return std::nullopt;
  };
  for (size_t k : byAlignment) {
    const ConnectorRequest& r = requests[k];
    const int d = across(r.from.box, r.to.box);
    if (!sides[k].from) sides[k].from = acrossSide(r.from.id, d);
    if (!sides[k].to) sides[k].to = acrossSide(r.to.id, -d);
  }
  // Back against the direction: around the outside, out and in by the same side across where
  // both are free (the greater one first).
  for (size_t k : behind) {
    const ConnectorRequest& r = requests[k];
    const std::pair<Side, Side> pairs[] = {{upper, upper}, {lower, lower}, {upper, lower}, {lower, upper}};
    for (const auto& [out, in] : pairs) {
      if (usedSides_[r.from.id][Index(out)] || usedSides_[r.to.id][Index(in)]) continue;
      take(r.from.id, out);
      take(r.to.id, in);
      sides[k] = {out, in};
      break;
    }
  }
  return sides;
}

std::vector<PlannedConnector> ConnectorPlanner::PlanAll(const std::vector<ConnectorRequest>& requests) {
  const std::vector<Sides> sides = ChooseSides(requests);
  std::vector<PlannedConnector> out;
  out.reserve(requests.size());
  // Straight connectors between the same two shapes, either way, would lie on each other (two
  // opposite arrows look like one with two heads): the later ones go around by a free side.
  std::set<std::pair<connectors::FigureId, connectors::FigureId>> joined;
  for (size_t k = 0; k < requests.size(); ++k) {
    const ConnectorRequest& r = requests[k];
    if (r.from.id == r.to.id) {
      out.push_back(Loop(r));
      continue;
    }
    if (form_ == ConnectorForm::Straight && !joined.insert(std::minmax(r.from.id, r.to.id)).second) {
      out.push_back(Otherwise(r));
      continue;
    }
    std::optional<PlannedConnector> elbow;
    if (sides[k].from && sides[k].to) elbow = Elbow(r, sides[k]);
    out.push_back(elbow ? std::move(*elbow) : Straight(r));
  }
  LabelStraightBesideStart(out, requests);
  return out;
}

void ConnectorPlanner::LabelStraightBesideStart(std::vector<PlannedConnector>& out,
                                                const std::vector<ConnectorRequest>& requests) const {
  std::vector<std::pair<QPoint, QPoint>> runs;
  std::vector<QPointF> middles;
  std::vector<QRect> labels;
  for (const PlannedConnector& c : out) {
    for (const FigurePlan& s : c.segments) {
      const connectors::Ends e = connectors::EndsOf(s.box, s.direction);
      runs.emplace_back(e.start, e.end);
    }
    if (c.segments.empty()) continue;
    const auto [a, b] = MiddleRun(c.segments);
    middles.push_back((QPointF(a) + QPointF(b)) / 2);
    if (c.label && c.segments.size() != 1) labels.push_back(c.label->box);
  }
  std::vector<connectors::Figure> near;
  for (size_t k = 0; k < out.size(); ++k) {
    PlannedConnector& c = out[k];
    if (c.segments.size() != 1 || !c.label) continue;
    std::vector<QRect> blocked = labels;
    near.clear();
    const int reach = 80 + requests[k].labelSize.width() + requests[k].labelSize.height();
    obstacles_(c.segments.front().box.adjusted(-reach, -reach, reach, reach), near);
    for (const connectors::Figure& f : near)
      if (!connectors::IsConnector(f.kind)) blocked.push_back(f.box);
    // Where no place beside the start is clear, the label stays beside the middle.
    const QRect box = PlaceBranchLabel(c.segments, requests[k].labelSize, runs, middles, blocked);
    if (!box.isEmpty()) c.label->box = box;
    labels.push_back(c.label->box);
  }
}

PlannedConnector ConnectorPlanner::Otherwise(const ConnectorRequest& r) {
  if (form_ == ConnectorForm::Elbow || !r.directed || r.from.id == r.to.id) return Straight(r);
  const bool vertical = !connectors::IsHorizontal(ForwardSide(direction_));
  const Side lower = vertical ? Side::Left : Side::Top, upper = vertical ? Side::Right : Side::Bottom;
  for (const auto& [out, in] : {std::pair{upper, upper}, std::pair{lower, lower}}) {
    if (usedSides_[r.from.id][Index(out)] || usedSides_[r.to.id][Index(in)]) continue;
    usedSides_[r.from.id][Index(out)] = usedSides_[r.to.id][Index(in)] = true;
    if (std::optional<PlannedConnector> elbow = Elbow(r, {out, in})) return std::move(*elbow);
  }
  return Straight(r);
}

PlannedConnector ConnectorPlanner::Straight(const ConnectorRequest& r) {
  const connectors::StraightEnds ends = connectors::StraightBetween(r.from, r.to);
  PlannedConnector c;
  if (r.directed) {
    connectors::Figure shape;
    shape.kind = connectors::FigureKind::Arrow;
    shape.heads = apRight;
    const QPoint d = ends.to - ends.from;
    const connectors::ArrowRates rates =
        connectors::HeadRates(r.pen.width, static_cast<int>(std::hypot(double(d.x()), double(d.y()))));
    const connectors::StraightConnector s =
        connectors::RebuildStraight(shape, r.from, r.to, connectors::StyleOf(rates, r.pen.width));
    FigurePlan plan = PlanOf(s.figure, r.pen);
    plan.thicknessRate = static_cast<uint16_t>(std::max(1, s.style.thicknessRate));
    plan.headLengthRate = static_cast<uint16_t>(std::max(1, s.style.headLengthRate));
    c.segments.push_back(plan);
  } else {
    c.segments = RouteSegments({ends.from, ends.to}, r.pen, false);
  }
  AddLabel(c, r);
  return c;
}

std::optional<PlannedConnector> ConnectorPlanner::Elbow(const ConnectorRequest& r, const Sides& sides) {
  const connectors::ElbowRoute route = connectors::RouteElbow(r.from, r.to, obstacles_, {sides.from, sides.to});
  if (route.points.size() < 2) return std::nullopt;
  // The route may have taken other sides than those chosen: never one another route has.
  std::array<bool, 4>& fromUsed = usedSides_[r.from.id];
  std::array<bool, 4>& toUsed = usedSides_[r.to.id];
  if (route.from != *sides.from) {
    if (fromUsed[Index(route.from)]) return std::nullopt;
    fromUsed[Index(route.from)] = true;
  }
  if (route.to != *sides.to) {
    if (toUsed[Index(route.to)]) return std::nullopt;
    toUsed[Index(route.to)] = true;
  }
  PlannedConnector c;
  c.segments = RouteSegments(route.points, r.pen, true);
  AddLabel(c, r);
  return c;
}

PlannedConnector ConnectorPlanner::Loop(const ConnectorRequest& r) const {
  // Out of one side, around the corner and into the next side: three bends, clear of the shape.
  const Side forward = ForwardSide(direction_);
  const Side out = connectors::IsHorizontal(forward) ? Side::Bottom : Side::Right;
  const Side in = connectors::Opposite(forward);
  const connectors::SidePoint a = connectors::AttachPoint(r.from.kind, r.from.box, out);
  const connectors::SidePoint b = connectors::AttachPoint(r.from.kind, r.from.box, in);
  const QPoint a1 = a.point + a.outward * kLoopReach, b1 = b.point + b.outward * kLoopReach;
  const QPoint corner = connectors::IsHorizontal(out) ? QPoint(a1.x(), b1.y()) : QPoint(b1.x(), a1.y());
  PlannedConnector c;
  // Lines alone make no connector: a loop always has its arrow.
  c.segments = RouteSegments({a.point, a1, corner, b1, b.point}, r.pen, true);
  AddLabel(c, r);
  return c;
}

}  // namespace flowchart
