#pragma once
#include <QRect>
#include <vector>

#include "ObstacleIndex.h"
#include "RouteTypes.h"

// Jogs (a run between two bends shorter than the shortest run) taken out of routes: one of the two
// runs beside the jog moves across onto the other's line, so that the jog and two bends go. The
// run before the jog moves first, else the one after; a run that ends at a port takes the port
// along its side, within the stretch ports may use (PortSpan). A move is made only when the moved
// runs keep out of every box (the first and last runs but of their own shape's), leave no new
// jog, turn no run back, and bring no run nearer than the gap to another route's run along it
// (nor nearer than it already was). The routes are gone through again while any changed; jogs
// that no move removes stay.
namespace routing {

// A route's two ends: the shapes its ports lie on, and the owners of their obstacles.
struct RouteEnds {
  FigureKind fromKind = FigureKind::Box, toKind = FigureKind::Box;
  QRect fromBox, toBox;
  int fromOwner = -1, toOwner = -1;
};

void RemoveJogs(std::vector<Route>& routes, const std::vector<RouteEnds>& ends, const ObstacleIndex& obstacles,
                const RouteOptions& options = {});

}  // namespace routing
