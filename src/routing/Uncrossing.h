#pragma once
#include <QPoint>
#include <span>
#include <vector>

#include "RoutingPass.h"

// Fewer crossings between the routes of a pass: a connector whose route crosses others and whose
// sides were left to the router tries the other sides of its shapes (a diamond's free vertices
// only); where one way round crosses fewer routes for at most two bends' worth more, it asks for
// those sides, and the whole pass is routed again. The new routes are kept only where they cross
// fewer times in all, so the pass never makes a chart worse.
namespace routing {

// Where two routes cross: runs that meet at one point inside both (not at an end, not along a
// common line).
int Crossings(const std::vector<QPoint>& a, const std::vector<QPoint>& b);

std::vector<Route> Uncross(std::span<const Shape> shapes, std::vector<Link> links, const ObstacleIndex& index,
                           const RouteOptions& options, std::vector<Route> routes);

}  // namespace routing
