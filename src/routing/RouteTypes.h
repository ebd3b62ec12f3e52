#pragma once
#include <QPoint>
#include <QRect>
#include <vector>

#include "SidePoints.h"

// The values the orthogonal router works with: ports on the sides of shapes, the settings every
// route keeps and the routes it makes. Canvas pixels; a box's right edge is Left + Width.
namespace routing {

using connectors::FigureKind;
using connectors::Side;

// Where a route leaves or enters a shape: a point on its outline and the side it lies on; the
// route runs out of (into) the side perpendicular to it.
struct Port {
  QPoint point;
  Side side = Side::Right;
  bool operator==(const Port&) const = default;
};

struct RouteOptions {
  int clearance = 10;    // how far routes keep from the boxes of shapes and texts where there is room
  int bendPenalty = 60;  // a bend costs as much as this many pixels of length
  int gap = 8;           // the least distance between two routes along one corridor
  int minJog = 15;       // the shortest run between two bends
  int loopSize = 20;     // how far a self-loop stands off its shape
  // Outlines routes cross freely but keep `gap` off while running along them: open containers,
  // whose edge hides a run along it and whose outline a bend beside it would seem to end on.
  std::vector<QRect> walls;
};

// Points from the first port to the last: consecutive points differ in exactly one coordinate,
// no point repeats. `clear`: the route keeps out of every shape and text but its own ends.
struct Route {
  std::vector<QPoint> points;
  Side from = Side::Right, to = Side::Left;
  bool clear = false;
  int Bends() const { return points.size() < 2 ? 0 : static_cast<int>(points.size()) - 2; }
};

// The route without repeated points and without points in the middle of a straight stretch.
std::vector<QPoint> Simplify(const std::vector<QPoint>& points);

}  // namespace routing
