#pragma once
#include <QRect>
#include <optional>
#include <span>
#include <unordered_map>
#include <vector>

#include "ObstacleIndex.h"
#include "RoutingPass.h"

class Diagram;
class TCustomKDTool;

// Part of the diagram as the orthogonal router sees it: each closed figure near an area is a
// shape (lanes and containers open: routes cross their edges), and each straight run of the
// connectors that stay where they are is an obstacle of nobody's, so that a new route keeps off
// them instead of running along them.
class RoutingScene {
 public:
  // `routed`: the segments of the connectors about to be routed, which block nothing.
  RoutingScene(const Diagram& diagram, const QRect& area, const std::vector<const TCustomKDTool*>& routed = {});

  // The shape's number in the scene, or -1.
  int NumberOf(const TCustomKDTool* figure) const;
  const std::vector<routing::Shape>& Shapes() const { return shapes_; }
  std::vector<routing::Route> Route(std::span<const routing::Link> links) const;

 private:
  std::vector<routing::Shape> shapes_;
  std::unordered_map<const TCustomKDTool*, int> numbers_;
  routing::ObstacleIndex index_;
};

// Which of the shapes wholly encloses another of them (a lane or a container with its contents),
// each asking the spatial index for what lies in it rather than every other shape.
std::vector<bool> Frames(const Diagram& diagram, const std::vector<TCustomKDTool*>& shapes);

// A route for a new connector between two shapes, around the shapes near them and off the runs
// of the connectors there, leaving and entering by the sides given where they are; none when the
// router finds no clear way.
std::optional<std::vector<QPoint>> RouteBetween(const Diagram& diagram, const TCustomKDTool* from, const TCustomKDTool* to,
                                                std::optional<connectors::Side> fromSide,
                                                std::optional<connectors::Side> toSide);
