#include "ConnectorFollowing.h"

#include <algorithm>
#include <optional>

#include "AttachmentFinder.h"
#include "Outline.h"
#include "CustomKDTool.h"
#include "Diagram.h"
#include "Follow.h"
#include "StraightConnector.h"
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
  if (targets.empty()) return nullptr;
  std::vector<const TCustomKDTool*> candidates(targets.begin(), targets.end());
  if (targets.size() > kManyMoving) candidates = NearStayingFollowers(diagram, targets);
  std::vector<Figure> moving;
  moving.reserve(candidates.size());
  for (const TCustomKDTool* f : candidates) moving.push_back(DescribeFigure(*f, diagram.StackIndexOf(f)));
  connectors::Attachments found = connectors::FindAttachments(moving, QueryOf(diagram));
  if (found.empty()) return nullptr;
  std::unique_ptr<ConnectorFollowing> following(new ConnectorFollowing(std::move(found)));
  following->FindBetween(diagram);
  return following;
}

ConnectorFollowing::ConnectorFollowing(connectors::Attachments found) : found_(std::move(found)) {
  followers_.reserve(found_.connectors.size() + found_.labels.size());
  for (const connectors::ConnectorLink& c : found_.connectors) followers_.push_back(Widget(c.connector.id));
  for (const connectors::LabelLink& l : found_.labels) followers_.push_back(Widget(l.label.id));
}


namespace {

// The closed shape a connector's end lies on, near or in, of those the query finds around it:
// on or near an outline before deep inside one, then the topmost (as attachments are found).
std::optional<Figure> OwnerNear(QPoint p, const connectors::FigureQuery& query, connectors::FigureId self) {
  const double reach = connectors::kAttachReach;
  const int r = connectors::kAttachReach + 1;
  std::vector<Figure> near;
  query(QRect(p.x() - r, p.y() - r, 2 * r + 1, 2 * r + 1), near);
  std::optional<Figure> best;
  bool bestDeep = false;
  for (const Figure& f : near) {
    if (f.id == self || !connectors::IsClosed(f.kind) || !connectors::IsAttached(f.kind, f.box, p, reach)) continue;
    const bool deep = connectors::Contains(f.kind, f.box, p) && connectors::DistanceToOutline(f.kind, f.box, p) > reach;
    if (!best || (!deep && bestDeep) || (deep == bestDeep && f.stacking > best->stacking)) {
      best = f;
      bestDeep = deep;
    }
  }
  return best;
}

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

void ConnectorFollowing::FindBetween(const Diagram& diagram) {
  const connectors::FigureQuery query = QueryOf(diagram);
  for (size_t i = 0; i < found_.connectors.size(); ++i) {
    const connectors::ConnectorLink& link = found_.connectors[i];
    const connectors::Ends ends = connectors::EndsOf(link.connector);
    auto owner = [&](const connectors::Anchor& anchor, QPoint p) -> std::optional<Figure> {
      if (!anchor) return OwnerNear(p, query, link.connector.id);
      Figure f = DescribeFigure(*Widget(anchor.figure), diagram.StackIndexOf(Widget(anchor.figure)));
      f.box = anchor.box;
      return f;
    };
    const std::optional<Figure> start = owner(link.start, ends.start), end = owner(link.end, ends.end);
    if (!start || !end || start->id == end->id) continue;
    // A head only at the start enters the start's shape.
    const bool reversed = link.connector.kind == FigureKind::Arrow && link.connector.heads == apLeft;
    Between b{i, reversed ? *end : *start, reversed ? *start : *end, false, false, StyleOf(*Widget(link.connector.id))};
    b.tailMoves = bool(reversed ? link.end : link.start);
    b.headMoves = bool(reversed ? link.start : link.end);
    between_.push_back(b);
  }
}

void ConnectorFollowing::Step() {
  auto boxNow = [](connectors::FigureId id) { return Widget(id)->BoundsRect(); };
  const connectors::Followers now = connectors::Follow(found_, boxNow);
  // Every step starts from the drag's start: a head made smaller on the way gets its rates back.
  std::vector<const Between*> laid(now.connectors.size(), nullptr);
  for (const Between& b : between_) laid[b.link] = &b;
  for (size_t i = 0; i < now.connectors.size(); ++i) {
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
            connectors::RebuildStraight(found_.connectors[i].connector, tail, head, b->style);
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
