#pragma once
#include <QPoint>
#include <vector>

// Crossings of curved edge routes, as Graphviz draws them: the yardstick a chart's own
// connectors are held against.
namespace quality {

// Points where two different routes cross properly (not where they only touch, not along a
// common line). Each route is the control points of its cubic Bézier pieces, 1 + 3n points,
// followed at `steps` points per piece; a route of two points is a straight line.
int CurveCrossings(const std::vector<std::vector<QPoint>>& routes, int steps = 16);

}  // namespace quality
