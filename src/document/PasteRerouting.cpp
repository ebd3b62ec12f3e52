#include "PasteRerouting.h"

#include <algorithm>
#include <unordered_map>
#include <unordered_set>

#include "ChainRefit.h"
#include "ConnectorGeometry.h"
#include "Connector.h"
#include "ConnectorDrawing.h"
#include "ConnectorFollowing.h"
#include "Diagram.h"
#include "DiagramItems.h"
#include "KDTools.h"
#include "LabelPlacement.h"
#include "Rerouting.h"
#include "RoutingPass.h"
#include "SelectionUnits.h"
#include "TwinKedrinFile.h"

namespace pasterouting {

namespace {

// How far beyond its two shapes a route may have to go round what lies there.
constexpr int kObstacleMargin = 200;

struct Link {
  std::vector<TCustomKDTool*> segments;  // source first; the arrow last
  TCustomKDTool* source;
  TCustomKDTool* target;
};

// The elbow connectors wholly among the pasted figures, each with both its shapes pasted.
std::vector<Link> PastedLinks(const Diagram& d, const std::vector<TCustomKDTool*>& pasted, std::vector<TCustomKDTool*>& shapes) {
  const std::unordered_set<const TCustomKDTool*> among(pasted.begin(), pasted.end());
  for (TCustomKDTool* f : pasted)
    if (connectors::IsClosed(DescribeFigure(*f, 0).kind)) shapes.push_back(f);
  std::vector<Link> links;
  if (shapes.empty()) return links;
  const std::unique_ptr<ConnectorFollowing> following = ConnectorFollowing::Find(d, shapes);
  if (!following) return links;
  for (const ConnectorFollowing::ElbowLink& e : following->ElbowLinks()) {
    if (!e.source || !e.target || !among.count(e.source) || !among.count(e.target) || e.segments.empty()) continue;
    if (!std::all_of(e.segments.begin(), e.segments.end(), [&](const TCustomKDTool* s) { return among.count(s) != 0; })) continue;
    if (!qobject_cast<TKDArrow*>(e.segments.back())) continue;
    links.push_back({e.segments, e.source, e.target});
  }
  return links;
}

void Reroute(TwinKedrinFile& document, const std::vector<Link>& links, const std::vector<TCustomKDTool*>& shapes,
             std::vector<TCustomKDTool*>& pasted) {
  Diagram& d = document.FigureSet();
  // The labels that go with the connectors, as following finds them.
  std::vector<rerouting::ChainLabel> labels;
  {
    DiagramItems items(d);
    std::vector<const semantics::Item*> list;
    for (const TCustomKDTool* f : shapes) list.push_back(&items.Of(f));
    for (semantics::LabelFollower& l : semantics::LabelsFollowing(list, items.Query()))
      if (const TCustomKDTool* f = d.Find(l.label)) labels.push_back({f->BoundsRect(), std::move(l)});
  }
  QRect area;
  for (const Link& l : links) area |= l.source->BoundsRect() | l.target->BoundsRect();
  std::vector<TCustomKDTool*> near;
  d.FiguresIn(area.adjusted(-kObstacleMargin, -kObstacleMargin, kObstacleMargin, kObstacleMargin), near);
  // A shape under a pasted one (the original of a copy pasted beside it) cannot be gone round:
  // it is no obstacle.
  const std::unordered_set<const TCustomKDTool*> pastedShapes(shapes.begin(), shapes.end());
  const auto underPasted = [&](const TCustomKDTool* f) {
    return !pastedShapes.count(f) && std::any_of(shapes.begin(), shapes.end(), [&](const TCustomKDTool* p) {
      return p->BoundsRect().intersects(f->BoundsRect());
    });
  };
  std::vector<routing::Shape> obstacles;
  std::unordered_map<const TCustomKDTool*, int> index;
  for (TCustomKDTool* f : near) {
    if (f->isHidden()) continue;
    const connectors::Figure described = DescribeFigure(*f, d.StackIndexOf(f));
    if (!connectors::IsClosed(described.kind) || underPasted(f)) continue;
    index.emplace(f, static_cast<int>(obstacles.size()));
    obstacles.push_back({described.kind, described.box, {}});
  }
  const std::vector<bool> frames = routing::Enclosing(obstacles);
  // Only a connector whose pasted course runs into a shape other than its own two is laid anew: a
  // clear one stays as it was copied (a chart pasted from text comes routed already).
  const auto blocked = [&](const Link& l) {
    for (const TCustomKDTool* s : l.segments) {
      const connectors::Ends e = connectors::EndsOf(s->BoundsRect(), DescribeFigure(*s, 0).direction);
      const QRect course = QRect(e.start, e.end).normalized();
      for (const auto& [f, i] : index) {
        if (f == l.source || f == l.target || frames[static_cast<size_t>(i)]) continue;
        const QRect inside = obstacles[static_cast<size_t>(i)].box.adjusted(1, 1, -1, -1);
        if (inside.intersects(course.adjusted(0, 0, 1, 1))) return true;
      }
    }
    return false;
  };
  std::vector<Link> laid;
  for (const Link& l : links)
    if (blocked(l)) laid.push_back(l);
  if (laid.empty()) return;
  std::vector<routing::Link> requests;
  const auto numberOf = [&](const TCustomKDTool* f) {
    const auto it = index.find(f);
    return it == index.end() ? -1 : it->second;
  };
  for (const Link& l : laid) requests.push_back({numberOf(l.source), numberOf(l.target), {}, {}});
  const std::vector<routing::Route> routes = routing::RouteAll(obstacles, requests, routing::IndexShapes(obstacles, frames));

  std::vector<std::vector<TCustomKDTool*>> chains;
  std::vector<const std::vector<QPoint>*> along;
  for (size_t k = 0; k < laid.size(); ++k) {
    chains.push_back(laid[k].segments);
    along.push_back(routes[k].clear ? &routes[k].points : nullptr);
  }
  rerouting::LaidChains done = rerouting::LayChains(document, chains, along);
  // Never recorded, the segments left over simply go.
  if (!done.removed.empty()) {
    const std::unordered_set<const TCustomKDTool*> gone(done.removed.begin(), done.removed.end());
    pasted.erase(std::remove_if(pasted.begin(), pasted.end(), [&](const TCustomKDTool* f) { return gone.count(f) != 0; }),
                 pasted.end());
    d.Remove(d.IdsOf(done.removed));
  }
  pasted.insert(pasted.end(), done.added.begin(), done.added.end());
  rerouting::FollowLabels(d, labels, done.rerouted, done.changes);
}

}  // namespace

void RouteAgain(TwinKedrinFile& document, std::vector<TCustomKDTool*>& pasted) {
  if (!selectionunits::On() || pasted.empty()) return;
  std::vector<TCustomKDTool*> shapes;
  const std::vector<Link> links = PastedLinks(document.FigureSet(), pasted, shapes);
  if (!links.empty()) Reroute(document, links, shapes, pasted);
}

}  // namespace pasterouting
