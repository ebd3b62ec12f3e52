#include "ConnectorFollowing.h"

#include <algorithm>

#include "AttachmentFinder.h"
#include "Outline.h"
#include "CustomKDTool.h"
#include "Diagram.h"
#include "Follow.h"
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
  return std::unique_ptr<ConnectorFollowing>(new ConnectorFollowing(std::move(found)));
}

ConnectorFollowing::ConnectorFollowing(connectors::Attachments found) : found_(std::move(found)) {
  followers_.reserve(found_.connectors.size() + found_.labels.size());
  for (const connectors::ConnectorLink& c : found_.connectors) followers_.push_back(Widget(c.connector.id));
  for (const connectors::LabelLink& l : found_.labels) followers_.push_back(Widget(l.label.id));
}


void ConnectorFollowing::Step() {
  const connectors::Followers now =
      connectors::Follow(found_, [](connectors::FigureId id) { return Widget(id)->BoundsRect(); });
  for (const Figure& c : now.connectors) ApplyShape(*Widget(c.id), {c.box, c.direction, c.heads});
  for (const Figure& l : now.labels) {
    TCustomKDTool& label = *Widget(l.id);
    ApplyShape(label, {l.box, ShapeOf(label).direction, ShapeOf(label).heads});
  }
}
