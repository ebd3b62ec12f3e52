#pragma once
#include <QPoint>
#include <optional>
#include <vector>

#include "Figure.h"
#include "SidePoints.h"

// Elbow connectors: an orthogonal route from one shape's side point to another's. It leaves and
// enters perpendicular to the sides, turns at most three times, keeps clear of its own two shapes
// and goes around the other closed shapes when a route with at most three bends does.
namespace connectors {

// How far a route runs out of a side before it turns where there is room.
constexpr int kElbowStub = 20;
// How far routes keep from the boxes of shapes; also the shortest run out of a side that turns.
constexpr int kElbowClearance = 10;

struct ElbowSides {
  std::optional<Side> from, to;
};

struct ElbowRoute {
  // The source's side point, each bend, the target's side point; consecutive points differ in
  // exactly one coordinate.
  std::vector<QPoint> points;
  Side from = Side::Right, to = Side::Left;
  bool clear = false;     // clear of every other closed shape and of its own two
  bool ownClear = false;  // clear of its own two (false only when no such route exists)
  int Bends() const { return points.size() < 2 ? 0 : static_cast<int>(points.size()) - 2; }
};

// The route between two closed shapes (their kinds give the side points, AttachPoint). Of the
// routes with at most three bends the shortest wins, a bend counting as 40 pixels and a run out
// of or into a side shorter than the stub as three times what it lacks; on a tie the one leaving
// the source's side that faces the target across the larger gap between the boxes (up or down on
// equal gaps), then the one whose middle runs nearest the middle between them.
// Obstacles are the closed figures the query returns, less the two shapes and those overlapping
// either (a container holding both); they are asked for around the two boxes, and once more
// farther out when no clear route lies near. Preferred sides are kept when a route from (to) them
// keeps clear of every shape, or failing that when one keeps clear of its own two shapes and no
// route from other sides keeps clear of every shape. When no route keeps clear of the other
// shapes, the best one clear of its own two is taken; only when even that fails (one inside the
// other) does the route cross them.
ElbowRoute RouteElbow(const Figure& from, const Figure& to, const FigureQuery& obstacles,
                      ElbowSides preferred = {});

}  // namespace connectors
