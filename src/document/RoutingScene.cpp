#include "RoutingScene.h"

#include <algorithm>

#include "ConnectorFollowing.h"
#include "ConnectorGeometry.h"
#include "Diagram.h"
#include "KDTools.h"

namespace {

// How far beyond the shapes a route may have to go round what lies there.
constexpr int kMargin = 200;
// A run's ends meet shapes and other runs at their joints: only the run between blocks, so that
// a route may still leave the side it ends on.
constexpr int kRunEndsFree = 3;

// The straight run of a line or an arrow, without its ends; none for a slanted one.
std::optional<QRect> RunOf(const TCustomKDTool& f, const connectors::Figure& described) {
  const connectors::Ends e = connectors::EndsOf(described);
  if (e.start.x() != e.end.x() && e.start.y() != e.end.y()) return std::nullopt;
  QRect run = QRect(e.start, e.end).normalized();
  const int width = std::max(1, f.LineWidth());
  if (run.width() == 1) {
    run.adjust(-(width - 1) / 2, kRunEndsFree, width / 2, -kRunEndsFree);
  } else {
    run.adjust(kRunEndsFree, -(width - 1) / 2, -kRunEndsFree, width / 2);
  }
  if (run.width() <= 0 || run.height() <= 0) return std::nullopt;
  return run;
}

}  // namespace

std::vector<bool> Frames(const Diagram& d, const std::vector<TCustomKDTool*>& shapes) {
  std::vector<const TCustomKDTool*> sorted(shapes.begin(), shapes.end());
  std::sort(sorted.begin(), sorted.end());
  std::vector<bool> frames(shapes.size(), false);
  std::vector<TCustomKDTool*> hits;
  for (size_t i = 0; i < shapes.size(); ++i) {
    const QRect box = shapes[i]->BoundsRect();
    hits.clear();
    d.FiguresIn(box, hits);
    frames[i] = std::any_of(hits.begin(), hits.end(), [&](const TCustomKDTool* h) {
      return h != shapes[i] && h->BoundsRect() != box && box.contains(h->BoundsRect()) &&
             std::binary_search(sorted.begin(), sorted.end(), h);
    });
  }
  return frames;
}

RoutingScene::RoutingScene(const Diagram& d, const QRect& area, const std::vector<const TCustomKDTool*>& routed) {
  std::vector<TCustomKDTool*> near;
  d.FiguresIn(area.adjusted(-kMargin, -kMargin, kMargin, kMargin), near);
  std::vector<const TCustomKDTool*> skip(routed.begin(), routed.end());
  std::sort(skip.begin(), skip.end());
  std::vector<TCustomKDTool*> shapeFigures;
  std::vector<QRect> runs;
  for (TCustomKDTool* f : near) {
    if (f->isHidden()) continue;
    const connectors::Figure described = DescribeFigure(*f, d.StackIndexOf(f));
    if (connectors::IsClosed(described.kind)) {
      numbers_.emplace(f, static_cast<int>(shapes_.size()));
      shapes_.push_back({described.kind, described.box, {}});
      shapeFigures.push_back(f);
    } else if ((described.kind == connectors::FigureKind::Line || described.kind == connectors::FigureKind::Arrow) &&
               !std::binary_search(skip.begin(), skip.end(), f)) {
      if (const std::optional<QRect> run = RunOf(*f, described)) runs.push_back(*run);
    }
  }
  index_ = routing::IndexShapes(shapes_, Frames(d, shapeFigures));
  for (const QRect& run : runs) index_.Add({run, -1, false});
}

int RoutingScene::NumberOf(const TCustomKDTool* figure) const {
  const auto it = numbers_.find(figure);
  return it == numbers_.end() ? -1 : it->second;
}

std::vector<routing::Route> RoutingScene::Route(std::span<const routing::Link> links) const {
  return routing::RouteAll(shapes_, links, index_);
}

std::optional<std::vector<QPoint>> RouteBetween(const Diagram& d, const TCustomKDTool* from, const TCustomKDTool* to,
                                                std::optional<connectors::Side> fromSide,
                                                std::optional<connectors::Side> toSide) {
  const RoutingScene scene(d, from->BoundsRect() | to->BoundsRect());
  const routing::Link link{scene.NumberOf(from), scene.NumberOf(to), fromSide, toSide};
  if (link.from < 0 || link.to < 0 || link.from == link.to) return std::nullopt;
  const std::vector<routing::Route> routes = scene.Route(std::span(&link, 1));
  if (routes.empty() || !routes.front().clear || routes.front().points.size() < 2) return std::nullopt;
  return routes.front().points;
}
