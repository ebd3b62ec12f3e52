#include "LabelFollowing.h"

#include "ConnectorLabel.h"
#include "CustomKDTool.h"
#include "Diagram.h"
#include "DiagramItems.h"
#include "EveryFigure.h"
#include "KDTools.h"
#include "LabelPlacement.h"
#include "Outline.h"

namespace {

// Beyond this many moving figures it is cheaper to start from the lines and arrows that stay.
constexpr size_t kManyMoving = 2000;

// The class itself, not a cast (the classes are final): this runs for every figure of the diagram.
bool IsSegmentFigure(const TCustomKDTool* f) {
  const QMetaObject* m = f->metaObject();
  return m == &TKDLine::staticMetaObject || m == &TKDArrow::staticMetaObject;
}

// Of many moving figures, what the search needs: the lines, arrows and labels among them (so that
// they are known to move), and only the shapes near a line or arrow that stays, since a connector
// with a segment that moves has no label that follows, and one whose segments all stay has them
// near both its shapes.
std::vector<const TCustomKDTool*> Candidates(const Diagram& diagram, const std::vector<TCustomKDTool*>& moving) {
  std::vector<const TCustomKDTool*> out(moving.begin(), moving.end());
  if (moving.size() <= kManyMoving) return out;
  const TControlMarks marked;
  for (const TCustomKDTool* f : moving) marked.Add(f);
  const TControlMarks nearStaying;
  bool anyNear = false;
  std::vector<TCustomKDTool*> hits;
  const int reach = connectors::kAttachReach + 1;
  for (TCustomControl* c : diagram.Ordered()) {
    auto* f = static_cast<TCustomKDTool*>(c);
    if (marked.Contains(f) || !IsSegmentFigure(f)) continue;
    hits.clear();
    diagram.FiguresIn(f->BoundsRect().adjusted(-reach, -reach, reach, reach), hits);
    for (const TCustomKDTool* h : hits)
      if (marked.Contains(h)) {
        nearStaying.Add(h);
        anyNear = true;
      }
  }
  out.clear();
  // No moving shape touches a connector that stays: no label can follow.
  if (!anyNear) return out;
  for (const TCustomKDTool* f : moving)
    if (nearStaying.Contains(f) || IsSegmentFigure(f) || qobject_cast<const TKDLabel*>(f)) out.push_back(f);
  return out;
}

}  // namespace

std::unique_ptr<ConnectorLabelFollowing> ConnectorLabelFollowing::Find(Diagram& diagram,
                                                                       const std::vector<TCustomKDTool*>& moving) {
  // With every figure moving, each label already moves with its connector.
  if (moving.empty() || IsEveryFigure(diagram, moving)) return nullptr;
  DiagramItems items(diagram);
  const std::vector<const TCustomKDTool*> candidates = Candidates(diagram, moving);
  if (candidates.empty()) return nullptr;
  std::vector<const semantics::Item*> list;
  list.reserve(candidates.size());
  for (const TCustomKDTool* f : candidates) list.push_back(&items.Of(f));
  std::vector<Follower> followers;
  for (semantics::LabelFollower& l : semantics::LabelsFollowing(list, items.Query())) {
    TCustomKDTool* label = diagram.Find(l.label);
    if (!label) continue;
    followers.push_back({label->BoundsRect(), std::move(l)});
  }
  if (followers.empty()) return nullptr;
  return std::unique_ptr<ConnectorLabelFollowing>(new ConnectorLabelFollowing(diagram, std::move(followers)));
}

ConnectorLabelFollowing::ConnectorLabelFollowing(Diagram& diagram, std::vector<Follower> followers)
    : diagram_(diagram), followers_(std::move(followers)) {}

std::vector<TCustomKDTool*> ConnectorLabelFollowing::Labels() const {
  std::vector<TCustomKDTool*> labels;
  for (const Follower& f : followers_)
    if (TCustomKDTool* label = diagram_.Find(f.link.label)) labels.push_back(label);
  return labels;
}

void ConnectorLabelFollowing::Step() {
  std::vector<semantics::Item> segments;
  for (const Follower& f : followers_) {
    TCustomKDTool* label = diagram_.Find(f.link.label);
    if (!label) continue;
    segments.clear();
    for (uint64_t id : f.link.segments)
      if (const TCustomKDTool* s = diagram_.Find(id)) segments.push_back(DescribeItem(*s, 0));
    if (segments.empty()) continue;
    semantics::Connector connector;
    for (const semantics::Item& s : segments) connector.segments.push_back(&s);
    const QRect box = semantics::FollowConnectorLabel(f.start, f.link, connector);
    if (box == label->BoundsRect()) continue;
    label->Invalidate();
    label->ApplyBounds(box.x(), box.y(), box.width(), box.height());
    label->Invalidate();
  }
}
