#include "ConnectorFollowing.h"

#include <algorithm>
#include <optional>

#include "AttachmentFinder.h"
#include "Outline.h"
#include "CustomKDTool.h"
#include "Diagram.h"
#include "Follow.h"
#include "StraightConnector.h"
#include "ElbowChains.h"
#include "ElbowRoute.h"
#include "EveryFigure.h"
#include "RouteFigures.h"
#include "ConnectorGeometry.h"
#include "KDTools.h"

using connectors::Figure;
using connectors::FigureKind;

namespace {

// One virtual call rather than a chain of casts: this runs for every figure a query meets.
FigureKind KindOf(const TCustomKDTool& f) {
  const char* name = f.ClassName();  // "TKD..." of the nine classes
  switch (name[3]) {
    case 'B': return FigureKind::Circle;
    case 'E': return name[4] == 'n' ? FigureKind::Circle : FigureKind::Ellipse;
    case 'P': return FigureKind::RoundedBox;
    case 'D': return FigureKind::Diamond;
    case 'L': return name[4] == 'a' ? FigureKind::Label : FigureKind::Line;
    case 'A': return FigureKind::Arrow;
    default: return FigureKind::Box;
  }
}

TCustomKDTool* Widget(connectors::FigureId id) {
  return const_cast<TCustomKDTool*>(static_cast<const TCustomKDTool*>(id));
}

}  // namespace

FollowerShape ShapeOf(const TCustomKDTool& figure) {
  FollowerShape s{figure.BoundsRect()};
  if (auto* line = qobject_cast<const TKDLine*>(&figure)) s.direction = line->Orientation();
  if (auto* arrow = qobject_cast<const TKDArrow*>(&figure)) {
    s.direction = arrow->ArrowDirection();
    s.heads = arrow->ArrowPosition();
    s.thicknessRate = arrow->ArrowThicknessRate();
    s.headLengthRate = arrow->ArrowHeadLengthRate();
  }
  return s;
}

void ApplyShape(TCustomKDTool& figure, const FollowerShape& shape) {
  if (ShapeOf(figure) == shape) return;
  figure.Invalidate();
  // Each setter rebuilds the outline: only what changed is set.
  if (auto* line = qobject_cast<TKDLine*>(&figure); line && line->Orientation() != shape.direction)
    line->SetOrientation(shape.direction);
  if (auto* arrow = qobject_cast<TKDArrow*>(&figure)) {
    if (arrow->ArrowDirection() != shape.direction) arrow->SetArrowDirection(shape.direction);
    if (arrow->ArrowPosition() != shape.heads) arrow->SetArrowPosition(shape.heads);
    if (shape.thicknessRate && arrow->ArrowThicknessRate() != shape.thicknessRate)
      arrow->SetArrowThicknessRate(shape.thicknessRate);
    if (shape.headLengthRate && arrow->ArrowHeadLengthRate() != shape.headLengthRate)
      arrow->SetArrowHeadLengthRate(shape.headLengthRate);
  }
  const QRect& b = shape.box;
  figure.ApplyBounds(b.x(), b.y(), b.width(), b.height());
  figure.Invalidate();
}

Figure DescribeFigure(const TCustomKDTool& figure, int stacking) {
  const FollowerShape s = ShapeOf(figure);
  return Figure{&figure, KindOf(figure), s.box, s.direction, s.heads, stacking};
}

connectors::FigureQuery QueryOf(const Diagram& diagram) {
  return [&diagram](const QRect& area, std::vector<Figure>& out) {
    std::vector<TCustomKDTool*> hits;
    diagram.FiguresIn(area, hits);
    for (TCustomKDTool* f : hits)
      if (!f->isHidden()) out.push_back(DescribeFigure(*f, diagram.StackIndexOf(f)));
  };
}

