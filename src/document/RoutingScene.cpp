#include "RoutingScene.h"

#include <algorithm>

#include "ConnectorFollowing.h"
#include "ConnectorGeometry.h"
#include "Diagram.h"
#include "KDTools.h"
#include "Outline.h"

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

RoutingScene::RoutingScene(const Diagram& d, const QRect& area, bool keepOffRuns) {
  std::vector<TCustomKDTool*> near;
  d.FiguresIn(area.adjusted(-kMargin, -kMargin, kMargin, kMargin), near);
  std::vector<TCustomKDTool*> shapeFigures;
  for (TCustomKDTool* f : near) {
    if (f->isHidden()) continue;
    const connectors::Figure described = DescribeFigure(*f, d.StackIndexOf(f));
    if (connectors::IsClosed(described.kind)) {
      numbers_.emplace(f, static_cast<int>(shapes_.size()));
      shapes_.push_back({described.kind, described.box, {}});
      shapeFigures.push_back(f);
    } else if (keepOffRuns && (described.kind == connectors::FigureKind::Line || described.kind == connectors::FigureKind::Arrow)) {
      if (const std::optional<QRect> run = RunOf(*f, described)) runs_.push_back(*run);
    }
  }
  frames_ = Frames(d, shapeFigures);
  index_ = routing::IndexShapes(shapes_, frames_);
  for (const QRect& run : runs_) index_.Add({run, -1, false});
}

bool RoutingScene::ReadsBack(const std::vector<QPoint>& route) const {
  constexpr int reach = connectors::kAttachReach + 1;
  for (size_t i = 1; i + 1 < route.size(); ++i)
    for (size_t k = 0; k < shapes_.size(); ++k) {
      const QRect& box = shapes_[k].box;
      // Deep inside a lane or a container a joint belongs to none of it.
      if (box.adjusted(-reach, -reach, reach, reach).contains(route[i]) &&
          !(frames_[k] && box.adjusted(reach, reach, -reach, -reach).contains(route[i])))
        return false;
    }
  return true;
}

bool RoutingScene::RunsAlongAConnector(const std::vector<QPoint>& route) const {
  for (size_t i = 0; i + 1 < route.size(); ++i) {
    const QRect run = QRect(route[i], route[i + 1]).normalized();
    for (const QRect& taken : runs_) {
      const QRect common = run.intersected(taken);
      if (!common.isEmpty() && (common.width() > 1 || common.height() > 1)) return true;
    }
  }
  return false;
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
                                                std::optional<connectors::Side> toSide,
                                                const std::vector<QPoint>& simple) {
  const RoutingScene scene(d, from->BoundsRect() | to->BoundsRect(), true);
  if (!scene.RunsAlongAConnector(simple) && scene.ReadsBack(simple)) return simple;
  const routing::Link link{scene.NumberOf(from), scene.NumberOf(to), fromSide, toSide};
  if (link.from < 0 || link.to < 0 || link.from == link.to) return std::nullopt;
  const std::vector<routing::Route> routes = scene.Route(std::span(&link, 1));
  if (routes.empty() || !routes.front().clear || routes.front().points.size() < 2) return std::nullopt;
  if (scene.RunsAlongAConnector(routes.front().points) || !scene.ReadsBack(routes.front().points)) return std::nullopt;
  return routes.front().points;
}
