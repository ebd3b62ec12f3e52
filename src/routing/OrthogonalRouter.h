#pragma once
#include <QPoint>
#include <vector>

#include "ObstacleIndex.h"
#include "RouteTypes.h"

// One orthogonal route around the obstacles, from one of a shape's ports to one of another's.
// The obstacles near the two ends (asked of the index in a window about them, widened while no
// route is found) make a sparse orthogonal visibility graph: the lines along every obstacle's box
// out by the clearance and just outside it, and through the ports; its nodes are where they cross
// and its edges the runs between neighbouring nodes that enter no box. A* finds the cheapest path,
// a bend costing the bend penalty and a run nearer a box than the clearance three times its
// length, so a route takes the fewest bends a clear path allows and keeps its distance where
// there is room.
namespace routing {

struct RouteEnd {
  std::vector<Port> ports;  // the candidates; the search picks the cheapest
  int owner = -1;           // the obstacles of this owner are the end's own shape and text
};

struct FoundRoute {
  std::vector<QPoint> points;  // simplified; empty when there are no ports
  int fromPort = -1, toPort = -1;
  int64_t cost = 0;
  bool clear = false;  // false: no path kept out of the other obstacles, and this one does not
};

// The route leaves its port perpendicular to the side, outwards, and enters the other inwards.
// Its own shapes block it too, but along the straight run out of each port. Routes stay at
// non-negative coordinates unless a port lies at a negative one. Without any clear path the route
// crosses other obstacles (clear false): out of the ports, across, and in, around its own shapes.
FoundRoute RouteOrthogonal(const RouteEnd& from, const RouteEnd& to, const ObstacleIndex& obstacles,
                           const RouteOptions& options = {});

}  // namespace routing