namespace {
// Beyond this many moving figures it is cheaper to start from the connectors and labels that stay.
constexpr size_t kManyMoving = 2000;

bool Follows(const TCustomKDTool& f) {
  const FigureKind kind = KindOf(f);
  return kind == FigureKind::Line || kind == FigureKind::Arrow || kind == FigureKind::Label;
}

// Of many moving figures, those near a line, arrow or label that stays: only they can have
// followers (the finder's rules give the same result for them as for all).
std::vector<const TCustomKDTool*> NearStayingFollowers(const Diagram& diagram, const std::vector<TCustomKDTool*>& targets) {
  const TControlMarks moving;
  for (const TCustomKDTool* f : targets) moving.Add(f);
  std::vector<const TCustomKDTool*> near;
  std::vector<TCustomKDTool*> hits;
  const int reach = connectors::kAttachReach + 1;
  for (TCustomControl* c : diagram.Ordered()) {
    auto* f = static_cast<TCustomKDTool*>(c);
    if (moving.Contains(f) || !Follows(*f)) continue;
    hits.clear();
    diagram.FiguresIn(f->BoundsRect().adjusted(-reach, -reach, reach, reach), hits);
    for (TCustomKDTool* h : hits)
      if (moving.Contains(h)) near.push_back(h);
  }
  std::sort(near.begin(), near.end());
  near.erase(std::unique(near.begin(), near.end()), near.end());
  std::vector<const TCustomKDTool*> out;
  for (const TCustomKDTool* f : targets)
    if (std::binary_search(near.begin(), near.end(), f)) out.push_back(f);
  return out;
}
}  // namespace

std::unique_ptr<ConnectorFollowing> ConnectorFollowing::Find(const Diagram& diagram,
                                                             const std::vector<TCustomKDTool*>& targets) {
  if (targets.empty() || IsEveryFigure(diagram, targets)) return nullptr;
  std::vector<const TCustomKDTool*> candidates(targets.begin(), targets.end());
  if (targets.size() > kManyMoving) candidates = NearStayingFollowers(diagram, targets);
  std::vector<Figure> moving;
  moving.reserve(candidates.size());
  for (const TCustomKDTool* f : candidates) moving.push_back(DescribeFigure(*f, diagram.StackIndexOf(f)));
  connectors::Attachments found = connectors::FindAttachments(moving, QueryOf(diagram));
  if (found.empty()) return nullptr;
  std::unique_ptr<ConnectorFollowing> following(new ConnectorFollowing(diagram, std::move(found)));
  following->FindBetween(targets);
  return following;
}

ConnectorFollowing::ConnectorFollowing(const Diagram& diagram, connectors::Attachments found)
    : diagram_(diagram), found_(std::move(found)) {}


namespace {

geom::ArrowStyle StyleOf(const TCustomKDTool& connector) {
  geom::ArrowStyle style;
  style.lineWidth = connector.LineWidth();
  if (auto* arrow = qobject_cast<const TKDArrow*>(&connector)) {
    style.thicknessRate = arrow->ArrowThicknessRate();
    style.headLengthRate = arrow->ArrowHeadLengthRate();
  }
  return style;
}

uint16_t Rate(int value) { return static_cast<uint16_t>(std::clamp(value, 1, 65535)); }

}  // namespace

