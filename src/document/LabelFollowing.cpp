#include "LabelFollowing.h"

#include "ConnectorLabel.h"
#include "CustomKDTool.h"
#include "Diagram.h"
#include "DiagramItems.h"
#include "LabelPlacement.h"

std::unique_ptr<ConnectorLabelFollowing> ConnectorLabelFollowing::Find(Diagram& diagram,
                                                                       const std::vector<TCustomKDTool*>& moving) {
  if (moving.empty()) return nullptr;
  DiagramItems items(diagram);
  std::vector<const semantics::Item*> list;
  list.reserve(moving.size());
  for (const TCustomKDTool* f : moving) list.push_back(&items.Of(f));
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
