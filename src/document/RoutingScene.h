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
// shape (lanes and containers open: routes cross their edges); with `keepOffRuns`, each straight
// run of the connectors there is an obstacle of nobody's too, so that a new route keeps off them
// instead of running along them.
class RoutingScene {
 public:
  RoutingScene(const Diagram& diagram, const QRect& area, bool keepOffRuns = false);

  // Whether the route shares more than a point with a run of the connectors there (only with
  // `keepOffRuns`).
  bool RunsAlongAConnector(const std::vector<QPoint>& route) const;

  // The shape's number in the scene, or -1.
  int NumberOf(const TCustomKDTool* figure) const;
  const std::vector<routing::Shape>& Shapes() const { return shapes_; }
  std::vector<routing::Route> Route(std::span<const routing::Link> links) const;
  // Whether the route's figures read back as a connector between its two ends: no joint of it
  // lies within an attaching reach of a shape's outline (where it would end there instead).
  bool ReadsBack(const std::vector<QPoint>& route) const;

 private:
  std::vector<routing::Shape> shapes_;
  std::vector<QRect> runs_;
  std::vector<bool> frames_;  // per shape: a lane or container, which routes cross
  std::unordered_map<const TCustomKDTool*, int> numbers_;
  routing::ObstacleIndex index_;
};

// Which of the shapes wholly encloses another of them (a lane or a container with its contents),
// each asking the spatial index for what lies in it rather than every other shape.
std::vector<bool> Frames(const Diagram& diagram, const std::vector<TCustomKDTool*>& shapes);

// A route for a new connector between two shapes that keeps off the runs of the connectors there:
// `simple` as it is where it does and reads back, else the router's around the shapes near them, leaving and
// entering by the sides given where they are; none when neither keeps off.
std::optional<std::vector<QPoint>> RouteBetween(const Diagram& diagram, const TCustomKDTool* from, const TCustomKDTool* to,
                                                std::optional<connectors::Side> fromSide,
                                                std::optional<connectors::Side> toSide,
                                                const std::vector<QPoint>& simple);
