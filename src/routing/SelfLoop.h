#pragma once
#include <QRect>
#include <optional>

#include "ObstacleIndex.h"
#include "RouteTypes.h"

// A connector from a shape back to itself, drawn beside the shape.
namespace routing {

enum class Corner { TopRight, BottomRight, BottomLeft, TopLeft };

// The two sides a loop at the corner joins, the first the one it leaves.
std::pair<Side, Side> LoopSides(Corner corner);

// The first corner, in the order above, whose loop standing `size` off the box stays at
// non-negative coordinates and clear of the other obstacles (those not owned by `owner`); the
// first at non-negative coordinates when none is clear; top right when neither.
Corner LoopCorner(const QRect& box, int owner, const ObstacleIndex& obstacles, int size);

// The loop from port a (on the corner's first side) to port b (on its second): out of a by
// `size` past the box, around the corner `size` off the box, and into b.
std::vector<QPoint> LoopRoute(const QRect& box, const Port& a, const Port& b, int size);

}  // namespace routing