void ConnectorFollowing::FindBetween(const std::vector<TCustomKDTool*>& targets) {
  const Diagram& diagram = diagram_;
  const connectors::FigureQuery query = QueryOf(diagram);
  std::vector<connectors::FigureId> moving(targets.begin(), targets.end());
  std::sort(moving.begin(), moving.end());
  auto isMoving = [&](connectors::FigureId id) { return std::binary_search(moving.begin(), moving.end(), id); };
  std::vector<std::pair<connectors::FigureId, int>> linkOf;  // sorted: a connector's link
  for (size_t i = 0; i < found_.connectors.size(); ++i) linkOf.push_back({found_.connectors[i].connector.id, static_cast<int>(i)});
  std::sort(linkOf.begin(), linkOf.end());
  auto linkIndex = [&](connectors::FigureId id) {
    auto it = std::lower_bound(linkOf.begin(), linkOf.end(), std::pair<connectors::FigureId, int>{id, -1});
    return it != linkOf.end() && it->first == id ? it->second : -1;
  };
  inElbow_.assign(found_.connectors.size(), 0);
  std::vector<TCustomKDTool*> extra;  // elbow segments that follow nothing themselves
  for (size_t i = 0; i < found_.connectors.size(); ++i) {
    if (inElbow_[i]) continue;
    const connectors::ConnectorLink& link = found_.connectors[i];
    const connectors::Ends ends = connectors::EndsOf(link.connector);
    auto owner = [&](const connectors::Anchor& anchor, QPoint p) -> std::optional<Figure> {
      if (!anchor) return connectors::OwnerNear(p, query, link.connector.id);
      Figure f = DescribeFigure(*Widget(anchor.figure), diagram.StackIndexOf(Widget(anchor.figure)));
      f.box = anchor.box;
      return f;
    };
    const std::optional<Figure> start = owner(link.start, ends.start), end = owner(link.end, ends.end);
    if (start && end && start->id != end->id) {
      // A head only at the start enters the start's shape.
      const bool reversed = link.connector.kind == FigureKind::Arrow && link.connector.heads == apLeft;
      Between b{i, reversed ? *end : *start, reversed ? *start : *end, false, false, StyleOf(*Widget(link.connector.id))};
      b.tailMoves = bool(reversed ? link.end : link.start);
      b.headMoves = bool(reversed ? link.start : link.end);
      between_.push_back(b);
      continue;
    }
    if (bool(link.start) == bool(link.end)) continue;
    const std::optional<connectors::ElbowChain> chain =
        connectors::TraceChain(link.connector, link.start ? ends.start : ends.end, query);
    if (!chain) continue;
    // Segments that move themselves make no chain to route.
    if (std::any_of(chain->segments.begin(), chain->segments.end(), [&](const Figure& f) { return isMoving(f.id); }))
      continue;
    Elbow e;
    e.segments = chain->segments;
    e.source = chain->source;
    e.target = chain->target;
    e.sourceMoves = isMoving(e.source.id);
    e.targetMoves = isMoving(e.target.id);
    // The chain leaves its source from the first segment's end that the second does not share.
    const connectors::Ends first = connectors::EndsOf(e.segments.front()), second = connectors::EndsOf(e.segments[1]);
    const QPoint from = first.start == second.start || first.start == second.end ? first.end : first.start;
    const connectors::Ends last = connectors::EndsOf(e.segments.back());
    const QPoint to = connectors::HeadAtStart(e.segments.back().heads) ? last.start : last.end;
    e.from = connectors::NearestSide(e.source, from);
    e.to = connectors::NearestSide(e.target, to);
    const TCustomKDTool& arrow = *Widget(e.segments.back().id);
    const geom::ArrowStyle style = StyleOf(arrow);
    e.lineWidth = arrow.LineWidth();
    e.rates = {style.thicknessRate, style.headLengthRate};
    for (const Figure& f : e.segments) {
      const int k = linkIndex(f.id);
      e.links.push_back(k);
      if (k >= 0) inElbow_[static_cast<size_t>(k)] = 1;
      else extra.push_back(Widget(f.id));
    }
    elbows_.push_back(std::move(e));
  }
  followers_.reserve(found_.connectors.size() + extra.size() + found_.labels.size());
  for (const connectors::ConnectorLink& c : found_.connectors) followers_.push_back(Widget(c.connector.id));
  followers_.insert(followers_.end(), extra.begin(), extra.end());
  for (const connectors::LabelLink& l : found_.labels) followers_.push_back(Widget(l.label.id));
}

std::vector<ConnectorFollowing::ElbowLink> ConnectorFollowing::ElbowLinks() const {
  std::vector<ElbowLink> out;
  for (const Elbow& e : elbows_) {
    ElbowLink link{{}, Widget(e.source.id), Widget(e.target.id)};
    for (const Figure& f : e.segments) link.segments.push_back(Widget(f.id));
    out.push_back(std::move(link));
  }
  return out;
}

std::vector<ConnectorFollowing::ElbowLink> ConnectorFollowing::SquareLinks() const {
  std::vector<ElbowLink> out;
  for (const Between& b : between_) {
    const Figure& c = found_.connectors[b.link].connector;
    if (c.kind != FigureKind::Arrow || c.heads == apBoth) continue;
    const connectors::Ends e = connectors::EndsOf(c);
    if (e.start.x() != e.end.x() && e.start.y() != e.end.y()) continue;
    out.push_back({{Widget(c.id)}, Widget(b.tail.id), Widget(b.head.id)});
  }
  return out;
}

