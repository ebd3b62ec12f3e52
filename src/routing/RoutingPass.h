#pragma once
#include <QRect>
#include <optional>
#include <span>
#include <vector>

#include "ObstacleIndex.h"
#include "RouteTypes.h"

// Routing many connectors at once, as a chart is laid out or its shapes are moved:
// 1. each connector takes the sides of its cheapest route between side points (the sides it asks
//    for, where it does); a diamond's vertex takes one end while another vertex is free;
// 2. the ends that share a side are spread along it (SpreadPorts), ordered by the direction in
//    which their other ends lie, so that routes leaving one side do not cross; ends in the same
//    direction (two connectors between one pair of shapes) take their places by their order
//    among the connectors, each offset to the left of its own way, so the two routes nest; an end
//    across from a port that cannot move (a diamond's vertex, the one end of a side) lines up with
//    it where the spread left it less than a jog off, the others on its side making room;
// 3. a connector from a shape to itself is a loop beside one of its corners: out of one side,
//    around the corner and into the next side, at the first corner (top right, bottom right,
//    bottom left, top left) whose loop stays at non-negative coordinates clear of other shapes;
// 4. every connector is routed between its ports (RouteOrthogonal);
// 5. runs of different routes along one corridor are moved apart (SeparateRuns);
// 6. jogs shorter than the shortest run are straightened away where the route stays clear
//    (RemoveJogs), moving ports along their sides where needed.
namespace routing {

struct Shape {
  FigureKind kind = FigureKind::Box;
  QRect box;
  QRect text;  // the box of its text; none when empty. Routes keep out of it as of the shape.
};

struct Link {
  int from = -1, to = -1;  // shapes
  std::optional<Side> fromSide, toSide;
  // The sides an end the router chooses may take; empty: any (a diamond's vertices that other
  // connectors hold are left out by the caller).
  std::vector<Side> fromSides = {}, toSides = {};
};

// The obstacles of the shapes: each shape's box, then its text where it reaches beyond the box,
// owned by the shape's number.
ObstacleIndex IndexShapes(std::span<const Shape> shapes);
// The same without the shapes marked in `open` (containers: routes cross their edges, and a route
// to one ends on its border).
ObstacleIndex IndexShapes(std::span<const Shape> shapes, const std::vector<bool>& open);

// Per shape, whether its box wholly encloses another's (a container): routes cross its edges
// rather than go around it.
std::vector<bool> Enclosing(std::span<const Shape> shapes);

// One route per link, in link order. Links naming no shape get no points.
std::vector<Route> RouteAll(std::span<const Shape> shapes, std::span<const Link> links,
                            const RouteOptions& options = {});
// The same with the shapes' obstacles already indexed (IndexShapes, kept up to date by the caller
// as shapes move); other obstacles in it, owned by nobody, are kept out of as well.
std::vector<Route> RouteAll(std::span<const Shape> shapes, std::span<const Link> links, const ObstacleIndex& index,
                            const RouteOptions& options = {});

}  // namespace routing