void ConnectorFollowing::StepElbow(const Elbow& e, const connectors::Followers& now) {
  Figure source = e.source, target = e.target;
  if (e.sourceMoves) source.box = Widget(source.id)->BoundsRect();
  if (e.targetMoves) target.box = Widget(target.id)->BoundsRect();
  std::vector<Figure> laid = e.segments;
  connectors::ArrowRates rates = e.rates;
  const QPoint sourceBy = source.box.topLeft() - e.source.box.topLeft(), targetBy = target.box.topLeft() - e.target.box.topLeft();
  const bool whole = source.box.size() == e.source.box.size() && target.box.size() == e.target.box.size() && sourceBy == targetBy;
  if (whole) {
    for (Figure& f : laid) f.box.translate(sourceBy);
  } else {
    const connectors::ElbowRoute route = connectors::RouteElbow(source, target, QueryOf(diagram_), {e.from, e.to});
    // A route of fewer runs than the chain has segments is cut to as many: the chain stays square.
    const auto lay = [&](connectors::ArrowRates r) {
      std::vector<Figure> runs = connectors::SegmentsOf(route.points, e.lineWidth, r);
      if (runs.size() < laid.size())
        if (std::vector<Figure> cut = connectors::SegmentsInto(route.points, laid.size(), e.lineWidth, r); !cut.empty())
          runs = std::move(cut);
      return runs;
    };
    std::vector<Figure> runs = lay(e.rates);
    // A head longer than the last run gets the head a new one would: it shows whole. (The search
    // for the nearest smaller head costs too much for every connector at every step.)
    if (!runs.empty()) {
      const Figure& last = runs.back();
      const geom::ArrowHead head = connectors::HeadOf(last, connectors::StyleOf(e.rates, e.lineWidth), connectors::HeadAtEnd(last.heads));
      if (!connectors::HeadInside(head, last.box, e.lineWidth)) {
        const connectors::Ends ends = connectors::EndsOf(last);
        const QPoint run = ends.end - ends.start;
        rates = connectors::HeadRates(e.lineWidth, std::abs(run.x()) + std::abs(run.y()));
        runs = lay(rates);
      }
    }
    if (runs.size() != laid.size()) rates = e.rates;
    if (runs.size() == laid.size()) {
      for (size_t i = 0; i < laid.size(); ++i) {
        laid[i].box = runs[i].box;
        laid[i].direction = runs[i].direction;
        laid[i].heads = runs[i].heads;
      }
    } else {
      // No route with as many runs: the ends follow their shapes as lone connectors do.
      for (size_t i = 0; i < laid.size(); ++i)
        if (e.links[i] >= 0) laid[i] = now.connectors[static_cast<size_t>(e.links[i])];
    }
  }
  for (const Figure& f : laid) {
    TCustomKDTool& widget = *Widget(f.id);
    FollowerShape shape = ShapeOf(widget);
    shape.box = f.box;
    shape.direction = f.direction;
    shape.heads = f.heads;
    if (shape.thicknessRate) {
      shape.thicknessRate = Rate(rates.thicknessRate);
      shape.headLengthRate = Rate(rates.headLengthRate);
    }
    ApplyShape(widget, shape);
  }
}

void ConnectorFollowing::Step() {
  auto boxNow = [](connectors::FigureId id) { return Widget(id)->BoundsRect(); };
  const connectors::Followers now = connectors::Follow(found_, boxNow);
  // Every step starts from the drag's start: a head made smaller on the way gets its rates back.
  std::vector<const Between*> laid(now.connectors.size(), nullptr);
  for (const Between& b : between_) laid[b.link] = &b;
  for (const Elbow& e : elbows_) StepElbow(e, now);
  for (size_t i = 0; i < now.connectors.size(); ++i) {
    if (inElbow_[i]) continue;
    const Figure& c = now.connectors[i];
    TCustomKDTool& widget = *Widget(c.id);
    FollowerShape shape = ShapeOf(widget);
    shape.box = c.box;
    shape.direction = c.direction;
    shape.heads = c.heads;
    if (const Between* b = laid[i]) {
      Figure tail = b->tail, head = b->head;
      if (b->tailMoves) tail.box = boxNow(tail.id);
      if (b->headMoves) head.box = boxNow(head.id);
      geom::ArrowStyle style = b->style;
      const QPoint tailBy = tail.box.topLeft() - b->tail.box.topLeft(), headBy = head.box.topLeft() - b->head.box.topLeft();
      const bool whole = tail.box.size() == b->tail.box.size() && head.box.size() == b->head.box.size() && tailBy == headBy;
      // Moved together (or not at all) the connector moves whole, as Follow has it.
      if (!whole) {
        const connectors::StraightConnector rebuilt =
            connectors::RebuildStraight(found_.connectors[i].connector, tail, head, b->style, connectors::StraightRule::Tips);
        shape.box = rebuilt.figure.box;
        shape.direction = rebuilt.figure.direction;
        shape.heads = rebuilt.figure.heads;
        style = rebuilt.style;
      }
      if (shape.thicknessRate) {
        shape.thicknessRate = Rate(style.thicknessRate);
        shape.headLengthRate = Rate(style.headLengthRate);
      }
    }
    ApplyShape(widget, shape);
  }
  for (const Figure& l : now.labels) {
    TCustomKDTool& label = *Widget(l.id);
    FollowerShape shape = ShapeOf(label);
    shape.box = l.box;
    ApplyShape(label, shape);
  }
}
